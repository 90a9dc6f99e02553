// The editor's key table as a state machine, and item search order.
#include <gtest/gtest.h>

#include "core/editor/cell_keys.h"
#include "core/editor/folder_operations.h"
#include "core/editor/item_search.h"
#include "core/settings/settings.h"
#include "core/shell/search_match.h"

namespace vk {
namespace {

KeyPress Key(EditorKey key, bool shift = false, bool ctrl = false, std::string text = {}) {
    return KeyPress{key, std::move(text), shift, ctrl, false};
}
KeyPress Char(std::string text, bool shift = false, bool caps = false) {
    return KeyPress{EditorKey::kCharacter, std::move(text), shift, false, caps};
}

// A grid of 4 rows and 3 columns with the cell (1, 1) current, and `facts` true.
KeyContext At(EditorFocus focus, int row = 1, int column = 1,
              std::initializer_list<bool KeyContext::*> facts = {}) {
    KeyContext c;
    c.focus = focus;
    c.row = row;
    c.column = column;
    c.rowCount = 4;
    c.columnCount = 3;
    c.canUndo = true;
    for (bool KeyContext::*fact : facts) c.*fact = true;
    return c;
}

TEST(EditorKeysTest, KeysMoveTheCurrentCellAndStartOperations) {
    using F = EditorFocus;
    using K = EditorKey;
    using E = KeyEffect;
    using T = MoveTarget;
    struct Case {
        KeyPress key;
        KeyContext where;
        E effect;
        T target = T::kNone;
        int row = -1, column = -1;
    };
    using C = KeyContext;
    KeyContext treeAfterRow3 = At(F::kTree);
    treeAfterRow3.lastGridRow = 3;
    KeyContext treeAfterRow1 = At(F::kTree);
    treeAfterRow1.lastGridRow = 1;
    KeyContext nothingToUndo = At(F::kTree);
    nothingToUndo.canUndo = false;
    const Case cases[] = {
        {Key(K::kTab), At(F::kGrid), E::kMove, T::kCell, 1, 2},
        {Key(K::kTab), At(F::kTextCellEditor, 1, 2), E::kMove, T::kUrlBox},
        {Key(K::kEnter), At(F::kTextCellEditor), E::kMove, T::kCell, 1, 2},
        {Key(K::kEnter, true), At(F::kTextCellEditor), E::kMove, T::kCell, 1, 0},
        {Key(K::kTab, true), At(F::kGrid, 1, 0), E::kMove, T::kCell, 0, 2},
        {Key(K::kTab, true), At(F::kGrid, 0, 0), E::kMove, T::kTree},
        {Key(K::kTab), At(F::kUrlBox), E::kMove, T::kEmailBox},
        {Key(K::kEnter), At(F::kEmailBox), E::kMove, T::kNotesBox},
        {Key(K::kTab), At(F::kNotesBox), E::kMove, T::kTree, 1, -1},
        {Key(K::kTab, true), At(F::kUrlBox), E::kMove, T::kCell, 1, 2},
        {Key(K::kTab, true), At(F::kNotesBox), E::kMove, T::kEmailBox},
        {Key(K::kEnter), At(F::kNotesBox), E::kNotesLineBreak},
        {Key(K::kTab), treeAfterRow1, E::kMove, T::kCell, 2, 0},
        {Key(K::kTab), treeAfterRow3, E::kMove, T::kCell, 0, 0},
        {Key(K::kTab, true), At(F::kTree), E::kMove, T::kNotesBox},
        {Key(K::kF2), At(F::kTree), E::kRenameFolder},
        {Key(K::kDelete), At(F::kTree), E::kDeleteFolder},
        {Key(K::kCharacter, false, true, "f"), At(F::kTree), E::kSearchFolders},
        {Key(K::kCharacter, false, true, "F"), At(F::kGrid), E::kSearchItems},
        {Key(K::kCharacter, false, true, "z"), At(F::kGrid), E::kUndo},
        {Key(K::kCharacter, false, true, "z"), At(F::kTextCellEditor), E::kPass},
        // Undo also from an empty folder, after moving or deleting a folder.
        {Key(K::kCharacter, false, true, "z"), At(F::kTree, -1, -1), E::kUndo},
        {Key(K::kCharacter, false, true, "z"), At(F::kGrid, -1, -1), E::kUndo},
        {Key(K::kCharacter, false, true, "z"), nothingToUndo, E::kIgnore},
        {Key(K::kInsert), At(F::kNotesBox), E::kAddRecord},
        {Key(K::kInsert), At(F::kDateCellEditor), E::kDateKeyHint},
        {Char("7"), At(F::kDateCellEditor), E::kDateKeyHint},
        {Key(K::kUp), At(F::kDateCellEditor), E::kPass},
        {Key(K::kEscape), At(F::kDateCellEditor), E::kCancelEdit},
        {Key(K::kDelete), At(F::kLabelEditor), E::kPass},
        {Key(K::kEnter), At(F::kGrid), E::kEditCell},
        {Key(K::kDelete), At(F::kGrid), E::kCutCell},
        {Key(K::kDelete), At(F::kGrid, 1, 1, {&C::currentRecordEmpty}), E::kDeleteRecords},
        {Key(K::kDelete), At(F::kGrid, 1, 1, {&C::multiSelection}), E::kDeleteRecords},
        {Key(K::kDown), At(F::kGrid), E::kMove, T::kCell, 2, 1},
        {Key(K::kDown), At(F::kTextCellEditor), E::kMove, T::kCell, 2, 1},
        {Key(K::kDown), At(F::kTextCellEditor, 1, 1, {&C::autoCompleteOpen}), E::kPass},
        {Key(K::kDown), At(F::kGrid, 3, 0), E::kAddRecord},
        {Key(K::kDown), At(F::kGrid, 3, 0, {&C::lastRecordEmpty}), E::kIgnore},
        // Text typed into the blank last record: Down commits it and adds the next record.
        {Key(K::kDown), At(F::kTextCellEditor, 3, 0, {&C::lastRecordEmpty, &C::cellEditorHasText}),
         E::kAddRecord},
        {Key(K::kDown), At(F::kTextCellEditor, 3, 0, {&C::lastRecordEmpty}), E::kMove, T::kCell, 3,
         0},
        {Key(K::kUp), At(F::kTextCellEditor, 0, 1), E::kMove, T::kCell, 0, 1},
        {Key(K::kUp), At(F::kGrid, 0, 1), E::kIgnore},
        {Key(K::kPageDown), At(F::kGrid), E::kMove, T::kCell, 3, 1},
        {Key(K::kPageUp), At(F::kGrid), E::kMove, T::kCell, 0, 1},
        {Key(K::kHome), At(F::kGrid, 2, 2), E::kMove, T::kCell, 2, 0},
        {Key(K::kHome, false, true), At(F::kGrid, 2, 2), E::kMove, T::kCell, 0, 0},
        {Key(K::kEnd), At(F::kGrid), E::kMove, T::kCell, 1, 2},
        {Key(K::kEnd, false, true), At(F::kGrid), E::kMove, T::kCell, 3, 0},
        {Key(K::kLeft), At(F::kGrid, 2, 0), E::kMove, T::kCell, 1, 2},
        {Key(K::kLeft), At(F::kGrid, 0, 0), E::kIgnore},
        {Key(K::kRight), At(F::kGrid, 1, 2), E::kMove, T::kCell, 2, 0},
        {Key(K::kRight), At(F::kGrid, 3, 2), E::kIgnore},
        {Key(K::kEscape), At(F::kGrid), E::kIgnore},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const KeyOutcome out = HandleEditorKey(c.key, c.where);
        EXPECT_EQ(out.effect, c.effect) << "case " << i;
        if (c.effect != E::kMove) continue;
        EXPECT_EQ(out.move.target, c.target) << "case " << i;
        if (c.target == T::kCell || c.target == T::kTree) {
            EXPECT_EQ(out.move.row, c.row) << "case " << i;
            EXPECT_EQ(out.move.column, c.column) << "case " << i;
        }
    }
    EXPECT_TRUE(HandleEditorKey(Key(K::kTab), At(F::kGrid, 1, 2)).move.rememberLastGridRow);
}

TEST(EditorKeysTest, ATypedKeyStartsTheEditWithItsCase) {
    EXPECT_EQ(HandleEditorKey(Char("A"), At(EditorFocus::kGrid)).text, "a");
    EXPECT_EQ(HandleEditorKey(Char("a", true), At(EditorFocus::kGrid)).text, "A");
    EXPECT_EQ(HandleEditorKey(Char("a", false, true), At(EditorFocus::kGrid)).text, "A");
    EXPECT_EQ(TypedCharacter("A", true, true), "a");
    EXPECT_EQ(TypedCharacter("\xc3\xa9", false, false), "\xc3\xa9");
    EXPECT_EQ(TypedCharacter("!", true, false), "!");
    EXPECT_EQ(HandleEditorKey(Char("a"), At(EditorFocus::kGrid, -1, -1)).effect, KeyEffect::kPass);
}

// Folders of several categories and levels, each holding records whose fields say where the
// search should find them.
class ItemSearchTest : public ::testing::Test {
  protected:
    ItemSearchTest() {
        auto add = [&](const char* path, int category,
                       std::vector<std::vector<std::pair<int, const char*>>> records) {
            const int index = store.AddFolder(path, category);
            for (const auto& fields : records) {
                CRecord r;
                for (const auto& [field, text] : fields) r[field] = text;
                store.folders[index].records.push_back(r);
            }
        };
        add("Internet", 2, {{{kDescription, "Bank site"}}, {{kNotes, "my bank"}, {kUrl, "bank"}}});
        add("Internet~Mail", 5, {{{kPassword, "bank"}}, {{kTitle, "bank"}}});
        add("Internet~Mail~Old", 1, {{{kUsername, "x"}, {kEmail, "BANK"}}});
        add("Internet~Shop", 1, {{{kSerial, "bank"}}});  // not a column of category 2
        add("Software", 4, {{{kSerial, "bank 1"}, {kTitle, "Bank app"}}});
        tree.BuildFrom(store);
    }
    std::vector<std::string> Found(const std::string& text, std::uint32_t options) {
        std::vector<std::string> out;
        for (const ItemMatch& m : FindAllItems(tree, store, settings, text, options))
            out.push_back(store.folders[m.folder].path + "/" + std::to_string(m.record) + "/" +
                          DefaultFieldName(m.field) + "/" + std::to_string(m.column));
        return out;
    }
    CPasswordStore store;
    CFolderTree tree;
    CSettings settings;
};

TEST_F(ItemSearchTest, FindsInTreeOrderWithColumnZeroThenBoxesThenColumns) {
    EXPECT_EQ(Found("bank", kSearchIgnoreCase | kSearchPartText),
              (std::vector<std::string>{"Internet/0/Description/0", "Internet/1/Notes/-1",
                                        "Internet~Mail/0/Password/2",
                                        "Internet~Mail~Old/0/Email/-1", "Software/0/Title/0"}));
    EXPECT_EQ(Found("bank", kSearchPartText),
              (std::vector<std::string>{"Internet/1/Notes/-1", "Internet~Mail/0/Password/2",
                                        "Software/0/Serial #/1"}));
    EXPECT_EQ(Found("bank", kSearchIgnoreCase),
              (std::vector<std::string>{"Internet/1/URL/-1", "Internet~Mail/0/Password/2",
                                        "Internet~Mail~Old/0/Email/-1"}));
    EXPECT_TRUE(Found("bank", 0).size() == 2);
    EXPECT_TRUE(Found("nothing", 3).empty());
}

TEST_F(ItemSearchTest, FindNextGoesOnFromThePositionAndWrapsAround) {
    const auto* mail = FindFolderByPath(tree, store, "Internet~Mail");
    auto next = [&](const CFolderTree::Node* start, int from) {
        auto m = FindNextItem(tree, store, settings, start, from, "bank", 3);
        return m ? store.folders[m->folder].path + "/" + std::to_string(m->record) : "";
    };
    EXPECT_EQ(next(mail, 1), "Internet~Mail~Old/0");
    EXPECT_EQ(next(FindFolderByPath(tree, store, "Software"), 1), "Internet/0");  // pass 2
    EXPECT_EQ(next(nullptr, NextSearchPosition(-1, 0)), "Internet/1");
    EXPECT_EQ(NextSearchPosition(3, 0), 4);
    const auto empty = FindNextItem(tree, store, settings, mail, 0, "", 3);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->record, -1);  // found at once, nothing selected
}

}  // namespace
}  // namespace vk
