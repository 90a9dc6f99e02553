// Export of 20,000 records to a comma-separated file and import of 20,000 lines.
#include <benchmark/benchmark.h>

#include <locale>
#include <string>

#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/shell/user_prompt.h"
#include "core/tools/export_csv.h"
#include "core/tools/import_csv.h"
#include "tests/support/mem_file_system.h"

namespace vk {
namespace {

constexpr std::size_t kRecords = 20000;

class NoPrompt : public IUserPrompt {
  public:
    MessageResult ShowMessage(const std::string&, MessageButtons, MessageIcon) override {
        return MessageResult::kOk;
    }
    PasswordAnswer AskPassword(const PasswordRequest&) override { return {}; }
};

// Twenty folders of a thousand records, each filled as people fill them.
CPasswordStore MakeStore() {
    CPasswordStore store;
    for (int f = 0; f < 20; ++f) {
        const int folder =
            store.AddFolder((f % 2 ? "Internet~Site " : "Bank ") + std::to_string(f), 1);
        auto& records = store.folders[static_cast<std::size_t>(folder)].records.Mutable();
        for (std::size_t r = 0; r < kRecords / 20; ++r) {
            CRecord record;
            record[kDescription] = "Account " + std::to_string(r);
            record[kUsername] = "user" + std::to_string(r) + "@example.com";
            record[kPassword] = "Tide-Lantern-" + std::to_string(r * 7919 % 10007);
            record[kUrl] = "https://www.example.com/login";
            record[kDateAssigned] = "03/07/24";
            record[kNotes] = "Security question: \"first pet\"\r\nAnswer kept elsewhere";
            records.push_back(std::move(record));
        }
    }
    return store;
}

ExportChoice EverythingWithFolders(const CPasswordStore& store) {
    ExportChoice choice;
    choice.folders.assign(store.folders.size(), true);
    choice.fields.fill(true);
    choice.folderNames = true;
    return choice;
}

void BM_ExportRecords(benchmark::State& state) {
    const CPasswordStore store = MakeStore();
    CFolderTree tree;
    tree.BuildFrom(store);
    const ExportChoice choice = EverythingWithFolders(store);
    test::MemFileSystem fs;
    NoPrompt prompt;
    for (auto _ : state) {
        const std::string text = ExportText(store, tree, choice);
        benchmark::DoNotOptimize(WriteExportFile(fs, prompt, "/out.csv", text));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_ExportRecords)->Unit(benchmark::kMillisecond);

void BM_ImportLines(benchmark::State& state) {
    const CPasswordStore store = MakeStore();
    CFolderTree tree;
    tree.BuildFrom(store);
    const std::string file = ExportText(store, tree, EverythingWithFolders(store));
    ImportChoice choice;
    choice.order.push_back(kSkipColumn);  // the folder column
    for (int field = 0; field < kFieldCount; ++field) choice.order.push_back(field);
    CLocaleDateFormat dates{std::locale::classic()};
    for (auto _ : state) {
        const auto records = ParseImportText(file, choice, dates);
        benchmark::DoNotOptimize(records->size());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_ImportLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vk
