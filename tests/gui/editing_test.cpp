// Editing in the editor window with real key presses on the test display: what is typed is
// what the saved file holds; folders are named, renamed and deleted; records are cut and
// deleted; search finds what it should.
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "core/editor/editor_messages.h"
#include "gui/editor/cell_editors.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/search_dlg.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/main_window_fixture.h"

namespace vk {
namespace {

class EditingTest : public test::MainWindowFixture {
  protected:
    // The pointer goes back where it was: other tests' keys go where it is.
    ~EditingTest() override { keys.MouseMove(pointer); }

    CPasswordEditorDlg& Start(int folder) {
        CPasswordEditorDlg& editor = OpenFile();
        window->Raise();
        // Keys go where the pointer is while no window manager runs.
        keys.MouseMove(window->GetScreenRect().GetPosition() + wxPoint(40, 120));
        test::RunEvents(200);
        editor.Tree()->SelectItem(editor.Tree()->FindByFolderIndex(folder));
        editor.Grid()->SetFocus();
        EXPECT_TRUE(test::Until([&] {
            wxWindow* focus = wxWindow::FindFocus();
            return focus && (focus == editor.Grid() || editor.Grid()->IsDescendant(focus));
        }));
        return editor;
    }
    // Keys go to the display; each is handled before the next.
    void Press(int key, int modifiers = wxMOD_NONE) {
        keys.Char(key, modifiers);
        Settle();
    }
    void Type(const char* text) {
        keys.Text(text);
        Settle();
    }
    static void Settle() { test::RunEvents(50); }
    // The file as another run of the program reads it.
    CPasswordStore Saved() {
        CPasswordStore s;
        s.filePath = context.store.filePath;
        EXPECT_EQ(CPasswordFile(fs, prompt, dates).Load(s), 1);
        return s;
    }
    std::vector<std::string> Paths(const CPasswordStore& s) {
        std::vector<std::string> out;
        for (const CFolder& f : s.folders) out.push_back(f.path);
        return out;
    }
    wxUIActionSimulator keys;
    const wxPoint pointer = wxGetMousePosition();
};

TEST_F(EditingTest, WhatIsTypedIsWhatTheFileHolds) {
    CPasswordEditorDlg& editor = Start(2);  // Internet: Description, Username, Password
    Press(WXK_INSERT);
    ASSERT_EQ(editor.CellEditors().Open(), CCellEditors::Kind::kText);
    // Thirty-two bytes of two-byte letters: the Description keeps fifteen of them.
    std::string e16;
    for (int i = 0; i < 16; ++i) e16 += "\xC3\xA9";
    editor.CellEditors().TextBox()->WriteText(wxString::FromUTF8(e16));
    Press(WXK_TAB);
    Type("bob");
    Press(WXK_TAB);
    EXPECT_EQ(editor.CellEditors().Open(), CCellEditors::Kind::kNone);  // Tab moved only
    Type("s3cret=x");
    Press(WXK_RETURN);
    EXPECT_EQ(wxWindow::FindFocus(), editor.Boxes()->Url());
    Type("https://x.example");
    Press(WXK_TAB);
    Type("bob@x.example");
    Press(WXK_TAB);
    Type("one");
    Press(WXK_RETURN);
    Type("two");
    Press(WXK_TAB);
    EXPECT_EQ(wxWindow::FindFocus(), editor.Tree());
    Press('S', wxMOD_CONTROL);
    EXPECT_FALSE(context.store.modified);

    const CPasswordStore saved = Saved();
    const CRecordList& records = saved.folders[2].records;
    ASSERT_EQ(records.size(), 3u);
    const CRecord& r = records[2];
    EXPECT_EQ(r[kDescription], e16.substr(0, 30));
    EXPECT_EQ(r[kUsername], "bob");
    EXPECT_EQ(r[kPassword], "s3cret=x");
    EXPECT_EQ(r[kUrl], "https://x.example");
    EXPECT_EQ(r[kEmail], "bob@x.example");
    EXPECT_EQ(r[kNotes], "one\r\ntwo");

    // Shift+Tab goes back through the boxes; from the tree Tab comes back into the grid.
    Press(WXK_TAB);
    EXPECT_EQ(editor.State().currentColumn, 0);
    Press(WXK_TAB, wxMOD_SHIFT);
    EXPECT_EQ(wxWindow::FindFocus(), editor.Tree());
}

TEST_F(EditingTest, FoldersAreNamedRenamedDeletedAndUndoneWithKeys) {
    CPasswordEditorDlg& editor = Start(0);
    // A new subfolder is named in place, then shows one blank record open for typing.
    ASSERT_TRUE(window->Commands().Execute(cmd::kAddSubfolder));
    Settle();
    Type("Loans");
    Press(WXK_RETURN);
    Settle();
    EXPECT_EQ(editor.Tree()->GetItemText(editor.Tree()->GetSelection()), "Loans");
    EXPECT_EQ(context.store.folders.back().path, "Banking~Loans");
    EXPECT_EQ(context.store.folders.back().category, 3);
    EXPECT_EQ(editor.CellEditors().Open(), CCellEditors::Kind::kText);
    Press(WXK_ESCAPE);
    // "New folder" confirmed as it stands is a name like any other; Esc drops the new folder.
    ASSERT_TRUE(window->Commands().Execute(cmd::kAddFolder));
    Settle();
    Press(WXK_RETURN);
    Settle();
    EXPECT_EQ(context.store.folders.back().path, "New folder");
    Press(WXK_ESCAPE);
    const std::size_t folders = context.store.folders.size();
    ASSERT_TRUE(window->Commands().Execute(cmd::kAddFolder));
    Settle();
    Press(WXK_ESCAPE);
    Settle();
    EXPECT_EQ(context.store.folders.size(), folders);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages[0];

    // F2 renames; the name of a sibling is refused, the same name is fine and changes nothing.
    editor.Tree()->SelectItem(editor.Tree()->FindByFolderIndex(1));
    editor.Tree()->SetFocus();
    Press(WXK_F2);
    Type("Loans");
    Press(WXK_RETURN);
    Settle();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], msg::kFolderNameTaken);
    EXPECT_EQ(context.store.folders[1].path, "Banking~Cards");
    Press(WXK_F2);
    Type("Plastic");
    Press(WXK_RETURN);
    Settle();
    EXPECT_EQ(context.store.folders[1].path, "Banking~Plastic");

    // Delete in the tree asks first; No keeps the folder, Yes deletes it with its subfolders.
    editor.Tree()->SelectItem(editor.Tree()->FindByFolderIndex(0));
    editor.Tree()->SetFocus();
    prompt.answers = {MessageResult::kNo, MessageResult::kYes};
    Press(WXK_DELETE);
    EXPECT_TRUE(context.store.folders[0].inUse);
    Press(WXK_DELETE);
    EXPECT_EQ(prompt.messages.back(),
              "Are you sure you want to delete the Banking folder\nincluding all subfolders and "
              "passwords?");
    EXPECT_FALSE(context.store.folders[1].inUse);
    Press('S', wxMOD_CONTROL);
    EXPECT_EQ(Paths(Saved()), (std::vector<std::string>{"Internet", "Software", "New folder"}));
    Press('Z', wxMOD_CONTROL);  // the deletion, then the rename, come back
    Press('Z', wxMOD_CONTROL);
    Press('S', wxMOD_CONTROL);
    EXPECT_EQ(Paths(Saved()), (std::vector<std::string>{"Banking", "Banking~Cards", "Banking~Loans",
                                                        "Internet", "Software", "New folder"}));
}

TEST_F(EditingTest, DeleteCutsOrDeletesAndSearchFindsItems) {
    CPasswordEditorDlg& editor = Start(2);  // Forum, then Mail
    // On a record with text Delete cuts the cell: its text goes to the clipboard.
    Press(WXK_DELETE);
    EXPECT_EQ(clipboard.text, "Forum");
    EXPECT_EQ(context.store.folders[2].records.size(), 2u);
    // An empty record goes without a question; the others only after Yes.
    Press(WXK_INSERT);
    Press(WXK_ESCAPE);
    Press(WXK_DELETE);
    EXPECT_EQ(context.store.folders[2].records.size(), 2u);
    EXPECT_TRUE(prompt.messages.empty());
    prompt.answers = {MessageResult::kYes};
    ASSERT_TRUE(window->Commands().Execute(cmd::kDeleteItem));
    EXPECT_EQ(prompt.messages.back(), "Are you sure you want to delete the information for Mail ?");
    EXPECT_EQ(context.store.folders[2].records.size(), 1u);
    Press('Z', wxMOD_CONTROL);
    EXPECT_EQ(context.store.folders[2].records.size(), 2u);

    // Find next goes through the folders in tree order and cycles; a match in a box selects it.
    auto search = [&](const char* text, int times) {
        editor.showSearchDialog = [text, times](CSearchDlg& dialog) {
            dialog.TextBox()->SetValue(text);
            for (int i = 0; i < times; ++i) dialog.FindNext();
        };
        ASSERT_TRUE(window->Commands().Execute(cmd::kSearchItems));
    };
    search("a", 2);
    EXPECT_EQ(editor.Tree()->GetSelection(), editor.Tree()->FindByFolderIndex(0));
    EXPECT_EQ(context.store.itemHistory, (std::vector<std::string>{"a"}));
    context.store.folders[3].records.push_back(CRecord());
    context.store.folders[3].records.Mutable()[0][kNotes] = "zz note";
    search("ZZ", 1);
    EXPECT_EQ(editor.Tree()->GetSelection(), editor.Tree()->FindByFolderIndex(3));
    EXPECT_EQ(wxWindow::FindFocus(), editor.Boxes()->Notes());
    EXPECT_EQ(editor.State().currentColumn, -1);
    search("nowhere", 1);
    EXPECT_EQ(prompt.messages.back(), "Search item was not found.");
}

}  // namespace
}  // namespace vk
