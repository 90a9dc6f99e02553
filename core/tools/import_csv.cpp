#include "core/tools/import_csv.h"

#include "core/shell/date_text.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_format.h"
#include "core/shell/user_prompt.h"
#include "core/store/file_layout.h"
#include "core/store/file_system.h"
#include "core/store/secure_wipe.h"
#include "core/tools/export_import_messages.h"
#include "core/tools/import_dates.h"

namespace vk {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Blanks and ASCII control bytes; bytes from 128 on are text.
bool IsBlank(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b <= 32 || b == 127;
}

// The columns of one line, taken from left to right.
class ColumnReader {
  public:
    explicit ColumnReader(std::string_view line) : line_(line) {
        // A byte below 13 (a tab, a NUL) ends the line.
        for (std::size_t i = 0; i < line_.size(); ++i) {
            if (static_cast<unsigned char>(line_[i]) < 13) {
                line_ = line_.substr(0, i);
                break;
            }
        }
        for (std::size_t q = line_.find('"'); q != std::string_view::npos;
             q = line_.find('"', q + 1)) {
            if (IsCommaOrEnd(SkipBlanks(q + 1))) closers_.push_back(q);
        }
    }

    // The next column's raw text; empty once the line has no more columns.
    std::string_view Next() {
        if (done_) return {};
        const std::size_t start = pos_;
        std::size_t end = std::string_view::npos;
        const std::size_t first = SkipBlanks(start);
        if (first < line_.size() && line_[first] == '"') {
            while (nextCloser_ < closers_.size() && closers_[nextCloser_] <= first) ++nextCloser_;
            if (nextCloser_ < closers_.size()) end = SkipBlanks(closers_[nextCloser_] + 1);
        }
        if (end == std::string_view::npos) end = std::min(line_.find(',', start), line_.size());
        if (end < line_.size())
            pos_ = end + 1;
        else
            done_ = true;
        return line_.substr(start, end - start);
    }

  private:
    // Blanks around quotes are spaces; control bytes there are text, though trimmed later.
    std::size_t SkipBlanks(std::size_t i) const {
        while (i < line_.size() && line_[i] == ' ') ++i;
        return i;
    }
    bool IsCommaOrEnd(std::size_t i) const { return i == line_.size() || line_[i] == ','; }

    std::string_view line_;
    std::size_t pos_ = 0;
    bool done_ = false;
    // Double quotes followed, after blanks, by a comma or the end: where quoted columns end.
    std::vector<std::size_t> closers_;
    std::size_t nextCloser_ = 0;
};

std::string PreparedText(std::string_view raw) {
    auto trimEnd = [](std::string_view t) {
        while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
        return t;
    };
    std::string_view text = trimEnd(raw);
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    if (!text.empty() && text.front() == '"' && text.back() == '"') {
        text = text.size() == 1 ? std::string_view() : text.substr(1, text.size() - 2);
        text = trimEnd(text);
    }
    return std::string(text);
}

// The next line of `bytes` from `pos`, which moves past its line end.
std::string_view NextLine(std::string_view bytes, std::size_t& pos) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
    const std::string_view line = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size()) {
        const bool crlf = bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n';
        pos += crlf ? 2 : 1;
    }
    return line;
}

void ReadDate(CRecord& record, int field, SystemTime& date, const CDateTextReader& reader,
              IDateFormat& dates) {
    date = reader.Read(record[field]).value_or(SystemTime{});
    record[field] = dates.DateText(date);
}

}  // namespace

std::optional<std::vector<CRecord>> ParseImportText(std::string_view bytes,
                                                    const ImportChoice& choice,
                                                    IDateFormat& dates) {
    const CDateTextReader reader(dates);
    std::vector<CRecord> records;
    std::size_t pos =
        bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
    int skip = choice.skipLines;
    while (pos < bytes.size()) {
        const std::string_view line = NextLine(bytes, pos);
        if (skip > 0) {
            --skip;
            continue;
        }
        if (line.empty()) continue;
        CRecord record;
        ColumnReader columns(line);
        for (int field : choice.order) {
            const std::string_view raw = columns.Next();
            if (raw.empty() || field < 0 || field >= kFieldCount) continue;
            std::string text = PreparedText(raw);
            text.resize(FitToBytes(text, file_layout::FieldSlotBytes(field)));
            record[field] = std::move(text);
        }
        ReadDate(record, kDateAssigned, record.dateAssigned, reader, dates);
        ReadDate(record, kDateExpires, record.dateExpires, reader, dates);
        if (record.IsEmpty()) continue;
        if (records.size() == kMaxImportRecords) return std::nullopt;
        records.push_back(std::move(record));
    }
    return records;
}

std::optional<std::vector<CRecord>> ReadImportFile(IFileSystem& fs, IUserPrompt& prompt,
                                                   IDateFormat& dates, const std::string& path,
                                                   const ImportChoice& choice) {
    auto fail = [&](const char* what, const std::string& reason) {
        prompt.ShowError(FileExceptionShortText(what, reason, path));
        return std::nullopt;
    };
    FileStatus status;
    auto file = fs.OpenForRead(path, &status);
    if (!file) return fail(msg::kCouldNotOpenImport, status.error);

    std::string bytes;
    struct WipeOnExit {
        std::string& text;
        ~WipeOnExit() { SecureWipe(text); }
    } wipe{bytes};
    constexpr std::size_t kChunk = 1 << 20;
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kChunk);
        std::size_t got = 0;
        status = file->Read(bytes.data() + had, kChunk, &got);
        bytes.resize(had + (status.ok() ? got : 0));
        if (!status.ok()) return fail(msg::kCouldNotReadImport, status.error);
        if (got == 0) break;
        if (bytes.size() > kMaxImportBytes)
            return fail(msg::kCouldNotReadImport, msg::kImportTooLarge);
    }
    auto records = ParseImportText(bytes, choice, dates);
    if (!records) {
        return fail(msg::kCouldNotReadImport, FormatText(msg::kImportTooManyFormat,
                                                         static_cast<unsigned>(kMaxImportRecords)));
    }
    return records;
}

std::string ImportedCountText(std::size_t count) {
    return count == 0 ? std::string(msg::kNothingImported)
                      : FormatText(msg::kImportedFormat, static_cast<unsigned>(count));
}

std::optional<std::size_t> ImportIntoFolder(CPasswordStore& store, int folderIndex, IFileSystem& fs,
                                            IUserPrompt& prompt, IDateFormat& dates,
                                            const std::string& path, const ImportChoice& choice) {
    if (!store.IsValidFolderIndex(folderIndex)) return std::nullopt;
    auto records = ReadImportFile(fs, prompt, dates, path, choice);
    if (!records) return std::nullopt;
    auto& target = store.folders[static_cast<std::size_t>(folderIndex)].records.Mutable();
    target.insert(target.end(), std::make_move_iterator(records->begin()),
                  std::make_move_iterator(records->end()));
    store.modified = true;
    prompt.ShowMessage(ImportedCountText(records->size()), MessageButtons::kOk,
                       MessageIcon::kDefault);
    return records->size();
}

}  // namespace vk
