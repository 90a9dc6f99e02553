// The report: laying out a large file on a canvas with fixed-width fonts, and writing a PDF
// with real fonts into memory.
#include <benchmark/benchmark.h>

#include <string>

#include "core/tools/report_run.h"
#include "platform/pdf/report_pdf.h"
#include "tests/support/fake_report_canvas.h"
#include "tests/support/mem_file_system.h"

namespace vk {
namespace {

// `records` records spread over folders of 100, every third with notes.
CPasswordStore MakeStore(int records) {
    CPasswordStore store;
    for (int i = 0; i < records; ++i) {
        if (i % 100 == 0) store.AddFolder("Folder " + std::to_string(i / 100), 1 + (i / 100) % 4);
        CRecord r;
        r[kDescription] = "Account number " + std::to_string(i);
        r[kUsername] = "user" + std::to_string(i) + "@example.com";
        r[kPassword] = "pw-" + std::to_string(i * 7919);
        r[kTitle] = "Title " + std::to_string(i);
        r[kSerial] = "SN-" + std::to_string(i);
        r[kUrl] = "https://example.com/" + std::to_string(i);
        if (i % 3 == 0) r[kNotes] = std::string(200, 'n');
        store.folders.back().records.push_back(std::move(r));
    }
    return store;
}

struct Report {
    explicit Report(int records) : store(MakeStore(records)) {
        tree.BuildFrom(store);
        selection = std::make_unique<CReportSelection>(tree);
        items = ReportItems{true, true, false, true};
        options.bars = true;
    }
    CReportDocument LayOut(IReportCanvas& canvas) const {
        return LayOutReport({store, *selection, settings, items, options,
                             SystemTime{2024, 6, 0, 15, 12, 0, 0, 0}, "June 15, 2024"},
                            canvas);
    }
    CPasswordStore store;
    CFolderTree tree;
    std::unique_ptr<CReportSelection> selection;
    CSettings settings;
    ReportItems items;
    CReportSettings options;
};

void BM_LayOut20000Records(benchmark::State& state) {
    const Report report(20000);
    std::size_t pages = 0;
    for (auto _ : state) {
        test::FakeReportCanvas canvas;
        pages = report.LayOut(canvas).PageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_LayOut20000Records)->Unit(benchmark::kMillisecond);

void BM_Pdf5000Records(benchmark::State& state) {
    const Report report(5000);
    std::size_t bytes = 0;
    for (auto _ : state) {
        test::MemFileSystem fs;
        const FileStatus status =
            WriteReportPdf(fs, "/r/report.pdf", PaperSize::kA4,
                           [&](IReportCanvas& canvas) { return report.LayOut(canvas); });
        if (!status.ok()) state.SkipWithError(status.error.c_str());
        bytes = fs.files["/r/report.pdf"].size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Pdf5000Records)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vk
