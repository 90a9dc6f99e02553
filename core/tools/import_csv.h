#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/password_store.h"

namespace vk {

class IDateFormat;
class IFileSystem;
class IUserPrompt;

// An import order entry that feeds no field: the column is skipped.
constexpr int kSkipColumn = -1;
// What an import reads at most, so that a hostile file cannot exhaust the memory.
constexpr std::size_t kMaxImportBytes = std::size_t{128} << 20;
constexpr std::size_t kMaxImportRecords = 200000;
constexpr int kMaxSkipLines = 10;

// What the user chose on the Import page.
struct ImportChoice {
    std::vector<int> order;  // the field each column of the file feeds, in column order
    int skipLines = 0;       // leading lines to pass over, empty or not
};

// The records the lines of an import file give, in file order; nothing when they are more
// than kMaxImportRecords. A line ends at CR LF, LF or a lone CR (the last one needs none); a
// UTF-8 byte order mark at the start is passed over. Each line is cut at its first byte
// below 13; its columns are separated by commas, except that a column whose first byte other
// than a space is a double quote runs to the next double quote followed (after spaces) by a
// comma or the line's end. A column's text loses blanks and control bytes at both ends, then
// the double quotes enclosing it, then blanks at its end again; it is kept up to what the file
// can hold of its field. Date texts become the dates they name, and the fields show those
// dates' texts again (empty for a text that names no real date). Only records that hold
// some text are kept.
std::optional<std::vector<CRecord>> ParseImportText(std::string_view bytes,
                                                    const ImportChoice& choice, IDateFormat& dates);

// Reads the whole file and parses it. On failure shows the short file report and returns
// nothing: an import adds all of a file or none of it.
std::optional<std::vector<CRecord>> ReadImportFile(IFileSystem& fs, IUserPrompt& prompt,
                                                   IDateFormat& dates, const std::string& path,
                                                   const ImportChoice& choice);

// "%u records were imported." or "There were no records imported.".
std::string ImportedCountText(std::size_t count);

// The import once a file is chosen, as the Import page runs it: reads the file, appends its
// records to the folder, marks the store modified (also when nothing was added) and shows
// the count. On failure nothing changes. The number of records added.
std::optional<std::size_t> ImportIntoFolder(CPasswordStore& store, int folderIndex, IFileSystem& fs,
                                            IUserPrompt& prompt, IDateFormat& dates,
                                            const std::string& path, const ImportChoice& choice);

}  // namespace vk
