// "Generate password" driven through its controls: type layout, the quote rule, when it
// generates, what OK and Cancel write, and where the password goes.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include "core/tools/generator_options.h"
#include "gui/tools/generator_commands.h"
#include "gui/tools/password_generator_dlg.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/modal_answer.h"
#include "tests/gui/test_app_context.h"
#include "tests/support/scripted_random.h"

namespace vk {
namespace {

using Dlg = CPasswordGeneratorDlg;

class PasswordGeneratorTest : public ::testing::Test, protected test::TestAppContext {
  protected:
    ~PasswordGeneratorTest() override {
        if (dialog) dialog->Destroy();
        wxTheApp->ProcessIdle();
    }
    template <typename T = wxWindow>
    T* Control(int id) {
        return dynamic_cast<T*>(dialog->FindWindow(id));
    }
    // What a click or Enter sends; a radio button is checked first.
    void Send(wxEventType type, int id) {
        if (type == wxEVT_RADIOBUTTON) Control<wxRadioButton>(id)->SetValue(true);
        test::Click(dialog, id, type);
    }

    test::ScriptedRandom random;  // every draw 0: letters are all 'A', words all "Able"
    CProfileFile profile{fs, prompt, "/prog"};
    Dlg* dialog = nullptr;
};

TEST_F(PasswordGeneratorTest, TypeLayoutGeneratingAndWhatOkAndCancelWrite) {
    std::string& file = fs.files["/prog/Vaultkeep.ini"];
    file = "[Vaultkeep.ini]\nSecure=1055\nPasswordLength=\"5\"\n";
    dialog = new Dlg(nullptr, profile, random, prompt, false);
    EXPECT_EQ(Control(wxID_OK)->GetLabel(), "Paste");
    // Word mode: the word formats in the places of the classes, the length unused.
    EXPECT_FALSE(Control(Dlg::kUseLetters)->IsShown());
    EXPECT_TRUE(Control(genid::kSingleWord)->IsShown());
    EXPECT_EQ(Control(genid::kSingleWord)->GetPosition().y,
              Control(Dlg::kUseLetters)->GetPosition().y);
    EXPECT_FALSE(Control(Dlg::kLengthEdit)->IsEnabled());
    EXPECT_EQ(dialog->Result(), "Able");

    Send(wxEVT_RADIOBUTTON, genid::kSecure);
    EXPECT_TRUE(Control(Dlg::kUseLetters)->IsShown());
    EXPECT_FALSE(Control(genid::kWordNumber)->IsShown());
    EXPECT_EQ(dialog->Result(), "AAAAA");

    // Typing a length makes no password; Generate and the spin do.
    Control<wxTextCtrl>(Dlg::kLengthEdit)->SetValue("120");
    EXPECT_EQ(dialog->Result(), "AAAAA");
    Send(wxEVT_BUTTON, Dlg::kGenerateButton);
    EXPECT_EQ(dialog->Result(), std::string(120, 'A'));
    wxSpinEvent spin(wxEVT_SPIN, Dlg::kLengthSpin);
    spin.SetPosition(12);
    Control(Dlg::kLengthSpin)->GetEventHandler()->ProcessEvent(spin);
    EXPECT_EQ(dialog->Result(), std::string(12, 'A'));

    const std::string before = file;
    Send(wxEVT_BUTTON, wxID_CANCEL);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(file, before);
    // Enter in the length edit takes the password and writes the options.
    Send(wxEVT_TEXT_ENTER, Dlg::kLengthEdit);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_TRUE(LoadGeneratorOptions(profile).secure);
    EXPECT_EQ(LoadGeneratorOptions(profile).length, 12u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(PasswordGeneratorTest, QuoteRuleEnablingAndTheClassMessage) {
    dialog = new Dlg(nullptr, profile, random, prompt, true);
    EXPECT_EQ(Control(wxID_OK)->GetLabel(), "Copy to clipboard");
    auto* special = Control<wxTextCtrl>(Dlg::kSpecialCharsEdit);
    special->SetValue("a\"b");
    EXPECT_EQ(special->GetValue(), "ab");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Please do not use quotes."});
    special->SetValue("");
    EXPECT_FALSE(Control(Dlg::kUseSpecial)->IsEnabled());

    EXPECT_FALSE(Control(genid::kPrefix)->IsEnabled());
    Control<wxTextCtrl>(Dlg::kInsertTextEdit)->SetValue("pre");
    EXPECT_TRUE(Control(genid::kPrefix)->IsEnabled());
    Send(wxEVT_RADIOBUTTON, genid::kPrefix);
    EXPECT_EQ(dialog->Result(), "preAAAAA");

    Control<wxCheckBox>(Dlg::kUseLetters)->SetValue(false);
    Send(wxEVT_CHECKBOX, Dlg::kUseLetters);
    EXPECT_EQ(prompt.messages.back(),
              "Please select numbers, letters, or special characters for the password.");
    EXPECT_EQ(dialog->Result(), "preAAAAA");  // left as it was

    // OK needs a password; the box may be edited by hand.
    Control<wxTextCtrl>(Dlg::kPasswordEdit)->SetValue("");
    EXPECT_FALSE(Control(wxID_OK)->IsEnabled());
    Control<wxTextCtrl>(Dlg::kPasswordEdit)->SetValue("mine");
    Send(wxEVT_BUTTON, wxID_OK);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(dialog->Result(), "mine");
    EXPECT_FALSE(LoadGeneratorOptions(profile).useLetters);
}

TEST_F(PasswordGeneratorTest, ResultGoesToTheCellOrTheClipboard) {
    int answer = wxID_OK;
    test::ModalAnswer hook([&answer](wxDialog*) { return answer; });

    const auto cell = RunPasswordGenerator(nullptr, context, GeneratorUse::kCellEditor);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->size(), 8u);
    EXPECT_FALSE(clipboard.holdsText);
    const auto copied = RunPasswordGenerator(nullptr, context, GeneratorUse::kClipboard);
    ASSERT_TRUE(copied);
    EXPECT_EQ(clipboard.text, *copied);
    EXPECT_TRUE(context.clipboard.IsPending());  // cleared again after the delay
    answer = wxID_CANCEL;
    EXPECT_FALSE(RunPasswordGenerator(nullptr, context, GeneratorUse::kClipboard));
}

}  // namespace
}  // namespace vk
