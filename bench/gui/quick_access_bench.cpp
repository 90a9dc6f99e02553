// The quick-access tree of 20,000 records: the model alone, and the model shown in the
// dialog's tree control (on an X display; scripts/bench starts a virtual one).
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <cstdio>
#include <string>

#include "core/editor/folder_tree.h"
#include "core/quickaccess/quick_access_tree.h"
#include "gui/quickaccess/quick_access_tree_ctrl.h"

namespace vk {
namespace {

// 100 folders in two levels, 20,000 records with a description, user name and password each.
struct Store {
    Store() {
        for (int f = 0; f < 100; ++f) {
            const std::string top = "Folder " + std::to_string(f / 10);
            const int index = f % 10 == 0 ? store.AddFolder(top, 2)
                                          : store.AddFolder(top + "~Sub " + std::to_string(f), 2);
            auto& records = store.folders[static_cast<std::size_t>(index)].records.Mutable();
            for (int r = 0; r < 200; ++r) {
                CRecord record;
                record[kDescription] = "Site " + std::to_string(f * 200 + r);
                record[kUsername] = "user" + std::to_string(r);
                record[kPassword] = "p4ss-" + std::to_string(r * 7919);
                records.push_back(record);
            }
        }
        tree.BuildFrom(store);
    }
    CPasswordStore store;
    CSettings settings;
    CFolderTree tree;
};

void BM_QuickAccessModel20000(benchmark::State& state) {
    Store s;
    CQuickAccessTree model(s.store, s.settings);
    for (auto _ : state) {
        model.Build(s.tree);
        benchmark::DoNotOptimize(model.Size());
    }
    state.counters["items"] = static_cast<double>(model.Size());
}
BENCHMARK(BM_QuickAccessModel20000)->Unit(benchmark::kMillisecond);

void BM_QuickAccessTreeControl20000(benchmark::State& state) {
    Store s;
    CQuickAccessTree model(s.store, s.settings);
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bench");
    auto* tree = new CQuickAccessTreeCtrl(frame, wxID_ANY, wxPoint(0, 0), wxSize(173, 182));
    frame->Show();
    for (auto _ : state) {
        model.Build(s.tree);
        tree->Fill(model);
        benchmark::DoNotOptimize(tree->GetCount());
    }
    frame->Destroy();
    wxTheApp->ProcessIdle();
}
BENCHMARK(BM_QuickAccessTreeControl20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vk

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp());
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) {
        std::fprintf(stderr, "The tree control needs an X display.\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    benchmark::RunSpecifiedBenchmarks();
    wxEntryCleanup();
    return 0;
}
