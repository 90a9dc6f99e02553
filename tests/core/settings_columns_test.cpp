// Column sets, column names and icons, and category names as they are stored and read.
#include <gtest/gtest.h>

#include "core/settings/column_set.h"
#include "core/settings/memory_settings_storage.h"
#include "core/settings/settings_store.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class SettingsColumnsTest : public ::testing::Test {
  protected:
    CMemorySettingsStorage storage;
    test::ScriptedPrompt prompt;
    CSettingsStore store{storage, prompt, [](const std::string&) { return true; }};

    CSettings LoadedColumnSets() {
        CSettings s;
        store.LoadColumnSets(s);
        return s;
    }
};

TEST(ColumnSet, ReadsNumbersUpToTheLastCommaAndEmptiesWhatNamesNoField) {
    EXPECT_EQ(FormatColumnSet(ColumnSetOf({3, 4})), "3,4,-1,-1,-1,-1,-1,-1,-1,-1,-1,");
    EXPECT_EQ(ParseColumnSet("0,1,2,-1,-1,-1,-1,-1,-1,-1,-1,"), ColumnSetOf({0, 1, 2}));
    EXPECT_EQ(ParseColumnSet("3,0,x,12,-1,5"), ColumnSetOf({3, 0, -1, -1, -1, 5}));
    EXPECT_EQ(ParseColumnSet(" 4 ,10"), ColumnSetOf({4, 10}));
    EXPECT_EQ(ParseColumnSet("7;8,9"), ColumnSetOf({7, 9}));  // no comma after 7 until "8,"
    EXPECT_EQ(ParseColumnSet("1,1,1,1,1,1,1,1,1,1,2,3,"),
              ColumnSetOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(ParseColumnSet("99999999999999999999,2147483648,-2147483649,6"),
              ColumnSetOf({-1, -1, -1, 6}));
    EXPECT_EQ(ParseColumnSet(",,5"), ColumnSetOf({-1, -1, 5}));
    EXPECT_FALSE(HasAnyColumn(ParseColumnSet("")));
    EXPECT_FALSE(HasAnyColumn(ParseColumnSet("11,12,13,-1,")));

    // Any category number finds a set: out of range counts as the first.
    CSettings s;
    s.columnSets[0] = ColumnSetOf({6});
    EXPECT_EQ(s.ColumnsOf(7), ColumnSetOf({6}));
    EXPECT_EQ(s.ColumnsOf(-1), ColumnSetOf({6}));
    EXPECT_EQ(s.ColumnsOf(4), DefaultColumnSet(4));
}

TEST_F(SettingsColumnsTest, ASetWithoutColumnsResetsAllFourButLaterSetsAreStillRead) {
    storage.values = {
        {"Columns1", "3,"}, {"Columns2", "11,12,99,"}, {"Columns3", "4,"}, {"Columns4", "2,8,"}};
    CSettings s = LoadedColumnSets();
    EXPECT_EQ(s.columnSets[0], DefaultColumnSet(1));  // read, then lost to the reset
    EXPECT_EQ(s.columnSets[1], DefaultColumnSet(2));
    EXPECT_EQ(s.columnSets[2], ColumnSetOf({4}));
    EXPECT_EQ(s.columnSets[3], ColumnSetOf({2, 8}));

    // A missing last set resets everything read before it.
    storage.values.erase("Columns4");
    s = LoadedColumnSets();
    EXPECT_EQ(s.columnSets, CSettings::DefaultColumnSets());

    storage.values = {
        {"Columns1", "9,"}, {"Columns2", "1,"}, {"Columns3", "-1,5,"}, {"Columns4", "0,"}};
    s = LoadedColumnSets();
    EXPECT_EQ(s.columnSets[2], ColumnSetOf({-1, 5}));  // a gap in a stored set stays
    ASSERT_EQ(store.SaveColumnSets(s), 1);
    EXPECT_EQ(storage.values.at("Columns3"), "-1,5,-1,-1,-1,-1,-1,-1,-1,-1,-1,");
}

TEST_F(SettingsColumnsTest, LoadingNamesAndIconsStartsFromTheDefaults) {
    CSettings s;
    s.columnNames[12] = "leftover";
    s.columnNames[2] = "leftover";
    s.columnIcons[3] = 1;
    storage.values = {{"ColumnName1", "Login"},
                      {"ColumnIcon4", "185"},
                      {"ColumnIcon5", "x"},
                      {"ColumnIcon6", "99999999999"},
                      {"ColumnIcon7", "7"},
                      {"ColumnName11", "not a list column"},
                      {"ColumnName8", std::string(300, 'p')}};
    store.LoadColumnNamesAndIcons(s);
    EXPECT_EQ(s.columnNames[12], "Email");
    EXPECT_EQ(s.columnNames[11], "URL");
    EXPECT_EQ(s.columnNames[2], "Password");
    EXPECT_EQ(s.columnNames[1], "Login");
    EXPECT_EQ(s.columnNames[8].size(), 259u);
    EXPECT_EQ(s.columnIcons[3], 256);
    EXPECT_EQ(s.columnIcons[4], 185);
    EXPECT_EQ(s.columnIcons[5], 258);  // no number: the default
    EXPECT_EQ(s.columnIcons[6], 259);  // beyond any identifier: the default
    EXPECT_EQ(s.columnIcons[7], 7);    // kept; it shows the first icon of the table

    ASSERT_EQ(store.SaveColumnNamesAndIcons(s), 1);
    EXPECT_EQ(storage.values.at("ColumnIcon4"), "185");
    EXPECT_EQ(storage.values.at("ColumnName1"), "Login");
    EXPECT_EQ(storage.values.at("ColumnName11"), "not a list column");  // never written
}

TEST_F(SettingsColumnsTest, CategoryNamesSavedOnTheirOwn) {
    CSettings s;
    s.categoryNames[0] = "Email";
    s.categoryNames[2] = "R&D";
    ASSERT_EQ(store.SaveCategoryNames(s), 1);
    EXPECT_EQ(storage.commits, 1);
    EXPECT_EQ(storage.values.size(), 5u);
    EXPECT_EQ(storage.values.at("CategoryName4"), "");

    CSettings r;
    store.LoadCategoryNames(r);
    EXPECT_EQ(r.categoryNames, s.categoryNames);
}

}  // namespace
}  // namespace vk
