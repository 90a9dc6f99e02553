// "Generate password" driven through its controls: type layout, the quote rule, when it
// generates, what OK and Cancel write, and where the password goes.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include "core/settings/memory_settings_storage.h"
#include "core/tools/generator_options.h"
#include "gui/app/app_context.h"
#include "gui/tools/generator_commands.h"
#include "gui/tools/password_generator_dlg.h"
#include "gui/ui/wx_date_format.h"
#include "tests/gui/modal_answer.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/scripted_random.h"

namespace vk {
namespace {

using Dlg = CPasswordGeneratorDlg;
constexpr char kProfile[] = "/prog/Vaultkeep.ini";

class RecordingClipboard : public IClipboard {
  public:
    bool SetText(const std::string& text) override {
        held = text;
        return true;
    }
    bool GetText(std::string* text) override {
        *text = held;
        return true;
    }
    bool Clear() override {
        held.clear();
        return true;
    }
    std::string held;
};

class ZeroClock : public IClock {
  public:
    std::uint64_t TickMs() override { return 0; }
};

class PasswordGeneratorTest : public ::testing::Test {
  protected:
    ~PasswordGeneratorTest() override {
        if (dialog) dialog->Destroy();
        wxTheApp->ProcessIdle();
    }
    Dlg& Open(bool copy = true) {
        dialog = new Dlg(nullptr, profile, random, prompt, copy);
        return *dialog;
    }
    template <typename T>
    T* Control(int id) {
        return dynamic_cast<T*>(dialog->FindWindow(id));
    }
    void Send(wxEventType type, int id, int value = 0) {
        wxWindow* control = dialog->FindWindow(id);
        ASSERT_NE(control, nullptr) << id;
        wxCommandEvent event(type, id);
        event.SetEventObject(control);
        event.SetInt(value);
        control->GetEventHandler()->ProcessEvent(event);
    }
    void Click(int id) {
        if (auto* radio = Control<wxRadioButton>(id)) radio->SetValue(true);
        Send(
            dynamic_cast<wxRadioButton*>(dialog->FindWindow(id)) ? wxEVT_RADIOBUTTON : wxEVT_BUTTON,
            id);
    }
    std::string Password() { return dialog->Result(); }

    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    test::ScriptedRandom random;  // every draw 0: letters are all 'A'
    CProfileFile profile{fs, prompt, "/prog"};
    Dlg* dialog = nullptr;
};

TEST_F(PasswordGeneratorTest, TypeLayoutAndWhatOkAndCancelWrite) {
    fs.files[kProfile] = "[Vaultkeep.ini]\nSecure=1055\nPasswordLength=\"5\"\n";
    Dlg& d = Open(false);
    EXPECT_EQ(d.GetTitle(), "Generate password");
    EXPECT_EQ(Control<wxButton>(wxID_OK)->GetLabel(), "Paste");
    // Word mode: the word formats in place of the classes, the length unused.
    EXPECT_FALSE(Control<wxCheckBox>(Dlg::kUseLetters)->IsShown());
    EXPECT_TRUE(Control<wxRadioButton>(genid::kSingleWord)->IsShown());
    EXPECT_FALSE(Control<wxTextCtrl>(Dlg::kLengthEdit)->IsEnabled());
    EXPECT_EQ(Control<wxRadioButton>(genid::kSingleWord)->GetPosition().y,
              Control<wxCheckBox>(Dlg::kUseLetters)->GetPosition().y);
    EXPECT_EQ(Password(), "Able");  // the first word for a draw of 0

    Click(genid::kSecure);
    EXPECT_TRUE(Control<wxCheckBox>(Dlg::kUseLetters)->IsShown());
    EXPECT_FALSE(Control<wxRadioButton>(genid::kWordNumber)->IsShown());
    EXPECT_TRUE(Control<wxTextCtrl>(Dlg::kLengthEdit)->IsEnabled());
    EXPECT_EQ(Password(), "AAAAA");

    // Typing a length generates nothing; the spin and Generate do.
    Control<wxTextCtrl>(Dlg::kLengthEdit)->SetValue("120");
    EXPECT_EQ(Password(), "AAAAA");
    Click(Dlg::kGenerateButton);
    EXPECT_EQ(Password(), std::string(120, 'A'));
    wxSpinEvent spin(wxEVT_SPIN, Dlg::kLengthSpin);
    spin.SetPosition(12);
    Control<wxSpinButton>(Dlg::kLengthSpin)->GetEventHandler()->ProcessEvent(spin);
    EXPECT_EQ(Control<wxTextCtrl>(Dlg::kLengthEdit)->GetValue(), "12");
    EXPECT_EQ(Password(), std::string(12, 'A'));

    const std::string before = fs.files[kProfile];
    Click(wxID_CANCEL);
    EXPECT_EQ(d.GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(fs.files[kProfile], before);

    // Enter in the length edit takes the password and writes the options.
    Send(wxEVT_TEXT_ENTER, Dlg::kLengthEdit);
    EXPECT_EQ(d.GetReturnCode(), wxID_OK);
    const GeneratorOptions stored = LoadGeneratorOptions(profile);
    EXPECT_TRUE(stored.secure);
    EXPECT_EQ(stored.length, 12u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(PasswordGeneratorTest, QuoteRuleEnablingAndTheClassMessage) {
    Dlg& d = Open();
    EXPECT_EQ(Control<wxButton>(wxID_OK)->GetLabel(), "Copy to clipboard");
    auto* special = Control<wxTextCtrl>(Dlg::kSpecialCharsEdit);
    special->SetValue("a\"b");
    EXPECT_EQ(special->GetValue(), "ab");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Please do not use quotes."});
    special->SetValue("");
    EXPECT_FALSE(Control<wxCheckBox>(Dlg::kUseSpecial)->IsEnabled());

    EXPECT_FALSE(Control<wxRadioButton>(genid::kPrefix)->IsEnabled());
    Control<wxTextCtrl>(Dlg::kInsertTextEdit)->SetValue("pre");
    EXPECT_TRUE(Control<wxRadioButton>(genid::kPrefix)->IsEnabled());
    Click(genid::kPrefix);
    EXPECT_EQ(Password(), "preAAAAA");

    Control<wxCheckBox>(Dlg::kUseLetters)->SetValue(false);
    Send(wxEVT_CHECKBOX, Dlg::kUseLetters);
    EXPECT_EQ(prompt.messages.back(),
              "Please select numbers, letters, or special characters for the password.");
    EXPECT_EQ(Password(), "preAAAAA");  // left as it was

    // OK needs a password; the box may be edited by hand.
    Control<wxTextCtrl>(Dlg::kPasswordEdit)->SetValue("");
    EXPECT_FALSE(Control<wxButton>(wxID_OK)->IsEnabled());
    Control<wxTextCtrl>(Dlg::kPasswordEdit)->SetValue("mine");
    EXPECT_TRUE(Control<wxButton>(wxID_OK)->IsEnabled());
    Click(wxID_OK);
    EXPECT_EQ(d.GetReturnCode(), wxID_OK);
    EXPECT_EQ(Password(), "mine");
    EXPECT_FALSE(LoadGeneratorOptions(profile).useLetters);
}

TEST_F(PasswordGeneratorTest, ResultGoesToTheCellOrTheClipboard) {
    CMemorySettingsStorage storage;
    CWxDateFormat dates;
    RecordingClipboard clipboard;
    ZeroClock clock;
    CAppContext context(storage, fs, prompt, dates, clipboard, clock, "/prog/");
    int answer = wxID_OK;
    test::ModalAnswer hook([&answer](wxDialog*) { return answer; });

    const auto cell = RunPasswordGenerator(nullptr, context, GeneratorUse::kCellEditor);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->size(), 8u);
    EXPECT_EQ(clipboard.held, "");

    const auto copied = RunPasswordGenerator(nullptr, context, GeneratorUse::kClipboard);
    ASSERT_TRUE(copied);
    EXPECT_EQ(clipboard.held, *copied);
    EXPECT_TRUE(context.clipboard.IsPending());  // cleared again after the delay

    answer = wxID_CANCEL;
    EXPECT_FALSE(RunPasswordGenerator(nullptr, context, GeneratorUse::kClipboard));
    EXPECT_EQ(hook.count, 3);
}

}  // namespace
}  // namespace vk
