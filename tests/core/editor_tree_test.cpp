// The folder tree model: moving folders with their subtrees, the refusals, sorting level by
// level, find next and the category a folder shows.
#include <gtest/gtest.h>

#include "core/shell/search_match.h"
#include "tests/support/folder_fixture.h"

namespace vk {
namespace {

using Check = CFolderTree::MoveCheck;

class FolderTreeTest : public ::testing::Test {
  protected:
    FolderTreeTest() {
        for (const char* p : {"Mail", "Mail~Work", "Mail~Work~Old", "Mail~Work~Old~Deep",
                              "Mail~Home", "Shop", "Shop~Work"})
            f.Add(p);
    }
    test::FolderFixture f;
};

TEST_F(FolderTreeTest, MoveChecksRefuseWhatWouldBreakTheTree) {
    const std::string longName(250, 'x');
    f.Add("Long~" + longName);
    struct Case {
        const char* dragged;
        const char* target;  // "" for the top level
        Check expected;
    } cases[] = {
        {"Mail~Home", "", Check::kMove},
        {"Mail", "", Check::kUnchanged},           // top level onto empty space
        {"Mail~Work", "Mail", Check::kUnchanged},  // onto its own parent
        {"Mail", "Mail", Check::kUnchanged},       // onto itself
        {"Mail", "Mail~Work~Old", Check::kOntoChild},
        {"Mail~Work", "Shop", Check::kNameTaken},  // Shop already holds a Work
        {"Shop", "Long~", Check::kPathTooLong},
        {"Mail~Home", "Shop", Check::kMove},
    };
    for (const Case& c : cases) {
        std::string target = c.target;
        if (target == "Long~") target += longName;
        EXPECT_EQ(f.tree.CheckMove(f.Node(c.dragged), target.empty() ? nullptr : f.Node(target)),
                  c.expected)
            << c.dragged << " onto " << target;
    }
}

TEST_F(FolderTreeTest, MoveTakesTheSubtreeInOrderAndRewritesEveryPath) {
    f.tree.Move(f.Node("Mail~Work"), f.Node("Mail~Home"), f.store);
    EXPECT_EQ(f.Paths(),
              (std::vector<std::string>{"Mail", "Mail~Home", "Mail~Home~Work", "Mail~Home~Work~Old",
                                        "Mail~Home~Work~Old~Deep", "Shop", "Shop~Work"}));
    EXPECT_EQ(f.store.folders[1].path, "Mail~Home~Work");
    EXPECT_EQ(f.store.folders[3].path, "Mail~Home~Work~Old~Deep");
    // A subfolder dropped on empty space becomes a top-level folder, last of all.
    f.tree.Move(f.Node("Mail~Home~Work~Old"), nullptr, f.store);
    EXPECT_EQ(f.Paths().back(), "Old~Deep");
    EXPECT_EQ(f.store.folders[2].path, "Old");
}

TEST_F(FolderTreeTest, SortingGoesLevelByLevelIgnoringCase) {
    test::FolderFixture g;
    for (const char* p : {"beta", "Alpha", "beta~z", "beta~A", "Gamma", "Alpha~m", "Alpha~K"})
        g.Add(p);
    g.tree.Sort(false);
    EXPECT_EQ(g.Paths(), (std::vector<std::string>{"Alpha", "Alpha~K", "Alpha~m", "beta", "beta~A",
                                                   "beta~z", "Gamma"}));
    g.tree.Sort(true);
    EXPECT_EQ(g.Paths(), (std::vector<std::string>{"Gamma", "beta", "beta~z", "beta~A", "Alpha",
                                                   "Alpha~m", "Alpha~K"}));
}

TEST_F(FolderTreeTest, FindNextWrapsAndNeverTestsItsStart) {
    const auto options = kSearchIgnoreCase | kSearchPartText;
    auto* work = f.Node("Mail~Work");
    EXPECT_EQ(f.tree.FindNext("work", work, options), f.Node("Shop~Work"));
    EXPECT_EQ(f.tree.FindNext("work", f.Node("Shop~Work"), options), work);  // wrapped
    EXPECT_EQ(f.tree.FindNext("home", f.Node("Mail~Home"), options), nullptr);
    EXPECT_EQ(f.tree.FindNext("", nullptr, options), nullptr);
    EXPECT_EQ(f.tree.FindNext("work", nullptr, kSearchPartText), nullptr);  // case counts
    // The acceptance test can pass over a match.
    EXPECT_EQ(f.tree.FindNext("work", nullptr, options,
                              [&](const CFolderTree::Node& n) { return &n != work; }),
              f.Node("Shop~Work"));
}

TEST(FolderCategoryTest, TopLevelFolderDecidesAndOddNumbersCountAsDefault) {
    test::FolderFixture f;
    f.Add("Bank", 3);
    f.Add("Bank~Cards", 2);
    f.Add("Zero", 0);
    f.Add("Five", 5);
    EXPECT_EQ(EffectiveCategory(f.Node("Bank~Cards"), f.store), 3);
    EXPECT_EQ(EffectiveCategory(f.Node("Zero"), f.store), 1);
    EXPECT_EQ(EffectiveCategory(f.Node("Five"), f.store), 1);
    EXPECT_EQ(EffectiveCategory(nullptr, f.store), 1);
}

}  // namespace
}  // namespace vk
