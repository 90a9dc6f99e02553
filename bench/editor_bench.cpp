// The editor's costs on a 20,000-record file whose first folder holds 10,000 records: taking an
// undo step and the memory five steps hold, sorting the big folder, and producing the text of
// every cell of the grid once.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <random>
#include <string>

#include "core/editor/folder_tree.h"
#include "core/editor/record_columns.h"
#include "core/editor/record_sort.h"
#include "core/editor/undo.h"
#include "core/settings/settings.h"
#include "core/shell/date_text.h"
#include "core/store/password_store.h"

namespace vk {
namespace {

constexpr int kRecords = 20000;
constexpr int kBigFolder = 10000;
constexpr int kFolders = 40;

std::string Word(std::mt19937& rng, std::size_t length) {
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string text(length, ' ');
    for (char& c : text) c = static_cast<char>(letter(rng));
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// The first folder holds half the records; the rest are spread over nested folders.
CPasswordStore MakeStore() {
    std::mt19937 rng(7);
    CPasswordStore store;
    for (int f = 0; f < kFolders; ++f) {
        const std::string top = "Folder " + std::to_string(f / 4);
        store.AddFolder(f % 4 == 0 ? top : top + "~Sub " + std::to_string(f % 4), 1 + f % 4);
    }
    for (int i = 0; i < kRecords; ++i) {
        CRecord r;
        r[kDescription] = Word(rng, 6 + i % 9);
        r[kUsername] = Word(rng, 8) + "@example.org";
        r[kPassword] = Word(rng, 16);
        r.dateAssigned = SystemTime{static_cast<std::uint16_t>(2015 + i % 10), 3, 0, 12};
        r.dateExpires = SystemTime{static_cast<std::uint16_t>(2020 + i % 10), 6, 0, 1};
        r[kUrl] = "https://www." + Word(rng, 7) + ".example";
        r[kNotes] = "Recovery codes kept in the safe.";
        const int folder = i < kBigFolder ? 0 : 1 + i % (kFolders - 1);
        store.folders[static_cast<std::size_t>(folder)].records.push_back(std::move(r));
    }
    return store;
}

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void BM_UndoSnapshot(benchmark::State& state) {
    CPasswordStore store = MakeStore();
    for (auto _ : state) {
        TakeRecordSnapshot(store, "delete record");
        benchmark::DoNotOptimize(store.undo.Latest());
    }
    // What five steps hold: alone, and when each is followed by a change in the big folder,
    // which then keeps its own copy of that folder's records.
    store.undo.Reset();
    const std::size_t base = HeapInUse();
    for (int i = 0; i < CUndoRing::kLevels; ++i) TakeRecordSnapshot(store, "delete record");
    state.counters["five_steps_KiB"] = static_cast<double>(HeapInUse() - base) / 1024.0;
    store.undo.Reset();
    const std::size_t before = HeapInUse();
    for (int i = 0; i < CUndoRing::kLevels; ++i) {
        TakeRecordSnapshot(store, "delete record");
        store.folders[0].records.erase(0);
    }
    state.counters["five_steps_with_edits_KiB"] =
        static_cast<double>(HeapInUse() - before) / 1024.0;
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMicrosecond);

void BM_FolderSnapshot(benchmark::State& state) {
    CPasswordStore store = MakeStore();
    CFolderTree tree;
    tree.BuildFrom(store);
    for (auto _ : state) TakeFolderSnapshot(store, tree, "move folder: Folder 1");
}
BENCHMARK(BM_FolderSnapshot)->Unit(benchmark::kMicrosecond);

void BM_SortBigFolder(benchmark::State& state) {
    CPasswordStore store = MakeStore();
    bool descending = false;
    const int field = static_cast<int>(state.range(0));
    for (auto _ : state) {
        // Each pass reverses the order, so every pass really moves the records.
        descending = !descending;
        benchmark::DoNotOptimize(SortRecords(store.folders[0].records, field, descending));
    }
}
BENCHMARK(BM_SortBigFolder)->Arg(kDescription)->Arg(kDateExpires)->Unit(benchmark::kMillisecond);

// Showing a folder fills nothing: the grid asks its table for the cells it draws. This is the
// bound: the text of every cell of the big folder, once.
void BM_GridTableAllCells(benchmark::State& state) {
    CPasswordStore store = MakeStore();
    CSettings settings;
    CLocaleDateFormat dates(std::locale::classic());
    for (auto _ : state) {
        const auto columns = GridColumnsFor(settings, 1);
        std::size_t bytes = 0;
        for (const CRecord& r : store.folders[0].records)
            for (const GridColumn& c : columns) bytes += CellText(r, c.field, true, dates).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_GridTableAllCells)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vk
