// export and import as a script sees them: comma-separated files, the machine form's limits,
// exit codes, owner-only outputs and password files left as they were by every failure.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/cli/cli_runner.h"

namespace vk::test {
namespace {

// Every command here reads the demo's password.
ProcessResult Demo(std::vector<std::string> args) {
    return CliWithPassword(std::move(args));
}

class ExchangeCliTest : public ::testing::Test {
  protected:
    ExchangeCliTest() {
        ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);  // default column names
        ImportDemo(demo);
    }
    TempDir dir;
    const std::string demo = dir.File("demo.vk");
};

TEST_F(ExchangeCliTest, CsvExportWritesTheChosenRecords) {
    auto out =
        Demo({"export", demo, "--format", "csv", "--folder", "Banking~Cards", "--folder", "Email",
              "--fields", "description,3,Credit card #", "--folder-names", "--heading"});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    EXPECT_EQ(out.out,
              "Folder,\"Description\",\"Title\",\"Credit card #\"\r\n"
              "\"Email\",\"Work address\",\"Work\",\"\"\r\n"
              "\"Banking\\Cards\",\"Travel card\",\"Visa\",\"4929 1234 5678 9012\"\r\n");
    EXPECT_EQ(out.err, "");
    EXPECT_EQ(
        Demo({"export", demo, "--format", "text", "--folder", "Banking~Cards", "--folder", "Email",
              "--fields", "description,3,Credit card #", "--folder-names", "--heading", "-o", "-"})
            .out,
        out.out);

    // A readable file in the way is replaced by an owner-only one; one warning line follows.
    const std::string file = dir.File("out.csv");
    WriteFileBytes(file, "old");
    ::chmod(file.c_str(), 0644);
    auto written = Demo({"export", demo, "--format", "csv", "-o", file});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(FileMode(file), 0600u);
    EXPECT_EQ(ReadFileBytes(file), Demo({"export", demo, "--format", "csv"}).out);
    EXPECT_EQ(written.err,
              "Files that have been exported are not encrypted and may contain password or other "
              "information that you wish to be kept private. You should delete the exported "
              "file as soon as possible.\n");
    // So is the machine form's output.
    ::chmod(file.c_str(), 0644);
    ASSERT_EQ(Demo({"export", demo, "--format", "json", "-o", file}).exitCode, 0);
    EXPECT_EQ(FileMode(file), 0600u);
    // A device in the way is never replaced by a file; standard output that fails is a failure.
    auto device = Demo({"export", demo, "--format", "csv", "-o", "/dev/null"});
    EXPECT_EQ(device.exitCode, 1);
    EXPECT_EQ(device.err, "Error: Could not open the file. Not a regular file File: /dev/null\n");
    auto full = RunProcess({"/bin/sh", "-c",
                            std::string(VK_CLI_PATH) + " export " + demo +
                                " --format csv --password-stdin >/dev/full"},
                           "demo\n");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "Error writing to standard output.\n");
    // Nor is the password file itself, under any of its names.
    const std::string before = ReadFileBytes(demo);
    ::symlink(demo.c_str(), dir.File("link.vk").c_str());
    EXPECT_EQ(Demo({"export", demo, "--format", "json", "-o", dir.File("link.vk")}).err,
              "The export cannot replace the password file " + demo + ".\n");
    EXPECT_EQ(ReadFileBytes(demo), before);
}

TEST_F(ExchangeCliTest, CsvImportAddsTheExportedRecordsBack) {
    const std::string csv = dir.File("all.csv");
    ASSERT_EQ(
        Demo({"export", demo, "--format", "csv", "--folder", "Internet", "--heading", "-o", csv})
            .exitCode,
        0);
    const std::string all = "0,1,2,3,4,5,6,7,8,9,10,11,12,13";
    auto imported = Demo({"import", csv, demo, "--format", "csv", "--folder", "Email", "--order",
                          all, "--skip-lines", "1"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "2 records were imported.\n");
    auto again = Demo({"export", demo, "--format", "csv", "--folder", "Email"});
    EXPECT_EQ(again.out.substr(again.out.find("\r\n") + 2),
              ReadFileBytes(csv).substr(ReadFileBytes(csv).find("\r\n") + 2));

    WriteFileBytes(csv, "\r\n\"only\",skipped\r\n");
    const std::string before = ReadFileBytes(demo);
    auto none = Demo({"import", csv, demo, "--format", "csv", "--folder", "Email", "--order",
                      "skip,skip", "--skip-lines", "0"});
    EXPECT_EQ(none.out, "There were no records imported.\n");
    EXPECT_EQ(ReadFileBytes(demo), before);
}

TEST_F(ExchangeCliTest, FailuresLeaveThePasswordFileAsItWas) {
    const std::string csv = dir.File("in.csv");
    WriteFileBytes(csv, "a,b\r\n");
    const std::string before = ReadFileBytes(demo);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"import", csv, demo, "--format", "csv", "--order", "0"},
         1,
         "You must select a folder to import to.\n"},
        {{"import", csv, demo, "--format", "csv", "--order", "0", "--folder", "Nope"},
         1,
         "No folder named \"Nope\" in " + demo + ".\n"},
        {{"import", dir.File("none.csv"), demo, "--format", "csv", "--order", "0", "--folder",
          "Email"},
         1,
         "Error: Could not open the import file. No such file or directory File: " +
             dir.File("none.csv") + "\n"},
        {{"export", demo, "--format", "csv", "--folder", "Nope"},
         1,
         "No folder named \"Nope\" in " + demo + ".\n"},
        {{"import", csv, demo, "--format", "csv", "--order", "0,nope", "--folder", "Email"}, 2, ""},
        {{"import", csv, demo, "--format", "csv", "--order", "0,description", "--folder", "Email"},
         2,
         ""},
        {{"import", csv, demo, "--format", "csv", "--order", "", "--folder", "Email"}, 2, ""},
        {{"import", csv, demo, "--format", "csv", "--folder", "Email"}, 2, ""},
        {{"import", csv, demo, "--format", "csv", "--order", "0", "--skip-lines", "11"}, 2, ""},
        {{"import", csv, demo, "--format", "csv", "--order", "0", "--force"}, 2, ""},
        {{"import", csv, demo, "--format", "json", "--order", "0", "--force"}, 2, ""},
        {{"export", demo, "--format", "json", "--heading"}, 2, ""},
        {{"export", demo, "--format", "csv", "--fields", "1,2,14"}, 2, ""},
    };
    for (const Case& c : cases) {
        auto r = Demo(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << c.args[4];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
    }
    // A file size limit fails the save instead of ending the tool halfway.
    auto limited =
        RunProcess({"/bin/sh", "-c",
                    "ulimit -f 1; exec " + std::string(VK_CLI_PATH) + " import " + csv + " " +
                        demo + " --format csv --order 0 --folder Email --password-stdin"},
                   "demo\n");
    EXPECT_EQ(limited.exitCode, 1);
    EXPECT_EQ(ReadFileBytes(demo), before);
}

TEST_F(ExchangeCliTest, TheMachineFormRefusesWhatItsSlotsCannotKeep) {
    // A document with one record whose field `field` (or path, or reminder) is `text`.
    auto document = [](int field, const std::string& text, const std::string& path = "A",
                       const std::string& reminder = "") {
        std::string fields;
        for (int f = 0; f < 14; ++f)
            fields += std::string(f ? "," : "") + "\"" + (f == field ? text : "") + "\"";
        // Only a protected file keeps a reminder.
        return R"({"version":"3","encrypted":)" + std::string(reminder.empty() ? "false" : "true") +
               R"(,"reminder":")" + reminder +
               R"(","folderHistory":["a","b","c","d","e","f"],"itemHistory":[],"folders":[{"path":")" +
               path + R"(","category":1,"records":[{"fields":[)" + fields +
               R"(],"dateAssigned":[0,0,0,0,0,0,0,0],"dateExpires":[0,0,0,0,0,0,0,0]}]}]})";
    };
    // Whole slots: a file read back may fill them (another program's, or a CSV import's).
    const std::size_t limits[14] = {32, 32, 64, 32, 64, 24, 32, 32, 24, 12, 12, 64, 256, 1024};
    const std::string e = "\xC3\xA9";
    struct Case {
        std::string json;
        std::string error;  // empty: stored whole
        std::string kept;   // then exported back as this JSON text
    };
    std::vector<Case> cases;
    auto kept = [&](const std::string& json, const std::string& text) {
        cases.push_back({json, "", text});
    };
    auto refused = [&](const std::string& json, const std::string& error) {
        cases.push_back({json, error, ""});
    };
    for (int f = 0; f < 14; ++f) {
        if (f == 9 || f == 10) continue;  // the date texts follow the dates
        const std::size_t n = limits[f];
        const std::string tooLong = "folders[0].records[0].fields[" + std::to_string(f) +
                                    "] is longer than " + std::to_string(n) + " bytes.";
        kept(document(f, std::string(n, 'x')), std::string(n, 'x'));
        refused(document(f, std::string(n + 1, 'x')), tooLong);
        refused(document(f, std::string(n - 1, 'x') + e), tooLong);
    }
    kept(document(0, std::string(30, 'x') + e), std::string(30, 'x') + e);
    refused(document(1, "a\\u0000b"), "folders[0].records[0].fields[1] contains a NUL character.");
    kept(document(0, "", std::string(259, 'p')), std::string(259, 'p'));
    refused(document(0, "", std::string(260, 'p')), "folders[0].path is longer than 259 bytes.");
    refused(document(0, "", "a\\u0000"), "folders[0].path contains a NUL character.");
    kept(document(0, "", "A", std::string(32, 'r')), std::string(32, 'r'));
    refused(document(0, "", "A", std::string(33, 'r')), "\"reminder\" is longer than 32 bytes.");

    const std::string in = dir.File("in.json");
    const std::string before = ReadFileBytes(demo);
    for (const Case& c : cases) {
        WriteFileBytes(in, c.json);
        auto r = Demo({"import", in, demo, "--format", "json", "--force"});
        if (c.error.empty()) {
            ASSERT_EQ(r.exitCode, 0) << r.err;
            const std::string back = Demo({"export", demo, "--format", "json"}).out;
            EXPECT_NE(back.find("\"" + c.kept + "\""), std::string::npos) << c.kept;
            WriteFileBytes(demo, before);
        } else {
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_EQ(r.err, "Invalid JSON password file: " + c.error + "\n");
            EXPECT_EQ(ReadFileBytes(demo), before);
        }
    }
}

}  // namespace
}  // namespace vk::test
