// Export and import of comma-separated files: the exact bytes written, the walk order, how
// lines and columns are read back, and what failing files and disks leave behind.
#include <gtest/gtest.h>

#include "core/editor/folder_tree.h"
#include "core/settings/settings.h"
#include "core/shell/date_text.h"
#include "core/tools/export_csv.h"
#include "core/tools/import_csv.h"
#include "core/tools/import_dates.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

CRecord Record(std::initializer_list<std::pair<int, std::string>> fields) {
    CRecord r;
    for (const auto& [field, text] : fields) r[field] = text;
    return r;
}

class ExportImportTest : public ::testing::Test {
  protected:
    ExportImportTest() {
        // A (A1, A2) and B (B1); A1 and B1 hold the awkward texts.
        for (const char* path : {"A", "A~A1", "A~A2", "B", "B~B1"}) store.AddFolder(path, 1);
        store.folders[0].records = {Record({{kDescription, "a"}, {kPassword, "p\"w"}})};
        store.folders[1].records = {Record({{kDescription, "two\r\nlines"}, {kNotes, "x\ny"}}),
                                    CRecord(), Record({{kUsername, "caf\xC3\xA9, \"Bob\""}})};
        store.folders[3].records = {Record({{kDescription, "b"}, {kDateAssigned, "03/07/24"}})};
        store.folders[4].records = {Record({{kDescription, "b1"}})};
        tree.BuildFrom(store);
        choice.folders.assign(store.folders.size(), true);
        choice.columnNames = CSettings::DefaultColumnNames();
    }
    std::string Export() { return ExportText(store, tree, choice); }
    std::vector<CRecord> Import(const std::string& bytes, std::vector<int> order, int skip = 0) {
        return ParseImportText(bytes, {std::move(order), skip}, dates).value();
    }

    CPasswordStore store;
    CFolderTree tree;
    ExportChoice choice;
    CLocaleDateFormat dates{std::locale::classic()};
    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
};

TEST_F(ExportImportTest, ExportWritesTheFileByteForByte) {
    std::vector<std::string> walked;
    for (const auto* node : ExportWalkOrder(tree)) walked.push_back(node->name);
    EXPECT_EQ(walked, (std::vector<std::string>{"A", "B", "B1", "A1", "A2"}));

    choice.fields[kDescription] = choice.fields[kUsername] = choice.fields[kDateAssigned] = true;
    choice.folderNames = choice.heading = true;
    choice.columnNames[kUsername] = "\"Login\r\n";
    choice.folders[0] = false;  // A is skipped, its subfolders are not
    EXPECT_EQ(Export(),
              "Folder,\"Description\",\"Login ,\"Date assigned\"\r\n"
              "\"B\",\"b\",\"\",\"03/07/24\"\r\n"
              "\"B\\B1\",\"b1\",\"\",\"\"\r\n"
              "\"A\\A1\",\"two lines\",\"\",\"\"\r\n"
              "\"A\\A1\",\"\",\"caf\xC3\xA9, Bob\",\"\"\r\n");

    // Only the folder column: no record has any length, the heading is the one word.
    choice.fields = {};
    EXPECT_EQ(Export(), "Folder\r\n");
    choice.folderNames = choice.heading = false;
    choice.fields[kPassword] = true;
    choice.folders[0] = true;
    EXPECT_EQ(Export(), "\"pw\"\r\n");
    choice.heading = true;
    choice.fields = {};
    EXPECT_EQ(Export(), "\r\n");
}

TEST(ExportWalk, AWideTreeIsWalkedWithoutRecursion) {
    CPasswordStore wide;
    for (int i = 0; i < 100000; ++i) wide.AddFolder("F" + std::to_string(i), 1);
    CFolderTree wideTree;
    wideTree.BuildFrom(wide);
    EXPECT_EQ(ExportWalkOrder(wideTree).size(), 100000u);
}

TEST_F(ExportImportTest, ImportReadsColumnsQuotesAndLineEnds) {
    const int D = kDescription, U = kUsername, P = kPassword, S = kSkipColumn;
    struct Case {
        std::string bytes;
        std::vector<int> order;
        int skip;
        std::vector<std::vector<std::string>> expected;  // D, U, P of each record
    };
    const Case cases[] = {
        {"a,b,c", {D, S, U}, 0, {{"a", "c", ""}}},
        {"a", {D, U, P}, 0, {{"a", "", ""}}},
        {"\"\",x\r\n", {D, U}, 0, {{"", "x", ""}}},
        {"a\tb,c", {D, U}, 0, {{"a", "", ""}}},
        {"x\r\n\r\ny\r\nz", {D}, 2, {{"y", "", ""}, {"z", "", ""}}},
        {"\r\n\n\r\r\n", {D}, 0, {}},
        {"\"Smith, John\" , \"a \"b\" c\",\"", {D, U, P}, 0, {{"Smith, John", "a \"b\" c", ""}}},
        {"\"a\"b,c", {D, U}, 0, {{"\"a\"b", "c", ""}}},
        {"1\n2\r3\r\n4", {D}, 0, {{"1", "", ""}, {"2", "", ""}, {"3", "", ""}, {"4", "", ""}}},
        {"\xEF\xBB\xBFh,i", {D, U}, 0, {{"h", "i", ""}}},
        {std::string("a\0b,c", 5), {D, U}, 0, {{"a", "", ""}}},
        {" \x0E caf\xE0  \x7F,\xC3\xA0 ", {D, U}, 0, {{"caf\xE0", "\xC3\xA0", ""}}},
        {"a,b", {}, 0, {}},
    };
    for (const Case& c : cases) {
        const auto records = Import(c.bytes, c.order, c.skip);
        ASSERT_EQ(records.size(), c.expected.size()) << c.bytes;
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i][D], c.expected[i][0]) << c.bytes;
            EXPECT_EQ(records[i][U], c.expected[i][1]) << c.bytes;
            EXPECT_EQ(records[i][P], c.expected[i][2]) << c.bytes;
        }
    }
    // Lines of any length; what a field cannot keep is not kept.
    const auto longLine = Import(std::string(10 << 20, 'n') + ",ok", {kNotes, D});
    ASSERT_EQ(longLine.size(), 1u);
    EXPECT_EQ(longLine[0][kNotes].size(), 1024u);
    EXPECT_EQ(longLine[0][D], "ok");
}

TEST_F(ExportImportTest, ImportedDatesAreRealDatesOrNothing) {
    const auto records = Import("a,11/22/33,02/30/24\r\n,2/3/2024,x\r\n,13/01/24,\r\n",
                                {kDescription, kDateAssigned, kDateExpires});
    ASSERT_EQ(records.size(), 2u);  // the last line holds nothing readable
    EXPECT_EQ(records[0].dateAssigned, (SystemTime{2033, 11, 2, 22, 0, 0, 0, 0}));
    EXPECT_EQ(records[0][kDateAssigned], "11/22/33");
    EXPECT_FALSE(records[0].dateExpires.HasDate());
    EXPECT_EQ(records[0][kDateExpires], "");
    EXPECT_EQ(records[1].dateAssigned.year, 2024);
    EXPECT_EQ(records[1][kDateAssigned], "02/03/24");

    CDateTextReader reader(dates);
    EXPECT_EQ(reader.Read("12/31/69")->year, 1969);
    EXPECT_EQ(reader.Read("12/31/68")->year, 2068);
    EXPECT_FALSE(reader.Read("Dec 31 2024"));
    EXPECT_FALSE(reader.Read("1/2/3/4"));
}

TEST_F(ExportImportTest, AnExportReadsBackAsTheSameFields) {
    choice.fields.fill(true);
    const std::string exported = Export();
    std::vector<int> order;
    for (int field = 0; field < kFieldCount; ++field) order.push_back(field);
    const auto records = Import(exported, order);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[3][kDescription], "two lines");
    EXPECT_EQ(records[4][kUsername], "caf\xC3\xA9, Bob");
    EXPECT_EQ(ExportText(store, tree, choice), exported);  // the store was not touched
}

TEST_F(ExportImportTest, FailingDisksAndFilesChangeNothing) {
    fs.files["/out.csv"] = "old";
    fs.failAppendAt = 1;
    EXPECT_FALSE(WriteExportFile(fs, prompt, "/out.csv", "new"));
    fs.failAppendAt = 0;
    fs.failCreateAt = fs.creates + 1;
    EXPECT_FALSE(WriteExportFile(fs, prompt, "/out.csv", "new"));
    EXPECT_EQ(prompt.messages,
              (std::vector<std::string>{"Error:  No space left on device File: /out.csv",
                                        "Error: Could not open the file. Permission denied File: "
                                        "/out.csv"}));
    EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{"/out.csv", "old"}}));
    ASSERT_TRUE(WriteExportFile(fs, prompt, "/out.csv", "new"));
    EXPECT_EQ(fs.files["/out.csv"], "new");
    EXPECT_EQ(fs.access["/out.csv"], TempAccess::kOwnerOnly);

    prompt.messages.clear();
    const ImportChoice order{{kDescription}, 0};
    EXPECT_FALSE(ImportIntoFolder(store, 0, fs, prompt, dates, "/none.csv", order));
    fs.files["/in.csv"] = "x\r\ny\r\n";
    fs.readChunk = 3;
    fs.failReadAt = fs.reads + 2;
    EXPECT_FALSE(ImportIntoFolder(store, 0, fs, prompt, dates, "/in.csv", order));
    EXPECT_EQ(
        prompt.messages,
        (std::vector<std::string>{
            "Error: Could not open the import file. No such file or directory File: /none.csv",
            "Error: Could not read the import file. Input/output error File: /in.csv"}));
    EXPECT_EQ(store.folders[0].records.size(), 1u);
    EXPECT_FALSE(store.modified);

    EXPECT_EQ(ImportIntoFolder(store, 0, fs, prompt, dates, "/in.csv", order), 2u);
    EXPECT_EQ(store.folders[0].records.size(), 3u);
    EXPECT_EQ(store.folders[0].records[2][kDescription], "y");
    EXPECT_EQ(prompt.messages.back(), "2 records were imported.");
    fs.files["/in.csv"] = "\r\n";
    store.modified = false;
    EXPECT_EQ(ImportIntoFolder(store, 0, fs, prompt, dates, "/in.csv", order), 0u);
    EXPECT_EQ(prompt.messages.back(), "There were no records imported.");
    EXPECT_TRUE(store.modified);
}

}  // namespace
}  // namespace vk
