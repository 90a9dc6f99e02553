// Arbitrary bytes as a password file. The reader must never crash, hang or leak; a file it
// read to the end must save, and the saved file must load back to the same store and save to
// the same bytes again. A file it did not read to the end must never be written over.
// The same bytes also describe a store to save and load back, to test the writer.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <string>
#include <vector>

#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/store/file_layout.h"
#include "core/store/password_check.h"
#include "core/store/password_file.h"
#include "core/store/password_store.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {
namespace fl = file_layout;

// The seed corpus's protected files use this password.
constexpr const char kRightPassword[] = "fuzz";
constexpr const char kPath[] = "fuzz.vk";

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "password file round trip: %s\n", what);
    std::abort();
}

// How the user answers, picked by the input's last byte so the fuzzer can steer it.
struct Answer {
    enum Kind { kRight, kWrong, kCancel, kBrowseToSame } kind;
    bool passwordHeld;  // as right after the new-file flow: no question expected
};

Answer AnswerFor(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t last = size ? data[size - 1] : 0;
    return {static_cast<Answer::Kind>(last & 3), (last & 4) != 0};
}

void Script(test::ScriptedPrompt& prompt, Answer answer) {
    switch (answer.kind) {
        case Answer::kRight:
            prompt.AnswerPassword(kRightPassword);
            break;
        case Answer::kWrong:
            prompt.AnswerPassword("not the password");
            break;
        case Answer::kCancel:
            break;  // an empty script cancels
        case Answer::kBrowseToSame:
            prompt.AnswerBrowse(kPath);
            break;
    }
}

// What a save of `store` must keep: folders in tree order, at most one empty record per
// folder, the first five entries of each history, the reminder of a protected file.
CPasswordStore ExpectedAfterSave(const CPasswordStore& loaded) {
    CPasswordStore expected;
    expected.encrypted = loaded.encrypted;
    expected.masterPassword = loaded.masterPassword;
    if (loaded.encrypted) expected.reminder = loaded.reminder;
    for (std::size_t i = 0; i < loaded.folderHistory.size() && i < 5; ++i)
        expected.folderHistory.push_back(loaded.folderHistory[i]);
    for (std::size_t i = 0; i < loaded.itemHistory.size() && i < 5; ++i)
        expected.itemHistory.push_back(loaded.itemHistory[i]);
    CFolderTree tree;
    tree.BuildFrom(loaded);
    tree.ForEachPreOrder([&](CFolderTree::Node& node) {
        if (!loaded.IsValidFolderIndex(node.folderIndex)) return;
        const CFolder& folder = loaded.folders[static_cast<std::size_t>(node.folderIndex)];
        expected.AddFolder(folder.path, folder.category);
        bool emptyKept = false;
        for (const CRecord& record : folder.records) {
            if (record.IsEmpty()) {
                if (emptyKept) continue;
                emptyKept = true;
            }
            expected.folders.back().records.push_back(record);
        }
    });
    return expected;
}

void RequireSameStore(const CPasswordStore& a, const CPasswordStore& b) {
    Require(a.encrypted == b.encrypted, "protection changed");
    Require(a.masterPassword == b.masterPassword.view(), "master password changed");
    Require(a.reminder == b.reminder, "reminder changed");
    Require(a.folderHistory == b.folderHistory, "folder search history changed");
    Require(a.itemHistory == b.itemHistory, "item search history changed");
    Require(a.folders.size() == b.folders.size(), "folder count changed");
    for (std::size_t i = 0; i < a.folders.size(); ++i) {
        Require(a.folders[i].path == b.folders[i].path, "folder path changed");
        Require(a.folders[i].category == b.folders[i].category, "folder category changed");
        Require(a.folders[i].records == b.folders[i].records, "records changed");
    }
}

void CheckRoundTrip(test::MemFileSystem& fs, CPasswordStore& first, IDateFormat& dates) {
    test::ScriptedPrompt quiet;  // nothing is asked: the password is held
    CPasswordFile writer(fs, quiet, dates);
    Require(writer.Save(first) == 1, "a completely read file could not be saved");
    Require(quiet.messages.empty(), "saving showed a message");
    const std::string saved = fs.files[kPath];

    CPasswordStore second;
    second.filePath = kPath;
    second.masterPassword = first.masterPassword;
    CPasswordFile reader(fs, quiet, dates);
    Require(reader.Load(second) == 1, "the saved file did not load");
    Require(quiet.messages.empty() && quiet.passwordRequests.empty(),
            "loading the saved file asked or complained");
    RequireSameStore(ExpectedAfterSave(first), second);

    Require(writer.Save(second) == 1, "the reloaded store could not be saved");
    Require(fs.files[kPath] == saved, "saving the reloaded store gave other bytes");
}

// The reader: arbitrary bytes as a file, with the password question answered as the last
// byte says.
void FuzzReader(const std::uint8_t* data, std::size_t size) {
    const std::string original(reinterpret_cast<const char*>(data), size);
    test::MemFileSystem fs;
    fs.files[kPath] = original;
    // Small reads make block bodies straddle read calls, as a slow disk would.
    fs.readChunk = size % 7 == 0 ? 0 : 1 + size % 1000;

    const Answer answer = AnswerFor(data, size);
    test::ScriptedPrompt prompt;
    Script(prompt, answer);
    CLocaleDateFormat dates(std::locale::classic());
    CPasswordStore store;
    store.filePath = kPath;
    if (answer.passwordHeld) store.masterPassword.Assign(kRightPassword);

    CPasswordFile file(fs, prompt, dates);
    const int result = file.Load(store);
    Require(result == 0 || result == 1, "load gave neither success nor failure");
    Require(result == 1 || !store.loadComplete, "a failed load counts as complete");
    if (result != 1) {
        // What was not read to its end must never be written over.
        Require(file.Save(store) == 0, "saved over a file that did not load");
        Require(fs.files[kPath] == original, "a refused save changed the file");
        return;
    }
    Require(store.loadComplete, "a successful load is not complete");
    Require(prompt.messages.empty(), "a successful load showed a message");
    CheckRoundTrip(fs, store, dates);
}

// Text an edit control could hold (no zero byte) that fits its slot, so nothing is cut.
std::string Text(FuzzedDataProvider& in, std::size_t slot) {
    std::string text = in.ConsumeRandomLengthString(slot);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

SystemTime Date(FuzzedDataProvider& in) {
    std::uint16_t w[8];
    for (auto& word : w) word = in.ConsumeIntegral<std::uint16_t>();
    return SystemTime{w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7]};
}

// The writer: any store the program could hold whose texts fit their slots must come back
// from its file unchanged, whatever bytes the texts are made of.
void FuzzWriter(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CLocaleDateFormat dates(std::locale::classic());
    CPasswordStore store;
    store.filePath = kPath;
    store.loadComplete = true;
    store.SetMasterPassword(Text(in, kMaxMasterPasswordBytes));
    store.reminder = Text(in, fl::kReminderBytes);
    for (auto* history : {&store.folderHistory, &store.itemHistory}) {
        for (int n = in.ConsumeIntegralInRange(0, 7); n > 0; --n)
            history->push_back(Text(in, fl::kHistoryBytes));
    }
    while (in.remaining_bytes() > 0 && store.folders.size() < 16) {
        const int index =
            store.AddFolder(Text(in, fl::kFolderPathReadBytes), in.ConsumeIntegral<std::int32_t>());
        for (int n = in.ConsumeIntegralInRange(0, 3); n > 0; --n) {
            CRecord record;
            for (const fl::Slot& slot : fl::kRecordSlots) record[slot.field] = Text(in, slot.size);
            record.dateAssigned = Date(in);
            record.dateExpires = Date(in);
            // The date fields are always the text of their dates.
            record[kDateAssigned] = dates.DateText(record.dateAssigned);
            record[kDateExpires] = dates.DateText(record.dateExpires);
            store.folders[static_cast<std::size_t>(index)].records.push_back(std::move(record));
        }
    }
    test::MemFileSystem fs;
    CheckRoundTrip(fs, store, dates);
}

}  // namespace
}  // namespace vk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vk::FuzzReader(data, size);
    vk::FuzzWriter(data, size);
    return 0;
}
