// The settings table: defaults on a first run, everything back after a save, hostile stored
// values, the registry failure that is reported once, column sets, names and icons, and the
// settings file read without the toolkit, as the command-line tool reads it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/column_set.h"
#include "core/settings/conf_file_text.h"
#include "core/settings/memory_settings_storage.h"
#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"
#include "core/settings/stored_value.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    CMemorySettingsStorage storage;
    test::ScriptedPrompt prompt;
    CSettingsStore store{storage, prompt, [](const std::string&) { return true; }};

    CSettings Loaded(void (CSettingsStore::*load)(CSettings&) = &CSettingsStore::LoadSettings) {
        CSettings s;
        (store.*load)(s);
        return s;
    }
};

TEST_F(SettingsStoreTest, FirstRunIsStartedAndExitWritesEveryValueWithInitZero) {
    const CSettings s = Loaded();
    EXPECT_TRUE(s.firstStart);
    EXPECT_TRUE(prompt.messages.empty());

    CSettings exiting = s;
    exiting.firstStart = false;  // the editor has been shown
    ASSERT_EQ(store.SaveSettings(exiting), 1);
    EXPECT_EQ(storage.values.at("Init"), "0");
    EXPECT_EQ(storage.values.count("LastFile"), 0u);  // written only when there is one
    EXPECT_EQ(storage.values.count("WindowPosition"), 0u);
    std::vector<std::string> expected = {
        "SearchOptions", "Transparency", "StartWithWindows", "SysTrayIcon",    "ExpirationDays",
        "ShowToolbar",   "EncryptFiles", "SendTab",          "ClearClipboard", "ClearSeconds",
        "Mask",          "AutosizeCol",  "PinTrayDlg",       "Init",           "DoubleClick",
        "SkinDialog",    "AutoComplete", "DefaultCategory",  "ReportColumns"};
    for (unsigned i = 1; i <= 4; ++i) expected.push_back(NumberedName("Columns", i));
    for (unsigned i = 0; i <= 10; ++i) {
        expected.push_back(NumberedName("ColumnName", i));
        expected.push_back(NumberedName("ColumnIcon", i));
    }
    for (unsigned i = 0; i <= 4; ++i) expected.push_back(NumberedName("CategoryName", i));
    EXPECT_EQ(storage.writeOrder, expected);
    EXPECT_FALSE(Loaded().firstStart);
}

TEST_F(SettingsStoreTest, EveryChangedValueComesBack) {
    CSettings s;
    s.lastFile = "/home/u/Bank Ü.vk";
    s.searchOptions = 1;
    s.transparency = 128;
    s.startWithWindows = s.clearClipboard = s.autosizeCol = s.pinTrayDlg = s.doubleClick = true;
    s.sysTrayIcon = s.showToolbar = s.encryptFiles = s.sendTab = s.mask = false;
    s.skinDialog = s.autoComplete = false;
    s.expirationDays = 90;
    s.clearSeconds = 5;
    s.defaultCategory = 4;
    s.reportColumns = "1,0,x,,7";  // kept as it stands, never parsed
    s.columnSets[2] = {8, 0, -1, 3, -1, -1, -1, -1, -1, -1, -1};
    s.categoryNames[1] = "R&D";
    s.categoryNames[4] = "spare";
    s.columnNames[0] = "Site";
    s.columnIcons[1] = 259;
    ASSERT_EQ(store.SaveSettings(s), 1);

    const CSettings r = Loaded();
    EXPECT_EQ(r.lastFile, s.lastFile);
    EXPECT_EQ(r.searchOptions, 1u);
    EXPECT_EQ(r.transparency, 128u);
    EXPECT_TRUE(r.startWithWindows && r.clearClipboard && r.autosizeCol && r.pinTrayDlg &&
                r.doubleClick);
    EXPECT_FALSE(r.sysTrayIcon || r.showToolbar || r.encryptFiles || r.sendTab || r.mask ||
                 r.skinDialog || r.autoComplete);
    EXPECT_EQ(r.expirationDays, 90u);
    EXPECT_EQ(r.clearSeconds, 5u);
    EXPECT_EQ(r.defaultCategory, 4);
    EXPECT_EQ(r.reportColumns, "1,0,x,,7");
    EXPECT_EQ(r.columnSets, s.columnSets);  // stored order kept, gaps and all
    EXPECT_EQ(r.categoryNames, s.categoryNames);
    EXPECT_EQ(r.columnNames, s.columnNames);
    EXPECT_EQ(r.columnIcons, s.columnIcons);
    // Saved while still starting: Init holds 1, and its presence alone ends the first start.
    EXPECT_EQ(storage.values.at("Init"), "1");
    EXPECT_FALSE(r.firstStart);
}

TEST_F(SettingsStoreTest, ReloadPutsStoredValuesOverEditsAndDefaultsWhereNothingIsStored) {
    storage.values = {{"Transparency", "200"}, {"LastFile", "/old.vk"}};
    CSettings s = Loaded();
    s.firstStart = false;  // the editor has been shown meanwhile
    s.lastFile = "/open.vk";
    s.recentFiles = {"/open.vk"};
    s.transparency = 130;
    s.clearSeconds = 99;
    s.categoryNames[0] = "edited";
    s.columnSets[1] = ParseColumnSet("4,");
    s.showToolbar = false;  // changed by the main window, not by the options
    store.ReloadSettings(s);
    EXPECT_EQ(s.transparency, 200u);
    EXPECT_EQ(s.clearSeconds, 30u);
    EXPECT_EQ(s.categoryNames[0], "Default");
    EXPECT_EQ(s.columnSets, CSettings::DefaultColumnSets());
    EXPECT_FALSE(s.firstStart);
    EXPECT_EQ(s.lastFile, "/open.vk");
    EXPECT_EQ(s.recentFiles, std::vector<std::string>{"/open.vk"});
    EXPECT_FALSE(s.showToolbar);
}

TEST_F(SettingsStoreTest, HostileNumbersKeepTheDefaultOrAreBroughtIntoRange) {
    for (const char* init : {"0", "1", "", "garbage"}) {  // any stored Init ends the first start
        storage.values = {{"Init", init}};
        EXPECT_FALSE(Loaded().firstStart) << init;
    }
    const std::pair<const char*, int> categories[] = {
        {"7", 1}, {"0", 1}, {"-3", 1}, {"4294967295", 1}, {"x", 1}, {"4", 4}, {"2", 2}};
    for (const auto& [stored, expected] : categories) {
        storage.values = {{"DefaultCategory", stored}};
        EXPECT_EQ(Loaded().defaultCategory, expected) << stored;
    }
    storage.values = {{"Transparency", "abc"},
                      {"SearchOptions", "7"},
                      {"ClearSeconds", "4294967295"},
                      {"ExpirationDays", "100000"},
                      {"SysTrayIcon", "-1"},
                      {"SendTab", "2"},
                      {"Mask", "0x0"},
                      {"AutoComplete", " 0 "},
                      {"StartWithWindows", "99999999999999999999999999"}};
    CSettings s = Loaded();
    EXPECT_EQ(s.transparency, 255u);
    EXPECT_EQ(s.searchOptions, 3u);  // only the two option bits
    EXPECT_EQ(s.clearSeconds, kMaxClearSeconds);
    EXPECT_EQ(s.expirationDays, kMaxExpirationDays);
    EXPECT_TRUE(s.sysTrayIcon);  // a negative number is no 32-bit value: default
    EXPECT_TRUE(s.sendTab);
    EXPECT_TRUE(s.mask);
    EXPECT_FALSE(s.autoComplete);
    EXPECT_FALSE(s.startWithWindows);
    storage.values = {{"Transparency", "300"}, {"SearchOptions", "2"}};
    s = Loaded();
    EXPECT_EQ(s.transparency, 255u);
    EXPECT_EQ(s.searchOptions, 2u);

    s.defaultCategory = 9;  // never written out of range either
    store.SaveSettings(s);
    EXPECT_EQ(storage.values.at("DefaultCategory"), "1");
}

TEST_F(SettingsStoreTest, StoredTextIsCutToTheReadBufferWithoutSplittingCharacters) {
    std::string longUtf8;
    for (int i = 0; i < 200; ++i) longUtf8 += "\xC3\xA9";  // é, two bytes each
    storage.values["LastFile"] = std::string(400, 'a');
    storage.values["ReportColumns"] = longUtf8;
    storage.values["CategoryName1"] = std::string("Net\0hidden", 10);
    const CSettings s = Loaded();
    EXPECT_EQ(s.lastFile, std::string(259, 'a'));
    EXPECT_EQ(s.reportColumns.size(), 258u);
    EXPECT_EQ(s.reportColumns, longUtf8.substr(0, 258));
    EXPECT_EQ(s.categoryNames[1], "Net");

    EXPECT_EQ(CutStoredText("\xFF\xFE" + std::string(300, 'x')).size(), 259u);  // not UTF-8
}

TEST_F(SettingsStoreTest, UnreadableKeyKeepsDefaultsSilently) {
    storage.values = {{"Transparency", "128"}, {"Init", "0"}, {"Columns1", "3,"}};
    storage.readable = false;
    const CSettings s = Loaded();
    EXPECT_EQ(s.transparency, 255u);
    EXPECT_TRUE(s.firstStart);
    EXPECT_EQ(s.columnSets, CSettings::DefaultColumnSets());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SettingsStoreTest, RegistryFailureIsShownOncePerRunWhateverFails) {
    CSettings s;
    storage.writable = false;
    EXPECT_EQ(store.SaveSettings(s), 0);
    ASSERT_EQ(prompt.messages, std::vector<std::string>{"Unable to save changes to the registry."});
    EXPECT_EQ(store.SaveCategoryNames(s), 0);
    EXPECT_EQ(store.SaveWindowPosition({1, 2, 3, 4}), 0);
    EXPECT_EQ(store.AddRecentFile(s, "/a.vk"), 0);
    EXPECT_TRUE(storage.values.empty());

    storage.writable = true;
    storage.commitFails = true;  // values accepted, but the file cannot be kept
    EXPECT_EQ(store.SaveColumnSets(s), 0);
    storage.commitFails = false;
    EXPECT_EQ(store.SaveSettings(s), 1);
    EXPECT_EQ(prompt.messages.size(), 1u);

    // A program run is one store: the next run reports again.
    test::ScriptedPrompt nextRun;
    CSettingsStore next(storage, nextRun, [](const std::string&) { return true; });
    storage.writable = false;
    EXPECT_EQ(next.SaveSettings(s), 0);
    EXPECT_EQ(nextRun.messages.size(), 1u);
}

TEST(StoredNumber, AcceptsOnlyWholeDecimalNumbers) {
    EXPECT_EQ(ParseStoredNumber("42"), 42);
    EXPECT_EQ(ParseStoredNumber(" -7\t"), -7);
    EXPECT_EQ(ParseStoredNumber("+3"), 3);
    EXPECT_EQ(ParseStoredNumber("99999999999999999999999"), INT64_MAX);
    EXPECT_EQ(ParseStoredNumber("-99999999999999999999999"), -INT64_MAX);
    for (const char* bad : {"", " ", "-", "12a", "0x10", "1 2", "1.5", "\xEF\xBC\x91"}) {
        EXPECT_FALSE(ParseStoredNumber(bad).has_value()) << bad;
    }
}

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

TEST_F(SettingsStoreTest, ASetWithoutColumnsResetsAllFourButLaterSetsAreStillRead) {
    storage.values = {
        {"Columns1", "3,"}, {"Columns2", "11,12,99,"}, {"Columns3", "4,"}, {"Columns4", "2,8,"}};
    CSettings s = Loaded(&CSettingsStore::LoadColumnSets);
    EXPECT_EQ(s.columnSets[0], DefaultColumnSet(1));  // read, then lost to the reset
    EXPECT_EQ(s.columnSets[1], DefaultColumnSet(2));
    EXPECT_EQ(s.columnSets[2], ColumnSetOf({4}));
    EXPECT_EQ(s.columnSets[3], ColumnSetOf({2, 8}));

    // A missing last set resets everything read before it.
    storage.values.erase("Columns4");
    s = Loaded(&CSettingsStore::LoadColumnSets);
    EXPECT_EQ(s.columnSets, CSettings::DefaultColumnSets());

    storage.values = {
        {"Columns1", "9,"}, {"Columns2", "1,13,x,"}, {"Columns3", "-1,5,"}, {"Columns4", "0,"}};
    s = Loaded(&CSettingsStore::LoadColumnSets);
    EXPECT_EQ(s.columnSets[2], ColumnSetOf({-1, 5}));  // a gap in a stored set stays
    s.columnSets[3] = ColumnSetOf({0, 1});
    ASSERT_EQ(store.SaveColumnSets(s), 1);
    // Untouched sets are written as they were, oddities and all; a changed one in full.
    EXPECT_EQ(storage.values.at("Columns2"), "1,13,x,");
    EXPECT_EQ(storage.values.at("Columns3"), "-1,5,");
    EXPECT_EQ(storage.values.at("Columns4"), "0,1,-1,-1,-1,-1,-1,-1,-1,-1,-1,");
}

TEST_F(SettingsStoreTest, LoadingNamesAndIconsStartsFromTheDefaults) {
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

TEST_F(SettingsStoreTest, CategoryNamesSavedOnTheirOwn) {
    CSettings s;
    s.categoryNames[0] = "Email";
    s.categoryNames[2] = "R&D";
    ASSERT_EQ(store.SaveCategoryNames(s), 1);
    EXPECT_EQ(storage.commits, 1);
    EXPECT_EQ(storage.values.size(), 5u);

    CSettings r;
    store.LoadCategoryNames(r);
    EXPECT_EQ(r.categoryNames, s.categoryNames);
}

TEST(ConfFileText, ReadsTheToolkitsLayoutAndSettingsOverDefaults) {
    const std::string text =
        "; comment\n"
        "ColumnName0=Site\r\n"
        "ColumnName1=\" padded \"\n"
        "CategoryName1=Mail\\tand \\\"more\\\"\\\\\n"
        "Mask=0\n"
        "ExpirationDays=  99999999999\n"
        "junk line\n"
        "=no name\n"
        "[Toolbar]\n"
        "ToolBar0=AAAA\n";
    const auto entries = ParseConfFileText(text);
    EXPECT_EQ(entries.at("ColumnName1"), " padded ");
    EXPECT_EQ(entries.at("CategoryName1"), "Mail\tand \"more\"\\");
    EXPECT_EQ(entries.at("Toolbar/ToolBar0"), "AAAA");
    EXPECT_EQ(entries.count("junk line"), 0u);

    const CSettings s = SettingsFromConfFileText(text, [](const std::string&) { return false; });
    EXPECT_EQ(s.columnNames[0], "Site");
    EXPECT_EQ(s.categoryNames[1], "Mail\tand \"more\"\\");
    EXPECT_FALSE(s.mask);
    EXPECT_EQ(s.expirationDays, CSettings().expirationDays);  // not a 32-bit number: default
    EXPECT_EQ(s.columnNames[2], CSettings().columnNames[2]);
}

}  // namespace
}  // namespace vk
