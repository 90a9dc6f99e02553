#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/record_list.h"
#include "core/store/secret_string.h"

namespace vk {

// Field indexes of a record, in the order the program numbers them.
enum RecordField : int {
    kDescription = 0,
    kUsername = 1,
    kPassword = 2,
    kTitle = 3,
    kSerial = 4,
    kCreditCard = 5,
    kBank = 6,
    kAccount = 7,
    kPhone = 8,
    kDateAssigned = 9,
    kDateExpires = 10,
    kUrl = 11,
    kEmail = 12,
    kNotes = 13,
};
constexpr int kFieldCount = 14;

// Default names of the fourteen fields.
const char* DefaultFieldName(int field);

// A calendar date as the file stores it: eight unsigned 16-bit words.
struct SystemTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;

    // A date counts as set only when year, month and day are all non-zero.
    bool HasDate() const { return year != 0 && month != 0 && day != 0; }
    bool operator==(const SystemTime& o) const;
    bool operator!=(const SystemTime& o) const { return !(*this == o); }
};

class CRecord {
  public:
    std::array<std::string, kFieldCount> fields;
    SystemTime dateAssigned;
    SystemTime dateExpires;

    std::string& operator[](int field) { return fields[static_cast<std::size_t>(field)]; }
    const std::string& operator[](int field) const {
        return fields[static_cast<std::size_t>(field)];
    }
    // All fourteen texts empty; the dates do not count.
    bool IsEmpty() const;
    bool operator==(const CRecord& o) const;
};

// A folder's records; copies share them until one is changed.
using CRecordList = CSharedList<CRecord>;

// Category numbers 1..4; anything else counts as the first.
constexpr std::int32_t kCategoryDefault = 1;
constexpr std::int32_t kCategoryCount = 4;
inline std::int32_t NormaliseCategory(std::int32_t c) {
    return c >= 1 && c <= kCategoryCount ? c : kCategoryDefault;
}

class CFolder {
  public:
    std::string path;  // ancestors' names and its own, joined by '~'
    CRecordList records;
    std::int32_t category = kCategoryDefault;
    bool inUse = true;
};

constexpr char kPathSeparator = '~';

// Whether undoing a step must rebuild the folder tree (a folder operation took it) or only
// show the selected folder again (a record operation).
enum class UndoKind { kRecord, kFolder };

// One undo step: the folder table as it was before an operation, and what to call it.
struct UndoSnapshot {
    std::vector<CFolder> folders;
    std::string label;
    UndoKind kind = UndoKind::kRecord;
};

// The last five undo steps. Each step holds a whole folder table; copies of a folder share
// its records until one of them changes, so a step costs little more than its folder paths
// while behaving exactly like a deep copy.
class CUndoRing {
  public:
    static constexpr int kLevels = 5;

    // Keeps `snapshot` as the newest step; the sixth drops the oldest. Steps undone before
    // are gone for good (there is no redo).
    void Push(UndoSnapshot snapshot);
    bool CanUndo() const { return count_ > 0; }
    int Count() const { return count_; }
    // The newest step, or null when nothing can be undone.
    const UndoSnapshot* Latest() const;
    // Hands out the newest step and forgets it; an empty step when there is none.
    UndoSnapshot TakeLatest();
    // Forgets every step (a file was loaded or created). The steps are let go at once: they
    // hold the previous file's records.
    void Reset();

  private:
    std::array<UndoSnapshot, kLevels> slots_;
    int index_ = -1;  // counts every snapshot taken; the slot is index modulo kLevels
    int count_ = 0;   // steps that can still be undone, 0..kLevels
};

// The open password file in memory. Folder indexes stay valid while a file is open:
// slots are appended and never removed; a deleted folder only loses its in-use flag.
class CPasswordStore {
  public:
    CUndoRing undo;  // emptied before every load and new file
    std::string filePath;
    SecretString masterPassword;
    std::string reminder;
    std::vector<CFolder> folders;
    std::vector<std::string> folderHistory;  // most recent first
    std::vector<std::string> itemHistory;    // most recent first
    bool modified = false;
    bool encrypted = true;
    bool loadComplete = false;

    bool IsValidFolderIndex(long index) const {
        return index >= 0 && static_cast<std::size_t>(index) < folders.size();
    }
    // Appends a live folder and returns its index.
    int AddFolder(const std::string& path, std::int32_t category);
    std::size_t LiveFolderCount() const;
    std::size_t LiveRecordCount() const;
    // Sets or removes the master password; the encrypted flag follows it.
    void SetMasterPassword(std::string_view password);
};

}  // namespace vk
