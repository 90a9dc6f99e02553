// The record grid's rules: sorting, columns and cell texts, record drops, enabling, cell looks,
// selection by click, moving the current cell, and the autocomplete list.
#include <gtest/gtest.h>

#include "core/app/command_ids.h"
#include "core/editor/auto_complete.h"
#include "core/editor/editor_rules.h"
#include "core/editor/record_columns.h"
#include "core/editor/record_drop.h"
#include "core/editor/record_sort.h"
#include "core/settings/settings.h"
#include "core/shell/date_text.h"
#include "tests/support/folder_fixture.h"

namespace vk {
namespace {

SystemTime Day(int y, int m, int d) {
    SystemTime t;
    t.year = static_cast<std::uint16_t>(y);
    t.month = static_cast<std::uint16_t>(m);
    t.day = static_cast<std::uint16_t>(d);
    return t;
}

TEST(RecordSortTest, TextIgnoresCaseDatesAreDatesBlanksStayLast) {
    test::FolderFixture f;
    f.Add("F", 1, {"beta", "", "Alpha", "gamma", "alpha"});
    auto& records = f.store.folders[0].records;
    EXPECT_TRUE(SortRecords(records, kDescription, false));
    EXPECT_EQ(f.Descriptions(0), (std::vector<std::string>{"Alpha", "alpha", "beta", "gamma", ""}));
    EXPECT_TRUE(SortRecords(records, kDescription, true));
    EXPECT_EQ(f.Descriptions(0), (std::vector<std::string>{"gamma", "beta", "Alpha", "alpha", ""}));

    // Dates: 2 March 2024 before 10 January 2025, although "10/01" < "2/03" as text.
    records.Mutable()[0].dateExpires = Day(2025, 1, 10);
    records.Mutable()[1].dateExpires = Day(2024, 3, 2);
    EXPECT_TRUE(SortRecords(records, kDateExpires, false));
    EXPECT_EQ(f.Descriptions(0).front(), "Alpha");  // no date sorts first
    EXPECT_EQ(f.Descriptions(0)[3], "gamma");

    // In order already: nothing is written, so the list stays shared with an undo step.
    const CRecordList before = records;
    EXPECT_FALSE(SortRecords(records, kDateExpires, false));
    EXPECT_TRUE(records.SharesWith(before));
}

TEST(RecordColumnsTest, ColumnsCellTextsMaskingAndExpiry) {
    CSettings settings;
    settings.columnNames[kUsername] = "Login";
    const auto internet = GridColumnsFor(settings, 2);
    ASSERT_EQ(internet.size(), 3u);
    EXPECT_EQ(internet[1].field, kUsername);
    EXPECT_EQ(internet[1].title, "Login");
    EXPECT_EQ(GridColumnsFor(settings, 4).size(), 2u);
    EXPECT_EQ(GridColumnsFor(settings, 9).size(), 5u);  // counts as Default
    settings.columnSets[1].fill(kEmptySlot);
    EXPECT_TRUE(GridColumnsFor(settings, 2).empty());

    CLocaleDateFormat dates(std::locale::classic());
    CRecord r;
    for (const std::string& pw : {std::string("x"), std::string(40, 'y'), std::string()}) {
        r[kPassword] = pw;
        EXPECT_EQ(CellText(r, kPassword, true, dates), pw.empty() ? "" : "*****");
        EXPECT_EQ(CellText(r, kPassword, false, dates), pw);
    }
    const SystemTime now = Day(2024, 6, 15);
    r.dateExpires = Day(2024, 6, 14);
    EXPECT_FALSE(CellText(r, kDateExpires, true, dates).empty());
    EXPECT_TRUE(IsExpiredCell(r, kDateExpires, now));
    EXPECT_FALSE(IsExpiredCell(r, kDateAssigned, now));
    r.dateExpires = Day(2024, 6, 16);
    EXPECT_FALSE(IsExpiredCell(r, kDateExpires, now));
    r.dateExpires = SystemTime{};
    EXPECT_FALSE(IsExpiredCell(r, kDateExpires, now));
    EXPECT_EQ(CellText(r, kDateExpires, true, dates), "");
}

TEST(RecordDropTest, MoveTakesOutCopyFillsTheBlankLastRecordAndNoTargetChangesNothing) {
    test::FolderFixture f;
    f.Add("Bank", 3, {"one", "two", "three", "four"});
    f.Add("Mail", 2, {"kept", ""});
    f.Add("Bank~Cards", 3);
    EXPECT_FALSE(DropRecords(f.store, 0, 0, {1}, false));
    EXPECT_FALSE(DropRecords(f.store, 0, 7, {1}, false));
    EXPECT_FALSE(DropRecords(f.store, 0, 1, {12}, false));
    EXPECT_FALSE(f.store.undo.CanUndo());
    EXPECT_FALSE(f.store.modified);
    EXPECT_TRUE(CategoriesDiffer(f.tree, f.store, 0, 1));
    EXPECT_FALSE(CategoriesDiffer(f.tree, f.store, 0, 2));

    ASSERT_TRUE(DropRecords(f.store, 0, 2, {3, 1}, false));
    EXPECT_EQ(f.Descriptions(2), (std::vector<std::string>{"four", "two"}));
    EXPECT_EQ(f.Descriptions(0), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(f.store.undo.Latest()->label, "Move records");
    EXPECT_TRUE(f.store.modified);

    // Repeated rows go once, rows past the end not at all.
    EXPECT_EQ(RowsToDrop({2, 0, 2, 3, 9}, 4), (std::vector<int>{2, 0, 3}));
    ASSERT_TRUE(DropRecords(f.store, 0, 1, {1, 0, 1}, true));
    EXPECT_EQ(f.Descriptions(1), (std::vector<std::string>{"kept", "three", "one"}));
    EXPECT_EQ(f.Descriptions(0).size(), 2u);
    EXPECT_EQ(f.store.undo.Latest()->label, "Copy records");
}

TEST(EditorRulesTest, EnablingFollowsTheFileFoldersAndRecords) {
    EditorFacts noFolders;
    noFolders.filePresent = true;
    EditorFacts full{true, true, true, true, true, false, true};
    const struct {
        int id;
        bool withoutFolders;
        bool withEverything;
    } cases[] = {
        {cmd::kAddFolder, true, true},     {cmd::kAddSubfolder, false, true},
        {cmd::kRenameFolder, false, true}, {cmd::kAddItem, false, true},
        {cmd::kDeleteItem, false, true},   {cmd::kReport, false, true},
        {cmd::kLaunchUrl, false, true},    {cmd::kSendEmail, false, false},
        {control::kNotesBox, false, true}, {cmd::kSave, true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsEnabledInEditor(c.id, noFolders), c.withoutFolders) << c.id;
        EXPECT_EQ(IsEnabledInEditor(c.id, full), c.withEverything) << c.id;
    }
    full.recordsExist = false;
    EXPECT_FALSE(IsEnabledInEditor(cmd::kEditItem, full));
    full.filePresent = false;
    EXPECT_FALSE(IsEnabledInEditor(cmd::kAddFolder, full));
    EXPECT_TRUE(IsEnabledInEditor(cmd::kAddItem, full));
}

TEST(EditorRulesTest, CellLooks) {
    const CellStyle plain{}, bright{CellGround::kHighlight, CellInk::kHighlightText},
        dim{CellGround::kButtonFace, CellInk::kButtonText};
    CEditorState s;
    s.currentRow = 1;
    s.currentColumn = 2;
    EXPECT_EQ(StyleOfCell(s, 1, 2, true, false), bright);
    EXPECT_EQ(StyleOfCell(s, 1, 2, false, false), dim);
    EXPECT_EQ(StyleOfCell(s, 1, 1, true, false), plain);
    EXPECT_EQ(StyleOfCell(s, 0, 0, true, true).ink, CellInk::kRed);
    s.selection = {0, 3};
    EXPECT_EQ(StyleOfCell(s, 3, 0, true, false), bright);
    EXPECT_EQ(StyleOfCell(s, 1, 2, true, false), plain);  // no current cell in a multi-selection
    s.deleteHighlight = DeleteHighlight::kRecords;
    EXPECT_EQ(StyleOfCell(s, 1, 0, true, false).ink, CellInk::kRed);
    EXPECT_EQ(StyleOfCell(s, 2, 0, true, false).ink, CellInk::kWindowText);
    EXPECT_EQ(StyleOfCell(s, 1, 2, true, true).ink, CellInk::kWhite);
    s.deleteHighlight = DeleteHighlight::kFolder;
    EXPECT_EQ(StyleOfCell(s, 2, 0, true, false).ink, CellInk::kRed);
}

TEST(EditorRulesTest, ClicksPickRows) {
    using V = std::vector<unsigned>;
    EXPECT_EQ(SelectionAfterClick({1, 2}, 4, 0, ClickKind::kPlain), V{});
    EXPECT_EQ(SelectionAfterClick({7}, 4, 2, ClickKind::kShift), (V{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(SelectionAfterClick({}, 4, 2, ClickKind::kCtrl), (V{4, 2}));
    EXPECT_EQ(SelectionAfterClick({4, 2}, 2, 2, ClickKind::kCtrl), (V{4}));
}

TEST(EditorRulesTest, KeysAndWheelMoveTheCurrentCell) {
    const struct {
        GridKey key;
        bool ctrl;
        int row, column;
        GridMove::Action action;
        int toRow, toColumn;
    } cases[] = {
        {GridKey::kUp, false, 0, 1, GridMove::kNone, -1, -1},
        {GridKey::kDown, false, 9, 1, GridMove::kAddRecord, 9, 1},
        {GridKey::kLeft, false, 3, 0, GridMove::kMove, 2, 2},
        {GridKey::kLeft, false, 0, 0, GridMove::kNone, -1, -1},
        {GridKey::kRight, false, 3, 2, GridMove::kMove, 4, 0},
        {GridKey::kHome, true, 5, 2, GridMove::kMove, 0, 0},
        {GridKey::kEnd, true, 5, 2, GridMove::kMove, 9, 0},
        {GridKey::kEnd, false, 5, 0, GridMove::kMove, 5, 2},
        {GridKey::kPageUp, false, 3, 1, GridMove::kMove, 0, 1},
        {GridKey::kPageDown, false, 7, 1, GridMove::kMove, 9, 1},
        {GridKey::kWheelUp, false, 0, 1, GridMove::kMove, 9, 1},
        {GridKey::kWheelDown, false, 9, 1, GridMove::kNone, -1, -1},
    };
    for (const auto& c : cases) {
        const GridMove m = MoveForKey(c.key, c.ctrl, c.row, c.column, 10, 3, false);
        EXPECT_EQ(m.action, c.action) << static_cast<int>(c.key);
        if (m.action != GridMove::kNone) {
            EXPECT_EQ(m.row, c.toRow) << static_cast<int>(c.key);
            EXPECT_EQ(m.column, c.toColumn) << static_cast<int>(c.key);
        }
    }
    EXPECT_EQ(MoveForKey(GridKey::kDown, false, 9, 0, 10, 3, true).action, GridMove::kNone);
}

TEST(AutoCompleteTest, PrefixIgnoresCaseTextsAreKeptOnceAndMaskedPasswordsStayOut) {
    CAutoCompleteList list;
    for (const char* t : {"abd", "Abc", "cab", "abd", "ABD", ""}) list.Add(t);
    EXPECT_EQ(list.Size(), 4u);
    EXPECT_EQ(list.Matches("ab"), (std::vector<std::string>{"ABD", "Abc", "abd"}));
    EXPECT_EQ(list.Matches("ab", true).size(), 4u);
    EXPECT_TRUE(list.Matches("").empty());

    test::FolderFixture f;
    f.Add("Mail", 2, {"Inbox"});
    f.store.folders[0].records.Mutable()[0][kPassword] = "secret";
    f.store.folders[0].records.Mutable()[0][kBank] = "not a column here";
    CSettings settings;
    FillAutoComplete(list, f.store, f.tree, settings);
    EXPECT_EQ(list.Size(), 1u);
    settings.mask = false;
    FillAutoComplete(list, f.store, f.tree, settings);
    EXPECT_EQ(list.Matches("s"), std::vector<std::string>{"secret"});
    settings.autoComplete = false;
    FillAutoComplete(list, f.store, f.tree, settings);
    EXPECT_EQ(list.Size(), 0u);
}

}  // namespace
}  // namespace vk
