// Loading and saving protected stores of realistic size, in memory and on the real disk.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "core/shell/date_text.h"
#include "core/shell/user_prompt.h"
#include "core/store/password_file.h"
#include "core/store/password_store.h"
#include "platform/posix_file_system.h"
#include "tests/support/mem_file_system.h"

namespace vk {
namespace {

constexpr const char kMasterPassword[] = "correct horse battery staple";

// Any message or question means the benchmark took a path it did not mean to measure.
class QuietPrompt : public IUserPrompt {
  public:
    int calls = 0;
    MessageResult ShowMessage(const std::string&, MessageButtons, MessageIcon) override {
        ++calls;
        return MessageResult::kOk;
    }
    PasswordAnswer AskPassword(const PasswordRequest&) override {
        ++calls;
        return {};
    }
};

std::string RandomText(std::mt19937& rng, std::size_t length) {
    static const char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!#$%&*+-=?@_";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string text(length, ' ');
    for (char& c : text) c = kChars[pick(rng)];
    return text;
}

SystemTime Date(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    SystemTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    return t;
}

// A protected store with `records` records spread over nested folders, fields filled the way
// people fill them: short names, generated passwords, addresses, a line or two of notes.
CPasswordStore MakeStore(std::size_t records) {
    std::mt19937 rng(42);
    CPasswordStore store;
    store.SetMasterPassword(kMasterPassword);
    store.reminder = "the usual one";
    store.folderHistory = {"bank", "mail"};
    store.itemHistory = {"github"};
    const char* const kTop[] = {"Internet", "Banking", "Software", "Work", "Home"};
    for (const char* top : kTop) {
        store.AddFolder(top, 1 + static_cast<std::int32_t>(store.folders.size() % 4));
        for (int sub = 0; sub < 7; ++sub) {
            store.AddFolder(std::string(top) + "~Group " + std::to_string(sub),
                            1 + static_cast<std::int32_t>(store.folders.size() % 4));
        }
    }
    for (std::size_t i = 0; i < records; ++i) {
        CRecord r;
        const std::string n = std::to_string(i);
        r[kDescription] = "Account " + n;
        r[kUsername] = "user" + n;
        r[kPassword] = RandomText(rng, 16);
        r[kTitle] = i % 3 == 0 ? "Personal" : "";
        r[kSerial] = i % 7 == 0 ? RandomText(rng, 24) : "";
        r[kCreditCard] = i % 11 == 0 ? "4111 1111 1111 1111" : "";
        r[kBank] = i % 11 == 0 ? "First Savings" : "";
        r[kAccount] = i % 5 == 0 ? "DE44 5001 0517 " + n : "";
        r[kPhone] = i % 4 == 0 ? "+44 20 7946 0" + n : "";
        r[kUrl] = "https://www.example" + n + ".com/login";
        r[kEmail] = "user" + n + "@example.com";
        r[kNotes] = i % 2 == 0 ? "Security question: first pet. " + RandomText(rng, 60) : "";
        if (i % 3 == 0) r.dateAssigned = Date(2020 + i % 5, 1 + i % 12, 1 + i % 28);
        if (i % 6 == 0) r.dateExpires = Date(2026 + i % 3, 1 + i % 12, 1 + i % 28);
        store.folders[i % store.folders.size()].records.push_back(std::move(r));
    }
    store.loadComplete = true;
    return store;
}

void CheckQuiet(benchmark::State& state, const QuietPrompt& prompt) {
    if (prompt.calls != 0) state.SkipWithError("the password file reported a problem");
}

void ReportRecords(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void SaveLoop(benchmark::State& state, IFileSystem& fs, const std::string& path) {
    CPasswordStore store = MakeStore(static_cast<std::size_t>(state.range(0)));
    store.filePath = path;
    QuietPrompt prompt;
    CLocaleDateFormat dates;
    CPasswordFile file(fs, prompt, dates);
    for (auto _ : state) {
        if (file.Save(store) != 1) state.SkipWithError("save failed");
    }
    CheckQuiet(state, prompt);
    ReportRecords(state);
}

// The password is held already, as after the password dialog, so nothing is asked.
void LoadLoop(benchmark::State& state, IFileSystem& fs, const std::string& path) {
    CPasswordStore store = MakeStore(static_cast<std::size_t>(state.range(0)));
    store.filePath = path;
    QuietPrompt prompt;
    CLocaleDateFormat dates;
    CPasswordFile file(fs, prompt, dates);
    if (file.Save(store) != 1) state.SkipWithError("could not write the file to load");
    for (auto _ : state) {
        store.folderHistory.clear();
        store.itemHistory.clear();
        if (file.Load(store) != 1) state.SkipWithError("load failed");
    }
    CheckQuiet(state, prompt);
    ReportRecords(state);
}

void BM_SaveInMemory(benchmark::State& state) {
    test::MemFileSystem fs;
    SaveLoop(state, fs, "bench.vk");
}
BENCHMARK(BM_SaveInMemory)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_LoadInMemory(benchmark::State& state) {
    test::MemFileSystem fs;
    LoadLoop(state, fs, "bench.vk");
}
BENCHMARK(BM_LoadInMemory)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

// A private folder under the system's temp folder, removed again afterwards.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vk_bench_XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const char* name) const { return path_ + "/" + name; }
    bool ok() const { return !path_.empty(); }

  private:
    std::string path_;
};

void BM_SaveOnDisk(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    CPosixFileSystem fs;
    SaveLoop(state, fs, folder.File("bench.vk"));
}
BENCHMARK(BM_SaveOnDisk)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadOnDisk(benchmark::State& state) {
    TempFolder folder;
    if (!folder.ok()) return state.SkipWithError("no temp folder");
    CPosixFileSystem fs;
    LoadLoop(state, fs, folder.File("bench.vk"));
}
BENCHMARK(BM_LoadOnDisk)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vk
