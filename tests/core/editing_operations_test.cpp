// Folder and record operations of the editor: name rules, paths, undo steps, limits, dates.
#include <gtest/gtest.h>

#include "core/editor/edit_messages.h"
#include "core/editor/field_limits.h"
#include "core/editor/folder_operations.h"
#include "core/editor/record_dates.h"
#include "core/editor/record_operations.h"
#include "core/settings/settings.h"
#include "core/shell/date_text.h"
#include "tests/support/folder_fixture.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

using TreeNode = CFolderTree::Node;

// Date text that shows the date words, so tests see which date a field holds.
class IsoDates : public IDateFormat {
  public:
    std::string DateText(const SystemTime& d) override {
        if (!d.HasDate()) return "";
        char text[32];
        std::snprintf(text, sizeof text, "%04u-%02u-%02u", d.year, d.month, d.day);
        return text;
    }
};

// A store with folders given by path and category, its tree, and the undo steps taken.
class EditingTest : public ::testing::Test, protected test::FolderFixture {
  protected:
    void Folders(std::initializer_list<std::pair<const char*, int>> folders) {
        for (const auto& [path, category] : folders) Add(path, category);
    }
    TreeNode* At(const std::string& path) { return FindFolderByPath(tree, store, path); }
    RecordEditEnv Env() {
        return {store, settings, dates, [this](const std::string& label, bool folderStep) {
                    steps.push_back((folderStep ? "F:" : "R:") + label);
                }};
    }
    // The folders' own paths, in display order.
    std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        tree.ForEachPreOrder(
            [&](TreeNode& n) { paths.push_back(store.folders[n.folderIndex].path); });
        return paths;
    }

    CSettings settings;
    IsoDates dates;
    std::vector<std::string> steps;
};

TEST_F(EditingTest, FolderNamesFollowTheEditorsRules) {
    const std::string deep(250, 'd');  // "A~" + 250 + "~" + 6 = 259 bytes
    Folders({{"Banking", 3},
             {"Banking~Cards", 1},
             {"Banking~Loans", 1},
             {"A", 1},
             {("A~" + deep).c_str(), 1},
             {("A~" + deep + "~leaf12").c_str(), 1}});
    struct Case {
        std::string parent, self, name;
        FolderNameCheck expected;
    };
    const Case cases[] = {
        {"Banking", "", "Cards", FolderNameCheck::kTaken},
        {"Banking", "", "cards", FolderNameCheck::kAccepted},
        {"", "Banking~Loans", "Cards", FolderNameCheck::kTaken},
        {"", "Banking~Loans", "Loans", FolderNameCheck::kUnchanged},
        {"", "", "a~b", FolderNameCheck::kTilde},
        {"", "", "two\nlines", FolderNameCheck::kLineBreak},
        {"", "", "", FolderNameCheck::kEmpty},
        {"", "", std::string(259, 'x'), FolderNameCheck::kAccepted},
        {"", "", std::string(260, 'x'), FolderNameCheck::kTooLong},
        {"", "A", "B", FolderNameCheck::kAccepted},
        // The folder below a renamed one would pass 259 bytes.
        {"", "A", "AB", FolderNameCheck::kTooLong},
        {"A~" + deep, "", "leaf123", FolderNameCheck::kTooLong},
    };
    for (const Case& c : cases) {
        const TreeNode* parent = c.parent.empty() ? nullptr : At(c.parent);
        const TreeNode* self = c.self.empty() ? nullptr : At(c.self);
        EXPECT_EQ(CheckFolderName(tree, parent, self, c.name), c.expected) << c.name;
    }
    test::ScriptedPrompt prompt;
    ShowFolderNameRefusal(prompt, FolderNameCheck::kEmpty, false);
    ShowFolderNameRefusal(prompt, FolderNameCheck::kTilde, false);
    ShowFolderNameRefusal(prompt, FolderNameCheck::kTooLong, false);
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.icons[1], MessageIcon::kStop);
    EXPECT_EQ(prompt.messages[0], "Please do not use the ~ character in folder names.");
    EXPECT_EQ(prompt.messages[1],
              "The full length of this folder exceeds the maximum size of 260 characters.\n"
              "Please shorten the name or create a new non-subfolder.");
}

TEST_F(EditingTest, CreateRenameDeleteKeepTableAndTreeInStep) {
    Folders({{"Banking", 3}, {"Banking~Cards", 9}, {"Banking~Cards~Gold", 1}, {"Mail", 7}});
    TreeNode* gold = CreateFolder(store, tree, At("Banking~Cards"), "Old",
                                  NewFolderCategory(At("Banking~Cards"), store, 2));
    EXPECT_EQ(store.folders[gold->folderIndex].category, 3);  // the top-level folder's
    EXPECT_EQ(NewFolderCategory(nullptr, store, 4), 4);
    EXPECT_TRUE(store.folders[gold->folderIndex].records.empty());

    store.modified = false;
    RenameFolder(store, At("Banking~Cards"), "Plastic", Env().snapshot);
    EXPECT_EQ(Paths(),
              (std::vector<std::string>{"Banking", "Banking~Plastic", "Banking~Plastic~Gold",
                                        "Banking~Plastic~Old", "Mail"}));
    EXPECT_TRUE(store.modified);

    const int mail = At("Mail")->folderIndex;
    DeleteFolder(store, tree, At("Banking"), Env().snapshot);
    EXPECT_EQ(Paths(), (std::vector<std::string>{"Mail"}));
    EXPECT_EQ(store.folders.size(), 5u);  // slots stay, indexes keep their meaning
    EXPECT_EQ(store.LiveFolderCount(), 1u);
    EXPECT_EQ(At("Mail")->folderIndex, mail);
    EXPECT_EQ(steps,
              (std::vector<std::string>{"F:rename folder: Cards", "F:delete folder: Banking"}));

    store.modified = false;
    SetFolderCategory(store, At("Mail"), 3);
    EXPECT_EQ(store.folders[mail].category, 3);
    EXPECT_TRUE(store.modified);
}

TEST_F(EditingTest, CommittingCellsTakesUndoStepsOnlyForChangedValues) {
    Folders({{"Web", 1}});
    const int web = At("Web")->folderIndex;
    auto env = Env();
    const int row = AddRecord(store, web);
    EXPECT_FALSE(store.modified);  // a blank record alone changes nothing yet
    const CellRef user{web, row, kUsername};
    const CellRef password{web, row, kPassword};
    EXPECT_TRUE(CommitCellText(env, user, "ann"));   // filling: no step
    EXPECT_FALSE(CommitCellText(env, user, "ann"));  // unchanged: no step
    EXPECT_TRUE(CommitCellText(env, user, "bob"));
    EXPECT_TRUE(CommitCellText(env, password, "s3cret"));
    EXPECT_FALSE(CommitCellText(env, password, "s3cret"));  // masked, yet unchanged
    EXPECT_TRUE(CommitCellText(env, password, "other"));
    EXPECT_TRUE(CommitCellText(env, CellRef{web, row + 1, kTitle}, "new row"));
    EXPECT_FALSE(CommitCellText(env, CellRef{web, row + 5, kTitle}, "far"));
    EXPECT_EQ(store.folders[web].records.size(), 2u);

    EXPECT_TRUE(CutCell(env, user));
    EXPECT_FALSE(CutCell(env, user));  // already empty
    EXPECT_TRUE(ClearCell(env, CellRef{web, 1, kTitle}));
    EXPECT_EQ(steps,
              (std::vector<std::string>{"R:edit Username: ann", "R:edit Password: *****",
                                        "R:delete Username: bob", "R:clear Title: new row"}));
    EXPECT_EQ(CellValue(store, password), "other");

    EXPECT_TRUE(PasteIntoCell(env, CellRef{web, 0, kDescription},
                              "first line that runs on past the limit\nsecond"));
    EXPECT_EQ(CellValue(store, CellRef{web, 0, kDescription}), "first line that runs on past th");
    EXPECT_EQ(steps.size(), 4u);  // paste takes no step
}

TEST_F(EditingTest, DatesAndExpiryFromAssignment) {
    Folders({{"Default", 1}, {"Software", 4}});
    settings.expirationDays = 90;
    auto env = Env();
    const int folder = At("Default")->folderIndex;
    AddRecord(store, folder);
    ASSERT_TRUE(
        CommitCellDate(env, CellRef{folder, 0, kDateAssigned, 1}, *ParseIsoDate("2023-03-01")));
    const CRecord& r = store.folders[folder].records[0];
    EXPECT_EQ(r[kDateExpires], "2023-05-30");
    EXPECT_EQ(r.dateExpires.dayOfWeek, 2);  // a Tuesday
    // A Date expires already set stays; a category whose grid lacks the column gets none.
    ASSERT_TRUE(CommitCellText(env, CellRef{folder, 0, kDateAssigned, 1}, "2024-01-01"));
    EXPECT_EQ(r[kDateExpires], "2023-05-30");
    const int software = At("Software")->folderIndex;
    AddRecord(store, software);
    CommitCellDate(env, CellRef{software, 0, kDateAssigned, 4}, *ParseIsoDate("2024-02-29"));
    EXPECT_EQ(store.folders[software].records[0][kDateExpires], "");
    EXPECT_TRUE(CommitCellText(env, CellRef{folder, 0, kDateExpires, 1}, ""));
    EXPECT_FALSE(store.folders[folder].records[0].dateExpires.HasDate());

    for (const char* bad : {"2023-02-29", "2023-13-01", "23-01-01", "2023-1-01", "1600-01-01",
                            "2023-01-0x", "2023/01/01"})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
    EXPECT_EQ(ParseIsoDate("1970-01-01")->dayOfWeek, 4);
    EXPECT_EQ(AddDays(*ParseIsoDate("2024-12-31"), 1)->year, 2025);
    EXPECT_FALSE(AddDays(*ParseIsoDate("9999-12-31"), 1));
}

TEST_F(EditingTest, DeletingRecordsPicksTheNextCurrentRow) {
    Folders({{"F", 1}});
    auto env = Env();
    auto fill = [&](int n) {
        store.folders[0].records.clear();
        for (int i = 0; i < n; ++i) {
            AddRecord(store, 0);
            CommitCellText(env, CellRef{0, i, kDescription}, std::to_string(i));
        }
        steps.clear();
    };
    fill(3);
    EXPECT_EQ(DeleteRecords(env, 0, {2}, false, 2), 1);  // the last row goes: new last
    EXPECT_EQ(DeleteRecords(env, 0, {0}, false, 0), 0);
    EXPECT_EQ(store.folders[0].records[0][kDescription], "1");
    EXPECT_EQ(DeleteRecords(env, 0, {0}, false, 0), 0);  // the only one: empty folder
    EXPECT_TRUE(store.folders[0].records.empty());
    fill(5);
    EXPECT_EQ(DeleteRecords(env, 0, {3, 1, 3, 9}, true, 1), 1);
    EXPECT_EQ(store.folders[0].records.size(), 3u);
    EXPECT_EQ(store.folders[0].records[1][kDescription], "2");
    EXPECT_EQ(steps, (std::vector<std::string>{"R:delete records"}));

    AddRecord(store, 0);  // an empty record goes without a question
    EXPECT_FALSE(DeleteNeedsQuestion(store, 0, 3, false));
    EXPECT_TRUE(DeleteNeedsQuestion(store, 0, 0, false));
    // The question naming the record is checked in the editor window.
    EXPECT_EQ(DeleteRecordsQuestion(""),
              "Are you sure you want to delete the selected information?");
}

TEST_F(EditingTest, FieldBoxesAndLimitsKeepWholeCharacters) {
    Folders({{"F", 1}});
    AddRecord(store, 0);
    store.modified = false;
    EXPECT_TRUE(StoreFieldBoxes(store, 0, 0, "https://x", "a@b", "one\ntwo"));
    EXPECT_EQ(store.folders[0].records[0][kNotes], "one\r\ntwo");
    EXPECT_TRUE(store.modified);
    EXPECT_FALSE(StoreFieldBoxes(store, 0, 0, "https://x", "a@b", "one\ntwo"));
    EXPECT_EQ(NotesToShown("a\r\nb\rc\n"), "a\nb\nc\n");
    EXPECT_EQ(NotesToStored("a\r\nb\rc\n"), "a\r\nb\r\nc\r\n");

    const std::string e = "\xc3\xa9";  // two bytes
    struct Case {
        std::string before, after;
        std::size_t limit;
        std::string text;
        std::size_t caret;
    };
    const Case cases[] = {
        {"abc", "abXc", 10, "abXc", 3},
        {std::string(30, 'a'), std::string(30, 'a') + e, 31, std::string(30, 'a'), 30},
        {"ab", "a" + e + e + "b", 5, "a" + e + "b", 3},
        {std::string(40, 'x'), std::string(39, 'x'), 31, std::string(39, 'x'), 39},  // stays
        {std::string(40, 'x'), std::string(41, 'x'), 31, std::string(40, 'x'), 40},
    };
    for (const Case& c : cases) {
        const LimitedEdit edit = LimitTypedText(c.before, c.after, c.limit);
        EXPECT_EQ(edit.text, c.text) << c.after;
        EXPECT_EQ(edit.caret, c.caret) << c.after;
    }
    EXPECT_EQ(FitFieldValue(kUrl, std::string(70, 'u')).size(), 64u);
    EXPECT_EQ(FitFieldValue(kPhone, std::string(22, '1') + e), std::string(22, '1'));
    EXPECT_EQ(FitFieldValue(kNotes, std::string(1022, 'n') + "\nz"), std::string(1022, 'n'));
    EXPECT_EQ(FieldValueProblem(kEmail, std::string(63, 'm')), "");
    EXPECT_EQ(FieldValueProblem(kEmail, std::string(64, 'm')),
              "The Email field holds at most 63 bytes.");
    EXPECT_EQ(FieldValueProblem(kTitle, "a\nb"),
              "The Title field cannot hold a line break; only Notes can.");
    EXPECT_EQ(FieldValueProblem(kNotes, std::string(1022, 'n') + "\n"),
              "The Notes field holds at most 1023 bytes.");
}

}  // namespace
}  // namespace vk
