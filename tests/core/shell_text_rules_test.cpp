// Small shared rules: quotes, names in menus, categories, search, histories, columns,
// launching, and the file names shared by the password dialogs, the file commands and the
// pickers.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/shell/column_choice.h"
#include "core/shell/combo_history.h"
#include "core/shell/file_names.h"
#include "core/shell/launch_rules.h"
#include "core/shell/letter_case.h"
#include "core/shell/search_match.h"
#include "core/shell/text_rules.h"
#include "core/store/field_names.h"
#include "core/store/password_store.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

TEST(ShellText, QuotesComeOffAndGoOnOnlyWhereTheyShould) {
    EXPECT_EQ(RemoveEnclosingQuotes("\"C:\\My files\\a.vk\""), "C:\\My files\\a.vk");
    EXPECT_EQ(RemoveEnclosingQuotes("\"\""), "");
    EXPECT_EQ(RemoveEnclosingQuotes("\""), "\"");  // a lone mark encloses nothing
    EXPECT_EQ(RemoveEnclosingQuotes("\"half"), "\"half");
    EXPECT_EQ(RemoveEnclosingQuotes(""), "");

    EXPECT_EQ(AddEnclosingQuotes("a b"), "\"a b\"");
    EXPECT_EQ(AddEnclosingQuotes(""), "");
    EXPECT_EQ(AddEnclosingQuotes("\"already"), "\"already");
}

TEST(ShellText, NamesShowLiterallyInMenusAndCategoriesAreLookedUp) {
    EXPECT_EQ(MenuTextOfName("Bills & Banks"), "Bills && Banks");
    EXPECT_EQ(MenuTextOfName("&&"), "&&&&");
    EXPECT_EQ(MenuTextOfName("Tab\there\x7f\n"), "Tab here  ");

    const std::vector<std::string> names{"Default", "Internet", "Banking", "Software", ""};
    EXPECT_EQ(CategoryName(1, names), "Default");
    EXPECT_EQ(CategoryName(4, names), "Software");
    EXPECT_EQ(CategoryName(0, names), "INVALID COLUMN");
    EXPECT_EQ(CategoryName(5, names), "INVALID COLUMN");
    EXPECT_EQ(CategoryName(-1, names), "INVALID COLUMN");
    EXPECT_EQ(CategoryName(3, {"a", "b"}), "INVALID COLUMN");
}

TEST(ShellText, SearchFollowsTheOptionBits) {
    // Default options (3): any letter case, part of the text.
    EXPECT_TRUE(SearchMatches("My GMail Account", "gmail", 3));
    EXPECT_FALSE(SearchMatches("My GMail Account", "hotmail", 3));
    // Bit 1 clear: the whole text, still ignoring case.
    EXPECT_FALSE(SearchMatches("My GMail Account", "gmail", 1));
    EXPECT_TRUE(SearchMatches("GMAIL", "gmail", 1));
    // Bit 0 clear: exact letters.
    EXPECT_FALSE(SearchMatches("My GMail Account", "gmail", 2));
    EXPECT_TRUE(SearchMatches("My GMail Account", "GMail", 2));
    EXPECT_FALSE(SearchMatches("GMAIL", "gmail", 0));
    EXPECT_TRUE(SearchMatches("gmail", "gmail", 0));
    // Beyond ASCII, and a Windows-1252 record text against a typed UTF-8 search.
    EXPECT_TRUE(
        SearchMatches("\xC3\x84RGER \xC3\x9C"
                      "BER",
                      "\xC3\xA4rger \xC3\xBC"
                      "ber",
                      1));
    EXPECT_TRUE(SearchMatches("Caf\xC9", "caf\xC3\xA9", 3));
    EXPECT_TRUE(SearchMatches("\xD0\x9F\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C",
                              "\xD0\xBF\xD0\xB0\xD1\x80", 3));  // Cyrillic
    EXPECT_TRUE(SearchMatches("anything", "", 3));
}

TEST(ShellText, LowerCaseKeepsTheTextsEncoding) {
    EXPECT_EQ(LowerCaseText("ABC xyz 123"), "abc xyz 123");
    EXPECT_EQ(LowerCaseText("\xC5\xB8\xC4\x8C\xC3\x97"), "\xC3\xBF\xC4\x8D\xC3\x97");  // Y" C^ x
    EXPECT_EQ(LowerCaseText("\xC9\x8A\xD7"), "\xE9\x9A\xD7");  // Windows-1252 stays so
}

TEST(ShellText, HistoryTakesNewNonEmptyTextsFirstAndGivesBackFive) {
    std::vector<std::string> entries{"b", "c"};
    EXPECT_FALSE(AddTextToHistory(entries, ""));
    EXPECT_FALSE(AddTextToHistory(entries, "c"));
    EXPECT_TRUE(AddTextToHistory(entries, "C"));  // letter case makes another entry
    EXPECT_TRUE(AddTextToHistory(entries, "a"));
    EXPECT_EQ(entries, (std::vector<std::string>{"a", "C", "b", "c"}));

    entries.insert(entries.end(), {"d", "e", "f"});
    EXPECT_EQ(HistoryToList(entries), (std::vector<std::string>{"a", "C", "b", "c", "d"}));
    EXPECT_TRUE(HistoryToList({}).empty());
}

TEST(ShellText, ColumnsFollowTheTickedBoxesInListOrder) {
    test::ScriptedPrompt prompt;
    std::array<int, 11> set{0, 1, 2, -1, -1, -1, -1, -1, -1, -1, -1};
    std::set<int> ticked{2010, 2003, 2000, 1999, 2011};
    auto isTicked = [&](int id) { return ticked.count(id) > 0; };

    // The id list decides the order; ids outside the column boxes and repeats are ignored.
    const std::vector<int> ids{2010, 2000, 1999, 2003, 2011, 2000};
    ASSERT_TRUE(ColumnsFromCheckBoxes(ids, isTicked, set, prompt));
    EXPECT_EQ(set, (std::array<int, 11>{10, 0, 3, -1, -1, -1, -1, -1, -1, -1, -1}));

    std::vector<int> all;
    for (int id = 2000; id <= 2010; ++id) all.push_back(id);
    ticked = {all.begin(), all.end()};
    ASSERT_TRUE(ColumnsFromCheckBoxes(all, isTicked, set, prompt));
    EXPECT_EQ(set, (std::array<int, 11>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(prompt.messages.empty());

    ticked.clear();
    const auto before = set;
    EXPECT_FALSE(ColumnsFromCheckBoxes(all, isTicked, set, prompt));
    EXPECT_EQ(set, before);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"You must select at least one column"}));
}

TEST(ShellText, LaunchTellsAddressesFromDocuments) {
    EXPECT_EQ(ClassifyLaunchText("https://example.com/a?b"), LaunchKind::kWebAddress);
    EXPECT_EQ(ClassifyLaunchText("mailto:someone@example.com"), LaunchKind::kWebAddress);
    EXPECT_EQ(ClassifyLaunchText("WWW.example.com"), LaunchKind::kWebAddress);
    EXPECT_EQ(ClassifyLaunchText("C:\\Docs\\a.pdf"), LaunchKind::kDocument);
    EXPECT_EQ(ClassifyLaunchText("/home/u/a.pdf"), LaunchKind::kDocument);
    EXPECT_EQ(ClassifyLaunchText("notes.txt"), LaunchKind::kDocument);
}

TEST(ShellText, BrowserCommandLineCutsAtThePlaceholder) {
    EXPECT_EQ(BrowserCommandLine("\"C:\\B\\b.exe\" -url \"%1\"", "http://x"),
              "\"C:\\B\\b.exe\" -url  http://x");
    EXPECT_EQ(BrowserCommandLine("C:\\B\\b.exe -nohome %1 -x", "http://x"),
              "C:\\B\\b.exe -nohome  http://x");
    EXPECT_EQ(BrowserCommandLine("C:\\B\\b.exe", "http://x"), "C:\\B\\b.exe http://x");
}

TEST(FieldNames, EveryCommandNamesAFieldTheSameWays) {
    struct Case {
        const char* name;
        std::optional<int> field;
    } cases[] = {{"Serial #", kSerial}, {"serial #", kSerial},          {"serial", kSerial},
                 {"CARD", kCreditCard}, {"Credit card #", kCreditCard}, {"13", kNotes},
                 {"0", kDescription},   {"14", std::nullopt},           {"-1", std::nullopt},
                 {"", std::nullopt},    {"pass", std::nullopt},         {"007", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(FieldFromName(c.name), c.field) << c.name;
    for (int f = 0; f < kFieldCount; ++f) EXPECT_EQ(FieldFromName(FieldShortName(f)), f);
}

TEST(ShellFileNames, BareNamesGoToTheProgramFolderOthersStay) {
    EXPECT_EQ(PlaceBareFileName("mine.vk", "/opt/vk/"), "/opt/vk/mine.vk");
    EXPECT_EQ(PlaceBareFileName("mine.vk", "/opt/vk"), "/opt/vk/mine.vk");
    EXPECT_EQ(PlaceBareFileName("C:\\Data\\mine.vk", "/opt/vk/"), "C:\\Data\\mine.vk");
    EXPECT_EQ(PlaceBareFileName("/home/a/mine.vk", "/opt/vk/"), "/home/a/mine.vk");
    EXPECT_EQ(PlaceBareFileName("sub/mine.vk", "/opt/vk/"), "sub/mine.vk");

    EXPECT_EQ(FileNamePart("C:\\Data\\mine.vk"), "mine.vk");
    EXPECT_EQ(FileNamePart("/home/a/mine.vk"), "mine.vk");
    EXPECT_EQ(FileNamePart("mine.vk"), "mine.vk");
    EXPECT_EQ(FileNamePart("/home/a/"), "");
}

TEST(ShellFileNames, ExtensionIsAddedOnlyWhenNoneIsThereAndPickersShowIt) {
    EXPECT_EQ(WithPasswordFileExtension("mine"), "mine.vk");
    EXPECT_EQ(WithPasswordFileExtension("MINE.VK"), "MINE.VK");
    EXPECT_EQ(WithPasswordFileExtension("/a/b.vk"), "/a/b.vk");
    EXPECT_EQ(WithPasswordFileExtension("notes.txt"), "notes.txt.vk");
    // The pickers show our files first, then every file.
    EXPECT_EQ(PasswordFileFilter(), "Vaultkeep files (*.vk)|*.vk|All Files (*.*)|*.*");
    EXPECT_EQ(PasswordFileFilter("*"), "Vaultkeep files (*.vk)|*.vk|All Files (*.*)|*");
}

TEST(ShellFileNames, ForbiddenCharactersAreRefusedWithTheList) {
    test::ScriptedPrompt prompt;
    for (const char* bad : {"a:b.vk", "a*.vk", "what?.vk", "say\"hi\".vk", "<x>.vk", "a|b.vk"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CheckFileNameCharacters(std::string("/home/u/") + bad, prompt));
    }
    ASSERT_EQ(prompt.messages.size(), 6u);
    EXPECT_EQ(prompt.messages[0],
              "\nPlease do not use any of the following characters\nin the filename:\n\n"
              "                    / \\ : * ? \" < > | ");
    EXPECT_EQ(prompt.icons[0], MessageIcon::kExclamation);

    // Only the name part counts: folders may hold what they like.
    EXPECT_TRUE(CheckFileNameCharacters("C:\\Data\\mine.vk", prompt));
    EXPECT_TRUE(CheckFileNameCharacters("/mnt/a:b/mine.vk", prompt));
    EXPECT_EQ(prompt.messages.size(), 6u);
}

}  // namespace
}  // namespace vk
