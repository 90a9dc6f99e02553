// The report as a PDF file: pages written, owner-only replacement, and failures that leave
// the old file as it was with nothing beside it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>

#include "core/tools/report_printer.h"
#include "platform/pdf/report_pdf.h"
#include "platform/posix_file_system.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/process.h"

namespace vk {
namespace {

// `lines` lines of text, as many pages as they need.
CReportDocument Lines(IReportCanvas& canvas, int lines) {
    CReportPrinter printer(canvas, 12);
    printer.SetHeading("Heading");
    printer.StartDocument();
    for (int i = 0; i < lines; ++i)
        printer.PrintLine("line " + std::to_string(i), ReportAlign::kLeft, true);
    return printer.EndDocument();
}

int PageObjects(const std::string& pdf) {
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST(ReportPdf, WritesEveryPageOwnerOnlyOverAReadableFile) {
    test::TempDir dir;
    const std::string out = dir.File("report.pdf");
    test::WriteFileBytes(out, "old");
    ::chmod(out.c_str(), 0644);
    CPosixFileSystem fs;
    int pages = 0;
    const FileStatus status =
        WriteReportPdf(fs, out, PaperSize::kLetter, [&](IReportCanvas& canvas) {
            EXPECT_EQ(canvas.Device().unitsPerInchY, 72);
            EXPECT_EQ(canvas.Device().pageHeight, 792);
            CReportDocument doc = Lines(canvas, 100);
            pages = static_cast<int>(doc.PageCount());
            return doc;
        });
    ASSERT_TRUE(status.ok()) << status.error;
    EXPECT_GE(pages, 3);
    const std::string pdf = test::ReadFileBytes(out);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(PageObjects(pdf), pages);
    EXPECT_EQ(test::FileMode(out), 0600u);
    EXPECT_EQ(test::EntriesIn(dir.path()), 1u);
    EXPECT_EQ(PaperSizeFromName("LETTER"), PaperSize::kLetter);
    EXPECT_EQ(PaperSizeFromName("a5"), std::nullopt);
}

TEST(ReportPdf, AFailingStepLeavesTheOldFileAndNoDebris) {
    struct Case {
        int test::MemFileSystem::*step;
        int at;
    };
    for (const Case c :
         {Case{&test::MemFileSystem::failAppendAt, 1}, Case{&test::MemFileSystem::failAppendAt, 3},
          Case{&test::MemFileSystem::failSyncAt, 1}, Case{&test::MemFileSystem::failCloseAt, 1},
          Case{&test::MemFileSystem::failRenameAt, 1}}) {
        test::MemFileSystem fs;
        fs.files["/r/out.pdf"] = "old";
        fs.*c.step = c.at;
        const FileStatus status =
            WriteReportPdf(fs, "/r/out.pdf", PaperSize::kA4,
                           [](IReportCanvas& canvas) { return Lines(canvas, 200); });
        EXPECT_FALSE(status.ok());
        EXPECT_EQ(fs.files.size(), 1u);
        EXPECT_EQ(fs.files["/r/out.pdf"], "old");
    }
}

}  // namespace
}  // namespace vk
