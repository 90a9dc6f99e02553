// Editing from scripts: files written block by block here, changed by the tool, compared byte
// for byte; refusals leave them untouched.
#include <gtest/gtest.h>

#include <map>

#include "core/store/file_layout.h"
#include "tests/cli/cli_runner.h"

namespace vk::test {
namespace {

namespace fl = file_layout;

std::string Block(char tag, const std::string& body) {
    return std::string{tag, 0, 0, 0} + body;
}
std::string Folder(const std::string& path, std::uint32_t category) {
    std::string body(fl::kFolderBytes, '\0');
    body.replace(0, path.size(), path);
    for (int i = 0; i < 4; ++i)
        body[fl::kFolderPathBytes + i] = static_cast<char>(category >> (8 * i));
    return Block('F', body);
}
std::string Record(const std::map<int, std::string>& fields) {
    std::string body(fl::kRecordBytes, '\0');
    for (const auto& [field, text] : fields) {
        for (const fl::Slot& slot : fl::kRecordSlots)
            if (slot.field == field) body.replace(slot.offset, text.size(), text);
    }
    return Block('R', body);
}
const std::string kVersion = Block('V', std::string("3\0\0\0", 4));

// Where two files first differ, instead of pages of zero bytes.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return ::testing::AssertionFailure()
           << "sizes " << actual.size() << " and " << expected.size() << ", first difference at "
           << at << ": \"" << actual.substr(at, 24) << "\" instead of \"" << expected.substr(at, 24)
           << "\"";
}

class EditCommandsTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& bytes) {
        WriteFileBytes(file, bytes);
        return bytes;
    }
    const TempDir dir;
    const std::string file = dir.File("edit.vk");
};

TEST_F(EditCommandsTest, EditsChangeOnlyWhatTheyNameAndKeepEveryOtherByte) {
    const std::string e2 = "\xc3\xa9";  // two bytes
    const std::string history = Block('S', std::string("Mail\0\0\0\0\0\0\0\0\0\0\0\0", 16)) +
                                Block('U', std::string("card\0\0\0\0\0\0\0\0\0\0\0\0", 16));
    // Date texts as another program wrote them stay as they are.
    const std::map<int, std::string> toys{{0, "Toys"}, {9, "3/2/2024"}, {10, "never"}};
    Write(kVersion + history + Folder("Web", 2) + Record({{0, "Mail"}, {2, "pw"}}) +
          Folder("Web~Shops", 1) + Folder("Web~Shops~Old", 1) + Record(toys));

    auto add = Cli({"add", file, "Web", "description=" + std::string(29, 'd') + e2,
                    "PASSWORD=a=b=c", "13=line 1\nline 2", "url=" + std::string(64, 'u')});
    ASSERT_EQ(add.exitCode, 0) << add.err;
    EXPECT_EQ(add.out, "1\n");
    // Notes are shown back with the line breaks they were given.
    EXPECT_NE(Cli({"show", file, "Web", "1"}).out.find("\nNotes: line 1\nline 2\n"),
              std::string::npos);
    ASSERT_EQ(Cli({"edit", file, "Web", "0", "Serial #=", "2=new"}).exitCode, 0);
    ASSERT_EQ(Cli({"rename", file, "Web~Shops", "Stores"}).exitCode, 0);
    EXPECT_TRUE(SameBytes(ReadFileBytes(file), kVersion + history + Folder("Web", 2) +
                                                   Record({{0, "Mail"}, {2, "new"}}) +
                                                   Record({{0, std::string(29, 'd') + e2},
                                                           {2, "a=b=c"},
                                                           {13, "line 1\r\nline 2"},
                                                           {11, std::string(64, 'u')}}) +
                                                   Folder("Web~Stores", 1) +
                                                   Folder("Web~Stores~Old", 1) + Record(toys)));

    ASSERT_EQ(Cli({"mkdir", file, "Web~Stores~New"}).exitCode, 0);
    ASSERT_EQ(Cli({"mkdir", file, "Top", "--category", "3"}).exitCode, 0);
    ASSERT_EQ(Cli({"rm", file, "Web", "0"}).exitCode, 0);
    ASSERT_EQ(Cli({"rmdir", file, "Web~Stores~Old"}).exitCode, 0);
    EXPECT_TRUE(SameBytes(ReadFileBytes(file), kVersion + history + Folder("Web", 2) +
                                                   Record({{0, std::string(29, 'd') + e2},
                                                           {2, "a=b=c"},
                                                           {13, "line 1\r\nline 2"},
                                                           {11, std::string(64, 'u')}}) +
                                                   Folder("Web~Stores", 1) +
                                                   Folder("Web~Stores~New", 2) + Folder("Top", 3)));

    ASSERT_EQ(Cli({"add", file, "Top", "assigned=2024-02-29"}).exitCode, 0);
    auto json = Cli({"export", file, "--format", "json"});
    EXPECT_NE(json.out.find("\"dateAssigned\": [\n            2024,\n            2,\n            4,"
                            "\n            29,"),
              std::string::npos)
        << json.out;  // a Thursday
}

TEST_F(EditCommandsTest, RefusalsExitOneAndLeaveTheFileUntouched) {
    const std::string deep(250, 'd');
    const std::string bytes =
        Write(kVersion + Folder("A", 1) + Record({{0, "one"}}) + Folder("A~" + deep, 1) +
              Folder("A~" + deep + "~leaf12", 1) + Folder("A~Cards", 1));
    struct Case {
        std::vector<std::string> args;
        int exit;
        std::string err;
    };
    const Case cases[] = {
        {{"mkdir", file, "A~Cards"}, 1, "An entry with that name already exists"},
        {{"mkdir", file, "Nowhere~X"}, 1, "No folder named \"Nowhere\" in " + file + "."},
        {{"mkdir", file, "A~"}, 1, "A folder name cannot be empty."},
        {{"mkdir", file, "A~" + deep + "~123456789"},
         1,
         "The full length of this folder exceeds the maximum size of 260 characters. Please "
         "shorten the name or create a new non-subfolder."},
        {{"mkdir", file, "X", "--category", "5"}, 2, ""},
        {{"rename", file, "A~Cards", deep}, 1, "An entry with that name already exists"},
        {{"rename", file, "A~Cards", "a~b"},
         1,
         "Please do not use the ~ character in folder names."},
        {{"rename", file, "A", "AB"},
         1,
         "The full length of this folder exceeds the maximum size of 260 characters. Please "
         "shorten the name or create a new non-subfolder."},
        {{"rename", file, "A", ""}, 1, "A folder name cannot be empty."},
        {{"rename", file, "A", "A"}, 0, ""},  // unchanged: accepted, nothing written
        {{"rmdir", file, "a"}, 1, "No folder named \"a\" in " + file + "."},
        {{"add", file, "A", "title=" + std::string(32, 't')},
         1,
         "The Title field holds at most 31 bytes."},
        {{"add", file, "A", "card=1\n2"},
         1,
         "The Credit card # field cannot hold a line break; only Notes can."},
        {{"add", file, "A", "notes=" + std::string(1022, 'n') + "\n"},
         1,
         "The Notes field holds at most 1023 bytes."},
        {{"add", file, "A", "expires=2023-02-29"},
         1,
         "\"2023-02-29\" is not a date: give YYYY-MM-DD, or nothing to clear the date."},
        {{"add", file, "A", "14=x"},
         2,
         "No field named \"14\": give its name as show prints it, its short word, or 0 to 13."},
        {{"add", file, "A", "password:hunter2"},  // never echoed: it may be a secret
         2,
         "Expected FIELD=VALUE: an argument after the folder holds no '='."},
        {{"add", file, "A~Cards", "notes="}, 0, ""},  // an empty record: kept once
        {{"edit", file, "A", "1", "title=x"}, 1, "The folder \"A\" has no record 1."},
        {{"edit", file, "A", "-1", "title=x"}, 1, "The folder \"A\" has no record -1."},
        {{"edit", file, "A", "x", "title=x"}, 2, "INDEX: must be a whole number, not \"x\""},
        {{"rm", file, "A", "99999999999999999999"},
         2,
         "INDEX: no record index can be 99999999999999999999"},
        {{"rm", file, "A", "+1"}, 2, "INDEX: must be a whole number, not \"+1\""},
        {{"rm", file, "A", ""}, 2, "INDEX: must be a whole number, not \"\""},
        {{"search", file, ""}, 2, "The search text is empty."},
        {{"search", file, "none"}, 1, "Search item was not found."},
    };
    for (const Case& c : cases) {
        const std::string before = ReadFileBytes(file);
        auto r = Cli(c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args[0] << " " << c.args.back() << ": " << r.err;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err + "\n");
        }
        if (c.exit != 0) {
            EXPECT_TRUE(SameBytes(ReadFileBytes(file), before)) << c.args.back();
        }
    }
    // The empty record went in once; a second one is refused.
    EXPECT_EQ(Cli({"add", file, "A~Cards", "notes="}).exitCode, 1);
    EXPECT_TRUE(SameBytes(ReadFileBytes(file), bytes + Record({})));
}

TEST_F(EditCommandsTest, AProtectedFileStaysProtectedWithItsReminderAndHistories) {
    ImportDemo(file);
    const std::string before = CliWithPassword({"export", file, "--format", "json"}).out;
    ASSERT_EQ(CliWithPassword({"add", file, "Email", "description=Extra"}).out, "1\n");
    ASSERT_EQ(CliWithPassword({"rm", file, "Email", "1"}).exitCode, 0);
    EXPECT_EQ(CliWithPassword({"export", file, "--format", "json"}).out, before);
    EXPECT_EQ(Cli({"rm", file, "Email", "0"}, "wrong\n").exitCode, 1);
    EXPECT_NE(ReadFileBytes(file).find("the word demo"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(file).find("Extra"), std::string::npos);
}

TEST_F(EditCommandsTest, SearchListsMatchesInTreeOrderAndNeverWrites) {
    // Stored out of tree order, with a duplicate path and a category no set names.
    const std::string bytes =
        Write(kVersion + Folder("Net~Mail", 1) + Record({{1, "Bank user"}}) + Folder("Net", 2) +
              Record({{0, "bank"}, {12, "x@bank"}}) + Folder("Cards", 9) +
              Record({{3, "BANK"}, {0, "visa"}, {13, "my bank"}}) + Folder("Cards", 3) +
              Record({{6, "Bank of Y"}, {7, "bank"}}));
    EXPECT_EQ(Cli({"ls", file}).out, "Net~Mail\nNet\nCards\nCards\n");
    auto all = Cli({"search", file, "bank"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(all.out,
              "Net~Mail\t0\tUsername\nNet\t0\tDescription\nCards\t0\tNotes\nCards\t0\tBank\n");
    EXPECT_EQ(Cli({"search", file, "bank", "--whole-field"}).out,
              "Net\t0\tDescription\nCards\t0\tAccount\n");
    EXPECT_EQ(Cli({"search", file, "BANK", "--match-case", "--whole-field"}).exitCode, 1);
    EXPECT_EQ(Cli({"search", file, "Bank", "--match-case"}).out,
              "Net~Mail\t0\tUsername\nCards\t0\tBank\n");
    EXPECT_TRUE(SameBytes(ReadFileBytes(file), bytes));
}

}  // namespace
}  // namespace vk::test
