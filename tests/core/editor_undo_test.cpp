// The undo ring: five levels, the menu texts, folder steps in tree order, and steps that behave
// as deep copies although they share records with the live table.
#include <gtest/gtest.h>

#include <utility>

#include "core/editor/undo.h"
#include "tests/support/folder_fixture.h"

namespace vk {
namespace {

TEST(UndoTest, SixDeletionsGiveFiveUndosThenTheItemsAreDisabled) {
    test::FolderFixture f;
    f.Add("Mail", 1, {"a", "b", "c", "d", "e", "f", "g"});
    for (int i = 0; i < 6; ++i) {
        TakeRecordSnapshot(f.store, "delete record");
        f.store.folders[0].records.erase(0);
    }
    EXPECT_EQ(f.Descriptions(0), std::vector<std::string>{"g"});
    EXPECT_EQ(UndoMenuText(f.store.undo), "&Undo delete record");
    for (int i = 0; i < 5; ++i) {
        f.store.modified = false;
        const auto undone = Undo(f.store, f.tree);
        ASSERT_TRUE(undone);
        EXPECT_EQ(undone->kind, UndoKind::kRecord);
        EXPECT_FALSE(undone->treeRebuilt);
        EXPECT_TRUE(f.store.modified);
    }
    EXPECT_EQ(f.Descriptions(0), (std::vector<std::string>{"b", "c", "d", "e", "f", "g"}));
    EXPECT_FALSE(Undo(f.store, f.tree));
    EXPECT_EQ(UndoMenuText(f.store.undo), "&Undo");

    // A new file forgets every step.
    TakeRecordSnapshot(f.store, "delete record");
    f.store.undo.Reset();
    EXPECT_FALSE(f.store.undo.CanUndo());
}

TEST(UndoTest, LongLabelsAreCutWithoutSplittingACharacter) {
    CUndoRing ring;
    const struct {
        std::string label;
        std::string menu;
    } cases[] = {
        {"rename folder: Twenty characters!!", "&Undo rename folder: Twenty charac..."},
        {"rename folder: 12345678901234567", "&Undo rename folder: 1234567890123..."},
        {"rename folder: 1234567890123456", "&Undo rename folder: 1234567890123456"},  // 31
        {"rename folder: 123456789012\xC3\xA9xxxxx", "&Undo rename folder: 123456789012..."},
        {"edit Bank: R&D", "&Undo edit Bank: R&&D"},
    };
    for (const auto& c : cases) {
        ring.Push({{}, c.label, UndoKind::kFolder});
        EXPECT_EQ(UndoMenuText(ring), c.menu) << c.label;
    }
}

TEST(UndoTest, FolderStepHoldsTheTreeNotDeletedFoldersAndRebuildsIt) {
    test::FolderFixture f;
    f.Add("Bank", 3, {"Visa"});
    f.Add("Old");
    f.Add("Bank~Cards", 3, {"Amex"});
    f.store.folders[1].inUse = false;  // deleted earlier
    f.tree.BuildFrom(f.store);
    f.tree.First()->expanded = true;

    TakeFolderSnapshot(f.store, f.tree, "delete folder: Bank");
    for (auto& folder : f.store.folders) folder.inUse = false;

    const auto undone = Undo(f.store, f.tree);
    ASSERT_TRUE(undone && undone->treeRebuilt);
    ASSERT_EQ(f.store.folders.size(), 2u);  // the deleted folder is gone from the table
    EXPECT_EQ(f.Paths(), (std::vector<std::string>{"Bank", "Bank~Cards"}));
    EXPECT_EQ(f.Descriptions(1), std::vector<std::string>{"Amex"});
    EXPECT_TRUE(f.tree.First()->expanded);
}

TEST(UndoTest, StepsShareRecordsButLaterEditsNeverReachThem) {
    test::FolderFixture f;
    f.Add("Mail", 1, {"kept"});
    f.Add("Shop", 1, {"other"});
    TakeRecordSnapshot(f.store, "edit Description: kept");
    const auto& step = f.store.undo.Latest()->folders;
    EXPECT_TRUE(step[0].records.SharesWith(f.store.folders[0].records));
    f.store.folders[0].records[0][kDescription] = "changed";
    EXPECT_EQ(std::as_const(step[0].records)[0][kDescription], "kept");
    EXPECT_TRUE(step[1].records.SharesWith(f.store.folders[1].records));  // untouched: shared
    ASSERT_TRUE(Undo(f.store, f.tree));
    EXPECT_EQ(f.Descriptions(0), std::vector<std::string>{"kept"});
}

TEST(UndoTest, RecordStepOlderThanAnUndoneFolderStepRebuildsTheTree) {
    test::FolderFixture f;
    f.Add("B", 1, {"b"});
    f.Add("A", 1, {"a"});
    f.tree.Sort(false);  // tree order A, B; table order B, A
    TakeRecordSnapshot(f.store, "delete record");
    f.store.folders[1].records.erase(0);
    TakeFolderSnapshot(f.store, f.tree, "delete folder: B");  // table becomes A, B
    f.store.folders[0].inUse = false;
    ASSERT_TRUE(Undo(f.store, f.tree));
    EXPECT_EQ(f.store.folders[0].path, "A");
    const auto undone = Undo(f.store, f.tree);  // back to the table order B, A
    ASSERT_TRUE(undone);
    EXPECT_TRUE(undone->treeRebuilt);
    EXPECT_TRUE(TreeMatchesStore(f.tree, f.store));
    EXPECT_EQ(f.tree.FindByFolderIndex(1)->name, "A");
    EXPECT_EQ(f.Descriptions(1), std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace vk
