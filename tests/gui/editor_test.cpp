// The editor window built from a real file: category columns, masking, the status line,
// sorting by the headers, the splitters kept in the settings, and folders and records dragged
// through the controls' handlers.
#include <wx/headerctrl.h>
#include <wx/splitter.h>

#include "core/editor/record_columns.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/record_grid_table.h"
#include "tests/gui/main_window_fixture.h"

namespace vk {
namespace {

class EditorTest : public test::MainWindowFixture {
  protected:
    CPasswordEditorDlg& Editor() { return *window->Editor(); }
    CFolderTreeCtrl& Tree() { return *Editor().Tree(); }
    CRecordListCtrl& Grid() { return *Editor().Grid(); }
    wxTreeItemId ItemOf(int folder) { return Tree().FindByFolderIndex(folder); }
    void Select(int folder) { Tree().SelectItem(ItemOf(folder)); }
    // The middle of a folder's line in the tree, in tree or screen pixels.
    wxPoint PointOf(int folder) {
        wxRect r;
        EXPECT_TRUE(Tree().GetBoundingRect(ItemOf(folder), r, true));
        return {r.x + r.width / 2, r.y + r.height / 2};
    }
    // Rows dragged from the shown folder and dropped with the left button on `folder`.
    void DragRecords(int row, int folder) {
        ASSERT_TRUE(Grid().BeginRecordDrag(row, false));
        Grid().DropRecordDrag(Tree().ClientToScreen(PointOf(folder)));
    }
    std::vector<wxString> ColumnTitles() {
        std::vector<wxString> titles;
        for (int c = 0; c < Grid().GetNumberCols(); ++c)
            titles.push_back(Grid().GetColLabelValue(c));
        return titles;
    }
    wxString Status(int pane) { return window->GetStatusBar()->GetStatusText(pane); }
    std::string UndoLabel() {
        window->UpdateMenus();
        return Item(cmd::kUndoFolders)->GetItemLabel().ToStdString();
    }
};

TEST_F(EditorTest, FoldersShowTheirCategoryColumnsMaskedAndCounted) {
    CPasswordEditorDlg& editor = OpenFile();
    // The first folder is shown at once, with the status line filled.
    EXPECT_EQ(Status(1), "Folder: Banking    Records: 2");
    EXPECT_EQ(Status(2), "Columns: Banking");
    EXPECT_EQ(ColumnTitles(), (std::vector<wxString>{"Description", "Credit card #", "Bank",
                                                     "Account", "Phone", "Date expires"}));
    EXPECT_EQ(editor.State().currentRow, 0);
    // Shown means sorted: ascending by the first column.
    EXPECT_EQ(Descriptions(0), (std::vector<std::string>{"Current", "Savings"}));

    Select(2);
    EXPECT_EQ(ColumnTitles(), (std::vector<wxString>{"Description", "Username", "Password"}));
    EXPECT_EQ(Grid().GetCellValue(0, 2), "*****");
    EXPECT_EQ(Grid().GetCellValue(1, 2), "*****");
    context.settings.mask = false;
    context.editorSettingsChanged();
    EXPECT_EQ(Grid().GetCellValue(0, 2), std::string(40, 'p'));  // "Forum" sorts first

    // A subfolder shows its top-level folder's columns; an empty one shows no rows.
    Select(1);
    EXPECT_EQ(Status(2), "Columns: Banking");
    Select(3);
    EXPECT_EQ(Grid().GetNumberRows(), 0);
    EXPECT_EQ(ColumnTitles(), (std::vector<wxString>{"Title", "Serial #"}));
    EXPECT_EQ(Status(1), "Folder: Software    Records: 0");
    EXPECT_FALSE(editor.Boxes()->Notes()->IsEnabled());

    // The category submenu names the categories and checks the shown folder's.
    Select(0);
    window->UpdateMenus();
    EXPECT_EQ(Item(cmd::kSetColumnsFirst + 2)->GetItemLabelText(), "Banking");
    EXPECT_TRUE(Item(cmd::kSetColumnsFirst + 2)->IsChecked());
    EXPECT_FALSE(Item(cmd::kSetColumnsFirst)->IsChecked());

    // The quick-access dialog can show a record in the editor.
    editor.JumpToRecord(2, 1, 1);
    EXPECT_EQ(Tree().GetSelection(), ItemOf(2));
    EXPECT_EQ(editor.State().currentRow, 1);
    EXPECT_EQ(editor.State().currentColumn, 1);

    // A new category is kept in the file, so the file is modified; its columns show at once.
    Select(0);
    ASSERT_TRUE(window->Commands().Execute(cmd::kSetColumnsFirst + 1));
    EXPECT_EQ(context.store.folders[0].category, 2);
    EXPECT_TRUE(context.store.modified);
    EXPECT_EQ(ColumnTitles().size(), 3u);
    Select(1);
    EXPECT_FALSE(window->Commands().IsEnabled(cmd::kSetColumnsFirst));  // not for a subfolder
}

TEST_F(EditorTest, FieldBoxesKeepTheirBytesAndStoreWhatIsDropped) {
    CPasswordEditorDlg& editor = OpenFile();
    CFieldBoxes& boxes = *editor.Boxes();
    // A dropped text counts as typed: the notes are stored at once, the file is modified.
    boxes.TakeDrop(boxes.Notes(), "dropped note");
    EXPECT_EQ(context.store.folders[0].records[0][kNotes], "dropped note");
    EXPECT_TRUE(context.store.modified);
    // The URL box keeps the 64 bytes the file holds, never half a character.
    boxes.TakeDrop(boxes.Url(), wxString::FromUTF8(std::string(63, 'a') + "\xC3\xA9"));
    EXPECT_EQ(CFieldBoxes::TextOf(boxes.Url()), std::string(63, 'a'));
    // The URL is stored when the record is left.
    editor.MoveToCell(1, 0);
    EXPECT_EQ(context.store.folders[0].records[0][kUrl], std::string(63, 'a'));
    EXPECT_TRUE(boxes.Url()->IsEmpty());
}

TEST_F(EditorTest, HeaderClicksSortRecordsAndFolders) {
    CPasswordEditorDlg& editor = OpenFile();
    Select(1);
    EXPECT_EQ(Descriptions(1), (std::vector<std::string>{"Amex", "Visa"}));
    editor.SortRecordsBy(0);  // the first click turns the order round
    EXPECT_EQ(Descriptions(1), (std::vector<std::string>{"Visa", "Amex"}));
    EXPECT_EQ(Grid().GetSortingColumn(), 0);
    EXPECT_FALSE(Grid().IsSortOrderAscending());
    editor.SortRecordsBy(0);
    EXPECT_EQ(Descriptions(1), (std::vector<std::string>{"Amex", "Visa"}));

    editor.SortFolders();  // descending: Software, Internet, Banking
    EXPECT_EQ(Tree().GetItemText(Tree().FirstTopLevel()), "Software");
    EXPECT_EQ(Tree().GetSelection(), ItemOf(1));  // the shown folder stays selected
    editor.SortFolders();
    EXPECT_EQ(Tree().GetItemText(Tree().FirstTopLevel()), "Banking");
}

TEST_F(EditorTest, SplitterPositionsAreKeptInTheSettings) {
    OpenFile();
    window->SetClientSize(900, 600);
    wxTheApp->ProcessPendingEvents();
    CPasswordEditorDlg& editor = Editor();
    editor.FolderSplitter()->SetSashPosition(260);
    editor.RecordSplitter()->SetSashPosition(250);
    editor.SaveSplitters();
    EXPECT_EQ(storage.values.at("Splitter1").substr(0, 6), "1,260,");
    auto reopen = [this] {
        window->Destroy();
        wxTheApp->ProcessIdle();
        Open().SetClientSize(900, 600);
        wxTheApp->ProcessPendingEvents();
    };
    reopen();
    EXPECT_EQ(Editor().FolderSplitter()->GetSashPosition(), 260);
    EXPECT_EQ(Editor().RecordSplitter()->GetSashPosition(), 250);

    // A rectangle without width leaves the bars where they start.
    storage.values["Splitter1"] = "1,300,500,300";
    reopen();
    EXPECT_NE(Editor().FolderSplitter()->GetSashPosition(), 300);
}

TEST_F(EditorTest, FolderDragMovesRefusesAndUndoes) {
    OpenFile();
    // Resting on a closed folder with subfolders opens it.
    Tree().BeginFolderDrag(ItemOf(3));
    Tree().WarpPointer(PointOf(0).x, PointOf(0).y);
    Tree().FolderDragMotion(PointOf(0));
    Tree().FolderDragTick();
    EXPECT_TRUE(Tree().IsExpanded(ItemOf(0)));
    Tree().DropFolder(PointOf(3));  // onto itself: nothing
    EXPECT_FALSE(context.store.undo.CanUndo());
    // Cards goes to Internet; the file's paths follow.
    Tree().BeginFolderDrag(ItemOf(1));
    ASSERT_TRUE(Tree().IsDraggingFolder());
    Tree().FolderDragMotion(PointOf(2));
    Tree().DropFolder(PointOf(2));
    EXPECT_EQ(context.store.folders[1].path, "Internet~Cards");
    EXPECT_TRUE(context.store.modified);
    EXPECT_EQ(Tree().GetSelection(), ItemOf(1));
    EXPECT_EQ(UndoLabel(), "&Undo move folder: Cards");

    // Onto its own child: refused with the message, nothing changes.
    Tree().BeginFolderDrag(ItemOf(2));
    Tree().DropFolder(PointOf(1));
    EXPECT_EQ(prompt.messages.back(), "A folder can't be dropped onto one of its children");
    EXPECT_EQ(context.store.folders[1].path, "Internet~Cards");

    // Onto its own parent: nothing changes and nothing is recorded.
    Tree().BeginFolderDrag(ItemOf(1));
    Tree().DropFolder(PointOf(2));
    EXPECT_EQ(context.store.undo.Count(), 1);

    ASSERT_TRUE(window->Commands().Execute(cmd::kUndoFolders));
    EXPECT_EQ(context.store.folders[1].path, "Banking~Cards");
    EXPECT_EQ(UndoLabel(), "&Undo");
    EXPECT_FALSE(Item(cmd::kUndoFolders)->IsEnabled());
}

TEST_F(EditorTest, HoldingAFolderNearTheTreeEdgeScrollsIt) {
    CPasswordStore s;
    s.filePath = "/d/Many.vk";
    s.loadComplete = true;
    for (int i = 0; i < 60; ++i) s.AddFolder("Folder " + std::to_string(i), 1);
    ASSERT_EQ(CPasswordFile(fs, prompt, dates).Save(s), 1);
    Open().Editor()->Files().Open(&s.filePath);
    // Inside the tree, a few pixels above its bottom edge: one tick moves a whole line on.
    const wxPoint nearBottom(PointOf(0).x, Tree().GetClientSize().y - 5);
    Tree().BeginFolderDrag(ItemOf(0));
    Tree().WarpPointer(nearBottom.x, nearBottom.y);
    Tree().FolderDragMotion(nearBottom);
    const wxTreeItemId first = Tree().GetFirstVisibleItem();
    Tree().FolderDragTick();
    EXPECT_NE(Tree().GetFirstVisibleItem(), first);
    Tree().DropFolder(wxPoint(-50, -50));
}

TEST_F(EditorTest, RecordDragsMoveCopyAndWarnBetweenCategories) {
    CPasswordEditorDlg& editor = OpenFile();
    int warnings = 0;
    bool goOn = false;
    editor.askCategoryWarning = [&](const std::string& from, const std::string& to, bool& off) {
        ++warnings;
        EXPECT_EQ(from, "Banking");
        EXPECT_EQ(to, "Internet");
        off = false;
        return goOn;
    };
    // The shown folder (Banking) holds Current, Savings; Cancel in the warning keeps them.
    DragRecords(1, 2);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(Descriptions(0).size(), 2u);
    EXPECT_FALSE(context.store.undo.CanUndo());

    goOn = true;
    DragRecords(1, 2);
    EXPECT_EQ(Descriptions(0), std::vector<std::string>{"Current"});
    EXPECT_EQ(Descriptions(2).back(), "Savings");
    EXPECT_TRUE(editor.State().selection.empty());
    EXPECT_EQ(Grid().GetNumberRows(), 1);

    // The right button offers Copy: the record stays and a copy goes along, same category.
    Grid().chooseDropAction = [] { return static_cast<int>(cmd::kDropCopy); };
    Tree().Expand(ItemOf(0));
    ASSERT_TRUE(Grid().BeginRecordDrag(0, true));
    Grid().RightDropRecordDrag(Tree().ClientToScreen(PointOf(1)));
    EXPECT_EQ(Descriptions(0), std::vector<std::string>{"Current"});
    EXPECT_EQ(Descriptions(1).back(), "Current");
    EXPECT_EQ(warnings, 2);
    EXPECT_EQ(context.store.undo.Latest()->label, "Copy records");

    // Dropping on the folder the records come from changes nothing.
    DragRecords(0, 0);
    EXPECT_EQ(context.store.undo.Count(), 2);
}

}  // namespace
}  // namespace vk
