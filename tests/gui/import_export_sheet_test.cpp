// The Import/Export sheet on the test display: its lists and arrows, the one tick of the
// Import page, and an export and an import run through the pages' handlers and the commands.
#include <gtest/gtest.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>

#include "core/app/command_ids.h"
#include "gui/app/command_table.h"
#include "gui/tools/import_export_commands.h"
#include "gui/tools/import_export_pages.h"
#include "gui/tools/import_export_tree.h"
#include "gui/ui/help_book.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/modal_answer.h"
#include "tests/gui/test_app_context.h"

namespace vk {
namespace {

using test::Click;

class ImportExportSheetTest : public ::testing::Test, protected test::TestAppContext {
  protected:
    ImportExportSheetTest() {
        context.store.AddFolder("Internet", 2);
        context.store.AddFolder("Internet~Mail", 2);
        context.store.AddFolder("Banking", 3);
        context.store.folders[1].records.emplace_back();
        context.store.folders[1].records[0][kDescription] = "Webmail";
        context.store.folders[1].records[0][kPassword] = "pw";
        context.tree.BuildFrom(context.store);
    }
    ~ImportExportSheetTest() override { wxTheApp->ProcessIdle(); }

    std::unique_ptr<CImportExportPropSheet> Open(CImportExportPropSheet::Page page) {
        auto sheet = std::make_unique<CImportExportPropSheet>(nullptr, context, page);
        sheet->pickFile = [this](wxWindow*, ExchangeFile kind) -> std::optional<std::string> {
            picked.push_back(kind);
            return kind == ExchangeFile::kExport ? "/out.csv" : "/in.csv";
        };
        sheet->Show();  // its help topic holds while it is on screen
        return sheet;
    }
    static void Choose(wxListBox* list, int index) {
        list->SetSelection(index);
        test::Click(list, list->GetId(), wxEVT_LISTBOX, index);
    }

    std::vector<ExchangeFile> picked;
};

TEST_F(ImportExportSheetTest, ImportPageListsArrowsAndOneTick) {
    context.settings.columnNames[kTitle] = "";
    const int topicBefore = HelpContext().Current();
    auto sheet = Open(CImportExportPropSheet::kImportPage);
    EXPECT_EQ(sheet->GetTitle(), "Import/Export");
    EXPECT_EQ(sheet->Tabs()->GetSelection(), 1);
    EXPECT_EQ(HelpContext().Current(), 1012);
    CImportPage* page = sheet->Import();
    ASSERT_EQ(page->FieldList()->GetCount(), 15u);
    EXPECT_EQ(page->FieldList()->GetString(0), "Skip field");
    EXPECT_EQ(page->FieldList()->GetString(4), "Title");  // the default for an empty name
    EXPECT_FALSE(page->ImportButton()->IsEnabled());
    EXPECT_FALSE(page->ShowsFullArrows());
    EXPECT_FALSE(page->SkipCount()->IsEnabled());

    Click(page, kIdAddArrow);  // "Skip field" is copied
    Choose(page->FieldList(), 3);
    Click(page, kIdAddArrow);  // Password moves over
    EXPECT_EQ(page->OrderList()->GetCount(), 2u);
    EXPECT_EQ(page->OrderList()->GetString(1), "Password");
    EXPECT_EQ(page->FieldList()->GetCount(), 14u);
    EXPECT_EQ(page->FieldList()->GetStringSelection(), "Title");
    EXPECT_TRUE(page->ImportButton()->IsEnabled());
    EXPECT_TRUE(page->ShowsFullArrows());
    Click(page, kIdUpArrow);
    EXPECT_EQ(page->OrderList()->GetString(0), "Password");
    Click(page, kIdRemoveArrow);
    Click(page, kIdRemoveArrow);
    EXPECT_EQ(page->OrderList()->GetCount(), 0u);
    EXPECT_EQ(page->FieldList()->GetString(14), "Password");
    EXPECT_FALSE(page->ImportButton()->IsEnabled());

    page->SkipLines()->SetValue(true);
    page->Press(kIdSkipLines);
    EXPECT_TRUE(page->SkipCount()->IsEnabled());

    CCheckFolderTree* tree = page->Tree();
    tree->ClickBox(tree->FindFolder(0));
    tree->ClickBox(tree->FindFolder(2));
    EXPECT_EQ(tree->TickedFolders(3), (std::vector<bool>{false, false, true}));

    sheet->Tabs()->SetSelection(0);
    EXPECT_EQ(HelpContext().Current(), 1018);
    sheet.reset();
    EXPECT_EQ(HelpContext().Current(), topicBefore);
}

TEST_F(ImportExportSheetTest, ExportAndImportThroughThePages) {
    auto sheet = Open(CImportExportPropSheet::kExportPage);
    EXPECT_EQ(HelpContext().Current(), 1018);
    CExportPage* out = sheet->Export();
    EXPECT_TRUE(out->FieldBox(kNotes)->GetValue());
    EXPECT_FALSE(out->FolderNames()->GetValue());
    EXPECT_FALSE(out->Heading()->GetValue());
    Click(out, kIdSelectNoFields);
    out->FieldBox(kDescription)->SetValue(true);
    out->FieldBox(kPassword)->SetValue(true);
    out->FolderNames()->SetValue(true);
    Click(out, kIdSelectNoFolders);
    out->Tree()->ClickBox(out->Tree()->FindFolder(1));

    wxString warning;
    test::ModalAnswer answer([&](wxDialog* dialog) {
        warning = dialog->GetTitle();
        return wxID_OK;
    });
    fs.failAppendAt = 1;
    EXPECT_FALSE(out->ExportFile());
    EXPECT_EQ(answer.count, 0);  // no "Export Complete" after a failure
    EXPECT_EQ(prompt.messages.size(), 1u);
    fs.failAppendAt = 0;
    ASSERT_TRUE(out->ExportFile());
    EXPECT_EQ(fs.files["/out.csv"], "\"Internet\\Mail\",\"Webmail\",\"pw\"\r\n");
    EXPECT_EQ(answer.count, 1);
    EXPECT_EQ(warning, "Export");

    CImportPage* in = sheet->Import();
    fs.files["/in.csv"] = "a,b\r\nc,d\r\n";
    EXPECT_FALSE(in->ImportFile());
    EXPECT_EQ(prompt.messages.back(), "You must select a folder to import to.");
    EXPECT_EQ(picked.size(), 2u);  // no file was asked for
    in->Tree()->ClickBox(in->Tree()->FindFolder(2));
    Choose(in->FieldList(), 1);
    Click(in, kIdAddArrow);
    ASSERT_TRUE(in->ImportFile());
    EXPECT_EQ(prompt.messages.back(), "2 records were imported.");
    ASSERT_EQ(context.store.folders[2].records.size(), 2u);
    EXPECT_EQ(context.store.folders[2].records[1][kDescription], "c");
    EXPECT_TRUE(sheet->Imported());
}

TEST_F(ImportExportSheetTest, CommandsOpenThePageTheyNameAndRefreshAfterAnImport) {
    CCommandTable commands;
    AddImportExportCommands(commands, context, nullptr);
    int refreshed = 0;
    context.editorSettingsChanged = [&] { ++refreshed; };
    context.quickAccessChanged = [&] { ++refreshed; };
    fs.files["/in.csv"] = "x\r\n";
    std::vector<int> pages;
    test::ModalAnswer answer([&](wxDialog* dialog) {
        auto* sheet = dynamic_cast<CImportExportPropSheet*>(dialog);
        if (!sheet) return wxID_OK;
        pages.push_back(sheet->Tabs()->GetSelection());
        if (sheet->Tabs()->GetSelection() == 1) {
            sheet->pickFile = [](wxWindow*, ExchangeFile) { return std::string("/in.csv"); };
            sheet->Import()->Tree()->ClickBox(sheet->Import()->Tree()->FindFolder(0));
            Click(sheet->Import(), kIdAddArrow);
            sheet->Import()->ImportFile();
        }
        return wxID_CANCEL;
    });
    EXPECT_TRUE(commands.Execute(cmd::kExport));
    EXPECT_EQ(refreshed, 0);
    EXPECT_TRUE(commands.Execute(cmd::kImportButton));
    EXPECT_EQ(pages, (std::vector<int>{0, 1}));
    EXPECT_EQ(refreshed, 2);
    EXPECT_TRUE(context.store.modified);
}

}  // namespace
}  // namespace vk
