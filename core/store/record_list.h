#pragma once
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <vector>

namespace vk {

class CRecord;

// A folder's records, shared between copies until one of them changes. Copying a folder (an
// undo snapshot copies every folder) costs one pointer; the first write to a shared list
// copies it, so every copy behaves exactly like a deep copy.
//
// Reading goes through the const members. Every non-const member that hands out a reference
// (operator[], back(), Mutable()) first makes the list this copy's own, so a reference taken
// before a copy of the folder is made must not be written through afterwards.
template <class Record>
class CSharedList {
  public:
    using value_type = Record;
    using const_iterator = typename std::vector<Record>::const_iterator;

    CSharedList() = default;
    CSharedList(std::initializer_list<Record> records)
        : items_(std::make_shared<std::vector<Record>>(records)) {}
    CSharedList& operator=(std::initializer_list<Record> records) {
        items_ = std::make_shared<std::vector<Record>>(records);
        return *this;
    }

    std::size_t size() const { return items_ ? items_->size() : 0; }
    bool empty() const { return size() == 0; }
    const Record& operator[](std::size_t i) const { return (*items_)[i]; }
    const Record& at(std::size_t i) const { return Items().at(i); }
    const Record& front() const { return items_->front(); }
    const Record& back() const { return items_->back(); }
    const_iterator begin() const { return Items().begin(); }
    const_iterator end() const { return Items().end(); }

    // The list to change, made this copy's own first.
    std::vector<Record>& Mutable() {
        if (!items_)
            items_ = std::make_shared<std::vector<Record>>();
        else if (items_.use_count() > 1)
            items_ = std::make_shared<std::vector<Record>>(*items_);
        return *items_;
    }
    Record& operator[](std::size_t i) { return Mutable()[i]; }
    Record& back() { return Mutable().back(); }
    void push_back(const Record& r) { Mutable().push_back(r); }
    void push_back(Record&& r) { Mutable().push_back(std::move(r)); }
    template <class... Args>
    Record& emplace_back(Args&&... args) {
        return Mutable().emplace_back(std::forward<Args>(args)...);
    }
    void resize(std::size_t n) { Mutable().resize(n); }
    void reserve(std::size_t n) { Mutable().reserve(n); }
    void clear() { items_.reset(); }
    void erase(std::size_t at) {
        auto& v = Mutable();
        v.erase(v.begin() + static_cast<std::ptrdiff_t>(at));
    }
    void insert(std::size_t at, Record r) {
        auto& v = Mutable();
        v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), std::move(r));
    }

    // True when both copies still share one list (nothing was written since the copy).
    bool SharesWith(const CSharedList& other) const {
        return items_ == other.items_ || (empty() && other.empty());
    }
    bool operator==(const CSharedList& o) const {
        return items_ == o.items_ || Items() == o.Items();
    }
    bool operator!=(const CSharedList& o) const { return !(*this == o); }

  private:
    const std::vector<Record>& Items() const {
        static const std::vector<Record> kNone;
        return items_ ? *items_ : kNone;
    }

    std::shared_ptr<std::vector<Record>> items_;
};

}  // namespace vk
