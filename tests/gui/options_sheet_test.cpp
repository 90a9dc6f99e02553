// The options sheet over real settings in a temporary configuration folder: its handlers,
// its keys, and what OK and Cancel leave in the settings file and the running program.
#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/uiaction.h>

#include <map>
#include <memory>

#include "core/app/command_ids.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/tools/options_column_names_page.h"
#include "gui/tools/options_column_settings_page.h"
#include "gui/tools/options_icon_picker.h"
#include "gui/tools/options_ids.h"
#include "gui/tools/options_prop_sheet.h"
#include "gui/ui/help_book.h"
#include "gui/ui/wx_date_format.h"
#include "gui/ui/wx_text.h"
#include "platform/wx/wx_config_storage.h"
#include "tests/gui/gui_events.h"
#include "tests/support/counted_effects.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/null_services.h"
#include "tests/support/process.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

// Values the pages leave alone unless the user touches them: unusual names, a stored column
// order, an icon outside the table, a transparency below the slider's range.
const char kStoredSettings[] =
    "Init=0\n"
    "CategoryName1=R&D\\tlab\n"
    "Columns4=4,3,-1,-1,-1,-1,-1,-1,-1,-1,-1,\n"
    "ColumnName5=A column name far longer than the thirty-two bytes an edit takes\n"
    "ColumnIcon3=99999999999\n"
    "Transparency=50\n";

class OptionsSheetTest : public ::testing::Test {
  protected:
    OptionsSheetTest() {
        test::WriteFileBytes(dir.File("Vaultkeep.conf"), kStoredSettings);
        storage = std::make_unique<CWxConfigStorage>();
        context =
            std::make_unique<CAppContext>(*storage, fs, prompt, dates, clipboard, clock, "/p/");
        context->settingsStore.LoadSettings(context->settings);
        test::CountEffects(*context, applied);
    }
    ~OptionsSheetTest() override {
        if (sheet) sheet->Destroy();
        wxTheApp->ProcessIdle();
    }
    COptionsPropSheet& Open() {
        sheet = new COptionsPropSheet(nullptr, *context);
        sheet->Show();
        test::RunEvents();
        return *sheet;
    }
    static bool FocusReaches(wxWindow* window) {
        return test::Until([window] { return wxWindow::FindFocus() == window; });
    }
    static void Click(wxWindow* control, wxEventType type) {
        test::Click(control, control->GetId(), type);
    }
    static void Toggle(wxCheckBox* box) { test::Tick(box, !box->GetValue()); }
    std::string ConfFile() const { return test::ReadFileBytes(dir.File("Vaultkeep.conf")); }

    test::TempDir dir;
    test::ScopedEnv configHome{"XDG_CONFIG_HOME", dir.path()};
    std::unique_ptr<CWxConfigStorage> storage;
    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    CWxDateFormat dates;
    test::NullClipboard clipboard;
    test::NullClock clock;
    std::unique_ptr<CAppContext> context;
    std::map<std::string, int> applied;
    COptionsPropSheet* sheet = nullptr;
};

TEST_F(OptionsSheetTest, OkKeepsTypedNamesAndWhatThePagesDidNotTouch) {
    COptionsPropSheet& s = Open();
    CColumnSettingsPage* columns = s.ColumnSettings();
    // The stored order of category 4 shows as its boxes and stays until one is clicked.
    Click(columns->CategoryButton(4), wxEVT_TOGGLEBUTTON);
    EXPECT_TRUE(columns->ColumnBox(kSerial)->IsChecked());
    EXPECT_TRUE(columns->CategoryButton(4)->GetValue());
    EXPECT_FALSE(columns->CategoryButton(1)->GetValue());
    EXPECT_EQ(columns->CategoryButton(2)->GetLabel(), "R&&D lab");

    Click(columns->CategoryButton(1), wxEVT_TOGGLEBUTTON);
    for (int field : {kDescription, kUsername, kPassword, kDateAssigned})
        Toggle(columns->ColumnBox(field));
    // The last column cannot go: the message, and the box checked again.
    Toggle(columns->ColumnBox(kDateExpires));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"You must select at least one column"});
    EXPECT_TRUE(columns->ColumnBox(kDateExpires)->IsChecked());
    // Typed but never left: OK still takes it.
    wxStaticCast(s.FindWindow(optid::kCategoryName), wxTextCtrl)->SetValue("Web & Mail");

    CColumnNamesPage* names = s.ColumnNames();
    Click(names->IconButton(kPassword), wxEVT_BUTTON);
    EXPECT_EQ(names->PasswordMessage(), "You cannot change the icon for passwords");
    Click(names->IconButton(kDateAssigned), wxEVT_BUTTON);
    EXPECT_EQ(names->PasswordMessage(), "");
    EXPECT_EQ(names->DateMessage(), "You cannot change the icon for dates");
    Click(names->IconButton(kBank), wxEVT_BUTTON);
    EXPECT_TRUE(names->Picker()->IsShown());
    EXPECT_EQ(names->Picker()->GetSelection(), 6);
    names->Picker()->SetSelection(1);
    Click(names->Picker(), wxEVT_COMBOBOX);
    // 31 bytes, then a two-byte character that does not fit into 32: it is left out whole.
    names->NameEdit(kBank)->SetValue("Bank" + wxString('x', 27) + wxString::FromUTF8("\xC3\xA9z"));
    EXPECT_EQ(FromWx(names->NameEdit(kBank)->GetValue()), "Bank" + std::string(27, 'x'));

    s.Confirm();
    CSettings back;
    CWxConfigStorage reread;
    CSettingsStore(reread, prompt, [](const std::string&) { return true; }).LoadSettings(back);
    EXPECT_EQ(back.categoryNames[0], "Web & Mail");
    EXPECT_EQ(back.columnSets[0], ParseColumnSet("10,"));
    EXPECT_EQ(back.columnIcons[kBank], 183);
    EXPECT_EQ(back.columnNames[kBank], "Bank" + std::string(27, 'x'));
    EXPECT_EQ(back.categoryNames[1], "R&D\tlab");
    EXPECT_EQ(back.columnSets[3], ParseColumnSet("4,3,"));
    EXPECT_EQ(back.columnNames[5], context->settings.columnNames[5]);
    EXPECT_EQ(back.columnIcons[3], context->settings.columnIcons[3]);
    EXPECT_EQ(back.transparency, 50u);
    EXPECT_EQ(applied["quick"], 1);
}

TEST_F(OptionsSheetTest, KeyboardChangesPagesFocusesTheFirstControlAndEnterIsOk) {
    wxUIActionSimulator keys;
    // Esc forgets a change and writes nothing; the effects' rollback is checked in the core.
    Open().Raise();
    EXPECT_EQ(HelpContext().Current(), 1010);
    EXPECT_TRUE(FocusReaches(sheet->FindWindow(optid::kClearClipboard)));
    keys.Char(' ');
    keys.Char(WXK_ESCAPE);
    EXPECT_TRUE(test::Until([this] { return !sheet->IsShown(); }));
    EXPECT_FALSE(context->settings.clearClipboard);
    EXPECT_EQ(ConfFile(), kStoredSettings);
    sheet->Destroy();

    COptionsPropSheet& s = Open();
    s.Raise();
    EXPECT_TRUE(FocusReaches(s.FindWindow(optid::kClearClipboard)));
    keys.Char(WXK_PAGEDOWN, wxMOD_CONTROL);
    EXPECT_TRUE(FocusReaches(s.FindWindow(optid::kShowTrayIcon)));
    EXPECT_EQ(s.Book()->GetSelection(), 1);
    keys.Char(WXK_PAGEDOWN, wxMOD_CONTROL);
    EXPECT_TRUE(FocusReaches(s.FindWindow(optid::kCategoryName)));
    keys.Text("Cards");
    keys.Char(WXK_TAB);
    EXPECT_TRUE(FocusReaches(s.ColumnSettings()->ColumnBox(kDescription)));
    keys.Char(' ');
    keys.Char(WXK_RETURN);
    EXPECT_TRUE(test::Until([&s] { return !s.IsShown(); }));
    EXPECT_NE(ConfFile().find("CategoryName0=Cards"), std::string::npos);
    EXPECT_NE(ConfFile().find("Columns1=1,2,9,10,"), std::string::npos);
}

}  // namespace
}  // namespace vk
