#include "core/store/password_store.h"

namespace vk {

const char* DefaultFieldName(int field) {
    static const char* const kNames[kFieldCount] = {
        "Description",   "Username", "Password", "Title", "Serial #",
        "Credit card #", "Bank",     "Account",  "Phone", "Date assigned",
        "Date expires",  "URL",      "Email",    "Notes"};
    return field >= 0 && field < kFieldCount ? kNames[field] : "";
}

bool SystemTime::operator==(const SystemTime& o) const {
    return year == o.year && month == o.month && dayOfWeek == o.dayOfWeek && day == o.day &&
           hour == o.hour && minute == o.minute && second == o.second &&
           milliseconds == o.milliseconds;
}

bool CRecord::IsEmpty() const {
    for (const auto& f : fields)
        if (!f.empty()) return false;
    return true;
}

bool CRecord::operator==(const CRecord& o) const {
    return fields == o.fields && dateAssigned == o.dateAssigned && dateExpires == o.dateExpires;
}

int CPasswordStore::AddFolder(const std::string& path, std::int32_t category) {
    CFolder folder;
    folder.path = path;
    folder.category = category;
    folders.push_back(std::move(folder));
    return static_cast<int>(folders.size() - 1);
}

std::size_t CPasswordStore::LiveFolderCount() const {
    std::size_t n = 0;
    for (const auto& f : folders) n += f.inUse ? 1 : 0;
    return n;
}

std::size_t CPasswordStore::LiveRecordCount() const {
    std::size_t n = 0;
    for (const auto& f : folders)
        if (f.inUse) n += f.records.size();
    return n;
}

void CPasswordStore::SetMasterPassword(std::string_view password) {
    masterPassword.Assign(password);
    encrypted = !password.empty();
}

void CUndoRing::Push(UndoSnapshot snapshot) {
    ++index_;
    if (count_ < kLevels) ++count_;
    slots_[static_cast<std::size_t>(index_ % kLevels)] = std::move(snapshot);
}

const UndoSnapshot* CUndoRing::Latest() const {
    if (count_ <= 0 || index_ < 0) return nullptr;
    return &slots_[static_cast<std::size_t>(index_ % kLevels)];
}

UndoSnapshot CUndoRing::TakeLatest() {
    if (!Latest()) return {};
    UndoSnapshot taken = std::move(slots_[static_cast<std::size_t>(index_ % kLevels)]);
    slots_[static_cast<std::size_t>(index_ % kLevels)] = UndoSnapshot{};
    --count_;
    --index_;
    return taken;
}

void CUndoRing::Reset() {
    for (auto& slot : slots_) slot = UndoSnapshot{};
    index_ = -1;
    count_ = 0;
}

}  // namespace vk
