#include "core/store/password_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/shell/file_names.h"
#include "core/shell/messages.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_format.h"
#include "core/store/atomic_file.h"
#include "core/store/file_layout.h"
#include "core/store/file_system.h"
#include "core/store/password_check.h"
#include "core/store/secure_wipe.h"

namespace vk {
namespace fl = file_layout;

namespace {

constexpr std::size_t kIoChunk = 64 * 1024;

void PutLe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

std::uint32_t GetLe32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

void PutText(std::uint8_t* slot, std::size_t size, const std::string& text) {
    const std::size_t n = FitToBytes(text, size);
    std::memcpy(slot, text.data(), n);
}

// The slot's text up to its first zero byte, or all of it when it has none.
std::string GetText(const std::uint8_t* slot, std::size_t size) {
    const char* p = reinterpret_cast<const char*>(slot);
    return std::string(p, strnlen(p, size));
}

void PutDate(std::uint8_t* p, const SystemTime& t) {
    const std::uint16_t words[8] = {t.year, t.month,  t.dayOfWeek, t.day,
                                    t.hour, t.minute, t.second,    t.milliseconds};
    for (std::uint16_t w : words) {
        *p++ = static_cast<std::uint8_t>(w);
        *p++ = static_cast<std::uint8_t>(w >> 8);
    }
}

SystemTime GetDate(const std::uint8_t* p) {
    std::uint16_t w[8];
    for (auto& word : w) {
        word = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
        p += 2;
    }
    return SystemTime{w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7]};
}

// Buffers reads so that a file of many small blocks costs few system calls.
class BlockReader {
  public:
    explicit BlockReader(IReadFile& file) : file_(file), buffer_(kIoChunk) {}

    // Fills `out` with up to `size` bytes; fewer only at the end of the file.
    FileStatus Read(std::uint8_t* out, std::size_t size, std::size_t* got) {
        *got = 0;
        while (*got < size) {
            if (pos_ == len_) {
                if (eof_) break;
                std::size_t n = 0;
                FileStatus status = file_.Read(buffer_.data(), buffer_.size(), &n);
                if (!status.ok()) return status;
                pos_ = 0;
                len_ = n;
                if (n == 0) {
                    eof_ = true;
                    break;
                }
            }
            const std::size_t take = std::min(size - *got, len_ - pos_);
            std::memcpy(out + *got, buffer_.data() + pos_, take);
            pos_ += take;
            *got += take;
        }
        return FileStatus::Ok();
    }

    ~BlockReader() { SecureWipe(buffer_.data(), buffer_.size()); }

  private:
    IReadFile& file_;
    std::vector<std::uint8_t> buffer_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool eof_ = false;
};

}  // namespace

// Collects blocks and hands them to the file in large pieces; remembers the first failure.
class CPasswordFile::Writer {
  public:
    explicit Writer(CAtomicFile& file) : file_(file) { buffer_.reserve(kIoChunk); }
    ~Writer() { SecureWipe(buffer_.data(), buffer_.capacity()); }

    void Block(std::uint32_t tag, const std::uint8_t* body, std::size_t size) {
        std::uint8_t t[fl::kTagBytes];
        PutLe32(t, tag);
        Put(t, sizeof t);
        Put(body, size);
    }
    FileStatus Finish() {
        Flush();
        return status_;
    }

  private:
    void Put(const std::uint8_t* data, std::size_t size) {
        if (buffer_.size() + size > kIoChunk) Flush();
        buffer_.insert(buffer_.end(), data, data + size);
    }
    void Flush() {
        if (status_.ok() && !buffer_.empty())
            status_ = file_.Append(buffer_.data(), buffer_.size());
        SecureWipe(buffer_.data(), buffer_.size());
        buffer_.clear();
    }

    CAtomicFile& file_;
    std::vector<std::uint8_t> buffer_;
    FileStatus status_;
};

CPasswordFile::CPasswordFile(IFileSystem& fileSystem, IUserPrompt& prompt, IDateFormat& dates)
    : fs_(fileSystem), prompt_(prompt), dates_(dates) {}

CPasswordFile::~CPasswordFile() = default;

const CBlowfish& CPasswordFile::CipherFor(const SecretString& password) {
    if (!cipher_ || cipherPassword_ != password.view()) {
        cipher_.emplace(password.view());
        cipherPassword_ = password;
    }
    return *cipher_;
}

void CPasswordFile::ShowFileError(const char* what, const std::string& systemText,
                                  const std::string& path) {
    prompt_.ShowError(FileExceptionText(what, systemText, path));
}

// ---------------------------------------------------------------------------------------------
// Save

int CPasswordFile::Save(CPasswordStore& store, const CFolderTree& tree) {
    return Write(store, &tree, false);
}

int CPasswordFile::Save(CPasswordStore& store) {
    CFolderTree tree;
    tree.BuildFrom(store);
    return Write(store, &tree, false);
}

int CPasswordFile::Create(CPasswordStore& store) {
    return Write(store, nullptr, true);
}

int CPasswordFile::Write(CPasswordStore& store, const CFolderTree* tree, bool headerOnly) {
    const std::string& path = store.filePath;
    if (path.empty()) return 0;
    if (!headerOnly && !store.loadComplete) return 0;

    // A replaced password file keeps the permissions its owner gave it.
    CAtomicFile file(fs_, path, TempAccess::kLikeTarget);
    FileStatus status = file.Open();
    if (!status.ok()) {
        ShowFileError(msg::kCantOpenSource, status.error, path);
        return 0;
    }

    const bool enciphered = StoreIsEnciphered(store);
    const CBlowfish* cipher = enciphered ? &CipherFor(store.masterPassword) : nullptr;
    auto encipher = [&](std::uint8_t* body, std::size_t size) {
        if (cipher) cipher->EncryptBuffer(body, static_cast<std::int32_t>(size));
    };

    {
        Writer out(file);
        if (!headerOnly) {
            const std::uint8_t version[fl::kVersionBytes] = {fl::kVersionText, 0, 0, 0};
            out.Block(fl::kVersion, version, sizeof version);
        }
        if (store.encrypted) {
            std::uint8_t reminder[fl::kReminderBytes] = {};
            PutText(reminder, sizeof reminder, store.reminder);
            out.Block(fl::kReminder, reminder, sizeof reminder);
            CheckBlock check = MakeCheckBlock(store.masterPassword.view());
            out.Block(fl::kCheck, check.data(), check.size());
        }
        if (!headerOnly) {
            auto writeHistory = [&](const std::vector<std::string>& history, std::uint32_t tag) {
                const std::size_t n = std::min(history.size(), fl::kHistoryEntriesSaved);
                for (std::size_t i = 0; i < n; ++i) {
                    std::uint8_t entry[fl::kHistoryBytes] = {};
                    PutText(entry, sizeof entry, history[i]);
                    encipher(entry, sizeof entry);
                    out.Block(tag, entry, sizeof entry);
                }
            };
            writeHistory(store.folderHistory, fl::kFolderSearch);
            writeHistory(store.itemHistory, fl::kItemSearch);

            std::array<std::uint8_t, fl::kRecordBytes> body;
            tree->ForEachPreOrder([&](CFolderTree::Node& node) {
                if (!store.IsValidFolderIndex(node.folderIndex)) return;
                CFolder& folder = store.folders[static_cast<std::size_t>(node.folderIndex)];
                if (!folder.inUse) return;
                folder.path = CFolderTree::PathOf(&node);
                std::uint8_t header[fl::kFolderBytes] = {};
                PutText(header, fl::kFolderPathBytes, folder.path);
                PutLe32(header + fl::kFolderPathBytes, static_cast<std::uint32_t>(folder.category));
                out.Block(fl::kFolder, header, sizeof header);
                bool emptyWritten = false;
                for (const CRecord& record : folder.records) {
                    if (record.IsEmpty()) {
                        if (emptyWritten) continue;
                        emptyWritten = true;
                    }
                    body.fill(0);
                    for (const fl::Slot& slot : fl::kRecordSlots) {
                        PutText(body.data() + slot.offset, slot.size, record[slot.field]);
                    }
                    PutDate(body.data() + fl::kDateAssignedOffset, record.dateAssigned);
                    PutDate(body.data() + fl::kDateExpiresOffset, record.dateExpires);
                    encipher(body.data(), body.size());
                    out.Block(fl::kRecord, body.data(), body.size());
                }
            });
            SecureWipe(body.data(), body.size());
        }
        status = out.Finish();
    }
    if (status.ok()) status = file.Commit();
    if (!status.ok()) {
        ShowFileError(msg::kErrorWritingFile, status.error, path);
        return 0;
    }
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Load

int CPasswordFile::Load(CPasswordStore& store) {
    for (;;) {
        const int result = LoadOnce(store);
        if (result != -1) return result;
    }
}

int CPasswordFile::LoadOnce(CPasswordStore& store) {
    store.folders.clear();
    store.encrypted = false;
    store.loadComplete = false;
    if (store.filePath.empty()) return 0;
    const std::string path = store.filePath;

    FileStatus status;
    auto file = fs_.OpenForRead(path, &status);
    if (!file) {
        ShowFileError(msg::kCantOpenSource, status.error, path);
        return 0;
    }
    BlockReader in(*file);
    std::array<std::uint8_t, fl::kRecordBytes> body{};
    struct WipeOnExit {
        std::array<std::uint8_t, fl::kRecordBytes>& b;
        ~WipeOnExit() { SecureWipe(b.data(), b.size()); }
    } wipe{body};

    // Reads one body; missing bytes at the end of the file read as zero.
    auto readBody = [&](std::size_t size) -> bool {
        std::fill(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(size), 0);
        std::size_t got = 0;
        FileStatus s = in.Read(body.data(), size, &got);
        if (!s.ok()) {
            ShowFileError(msg::kErrorReadingFile, s.error, path);
            return false;
        }
        return true;
    };
    auto decipher = [&](std::size_t size) {
        if (StoreIsEnciphered(store)) {
            CipherFor(store.masterPassword)
                .DecryptBuffer(body.data(), static_cast<std::int32_t>(size));
        }
    };

    for (;;) {
        std::uint8_t tagBytes[fl::kTagBytes];
        std::size_t got = 0;
        status = in.Read(tagBytes, sizeof tagBytes, &got);
        if (!status.ok()) {
            ShowFileError(msg::kErrorReadingFile, status.error, path);
            return 0;
        }
        const std::uint32_t tag = got == 0              ? std::uint32_t{fl::kEnd}
                                  : got < fl::kTagBytes ? 0u
                                                        : GetLe32(tagBytes);
        switch (tag) {
            case fl::kVersion:
                if (!readBody(fl::kVersionBytes)) return 0;
                if (body[0] != fl::kVersionText || body[1] != 0) {
                    prompt_.ShowError(FormatText(msg::kInvalidVersionFormat, path.c_str()));
                    return 0;
                }
                break;
            case fl::kReminder:
                if (!readBody(fl::kReminderBytes)) return 0;
                store.reminder = GetText(body.data(), fl::kReminderBytes);
                break;
            case fl::kCheck: {
                if (!readBody(fl::kCheckBytes)) return 0;
                CheckBlock block;
                std::memcpy(block.data(), body.data(), block.size());
                const bool allZero =
                    std::all_of(block.begin(), block.end(), [](std::uint8_t b) { return b == 0; });
                if (!allZero && !PasswordMatchesCheckBlock(store.masterPassword.view(), block)) {
                    PasswordRequest request;
                    request.fileName = FileNamePart(path);
                    request.filePath = path;
                    request.reminder = store.reminder;
                    request.checkBlock = block;
                    PasswordAnswer answer = prompt_.AskPassword(request);
                    const bool accepted = answer.outcome == PasswordOutcome::kAccepted &&
                                          PasswordMatchesCheckBlock(answer.password.view(), block);
                    if (!accepted) {
                        store.masterPassword.Clear();
                        SecureWipe(store.reminder);
                        if (answer.outcome == PasswordOutcome::kBrowse && !answer.newPath.empty()) {
                            store.filePath = answer.newPath;
                            return -1;
                        }
                        return 0;
                    }
                    store.masterPassword = answer.password;
                }
                store.encrypted = true;
                break;
            }
            case fl::kFolderSearch:
            case fl::kItemSearch:
                if (!readBody(fl::kHistoryBytes)) return 0;
                decipher(fl::kHistoryBytes);
                (tag == fl::kFolderSearch ? store.folderHistory : store.itemHistory)
                    .push_back(GetText(body.data(), fl::kHistoryBytes));
                break;
            case fl::kFolder: {
                if (!readBody(fl::kFolderBytes)) return 0;
                std::string folderPath = GetText(body.data(), fl::kFolderPathReadBytes);
                // The last path byte is never read. Only when it held text was the path cut
                // short here, possibly inside a character; a shorter path is kept byte for
                // byte (a Windows "Caf\xe9" must not lose its last letter).
                if (folderPath.size() == fl::kFolderPathReadBytes &&
                    body[fl::kFolderPathReadBytes] != 0) {
                    folderPath.resize(CompleteUtf8Prefix(folderPath));
                }
                store.AddFolder(folderPath, static_cast<std::int32_t>(
                                                GetLe32(body.data() + fl::kFolderPathBytes)));
                break;
            }
            case fl::kRecord: {
                // A record needs a folder; the body is skipped so the next tag stays in step.
                if (!readBody(fl::kRecordBytes)) return 0;
                if (store.folders.empty()) break;
                decipher(fl::kRecordBytes);
                CRecord record;
                for (const fl::Slot& slot : fl::kRecordSlots) {
                    record[slot.field] = GetText(body.data() + slot.offset, slot.size);
                }
                record.dateAssigned = GetDate(body.data() + fl::kDateAssignedOffset);
                record.dateExpires = GetDate(body.data() + fl::kDateExpiresOffset);
                if (!keepStoredDateTexts) {
                    record[kDateAssigned] = dates_.DateText(record.dateAssigned);
                    record[kDateExpires] = dates_.DateText(record.dateExpires);
                }
                store.folders.back().records.push_back(std::move(record));
                break;
            }
            case fl::kEnd:
                store.loadComplete = true;
                return 1;
            default:
                prompt_.ShowError(msg::kUnknownDataType);
                return 0;
        }
    }
}

std::size_t file_layout::FieldSlotBytes(int field) {
    for (const Slot& slot : kRecordSlots)
        if (slot.field == field) return slot.size;
    return 0;
}

}  // namespace vk
