#include "core/tools/import_order.h"

#include <algorithm>
#include <utility>

#include "core/tools/export_import_messages.h"
#include "core/tools/import_csv.h"

namespace vk {
namespace {

bool IsIndexOf(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

CImportOrderLists::CImportOrderLists(const std::array<std::string, kFieldCount>& columnNames) {
    fields_.push_back({msg::kSkipField, kSkipColumn});
    for (int field = 0; field < kFieldCount; ++field) {
        const std::string& name = columnNames[static_cast<std::size_t>(field)];
        fields_.push_back({name.empty() ? DefaultFieldName(field) : name, field});
    }
}

void CImportOrderLists::SelectField(int index) {
    fieldSelection_ = IsIndexOf(index, fields_.size()) ? index : -1;
}

void CImportOrderLists::SelectOrder(int index) {
    orderSelection_ = IsIndexOf(index, order_.size()) ? index : -1;
}

void CImportOrderLists::Add() {
    if (!IsIndexOf(fieldSelection_, fields_.size())) return;
    const auto at = static_cast<std::size_t>(fieldSelection_);
    order_.push_back(fields_[at]);
    orderSelection_ = static_cast<int>(order_.size()) - 1;
    if (fields_[at].field == kSkipColumn) return;
    fields_.erase(fields_.begin() + fieldSelection_);
    if (static_cast<std::size_t>(fieldSelection_) >= fields_.size())
        fieldSelection_ = static_cast<int>(fields_.size()) - 1;
}

void CImportOrderLists::Remove() {
    if (!IsIndexOf(orderSelection_, order_.size())) return;
    const Entry removed = order_[static_cast<std::size_t>(orderSelection_)];
    order_.erase(order_.begin() + orderSelection_);
    orderSelection_ = order_.empty() ? -1 : std::max(orderSelection_ - 1, 0);
    if (removed.field == kSkipColumn) return;
    fields_.push_back(removed);
    fieldSelection_ = static_cast<int>(fields_.size()) - 1;
}

void CImportOrderLists::MoveUp() {
    if (!IsIndexOf(orderSelection_, order_.size()) || orderSelection_ == 0) return;
    std::swap(order_[static_cast<std::size_t>(orderSelection_)],
              order_[static_cast<std::size_t>(orderSelection_ - 1)]);
    --orderSelection_;
}

void CImportOrderLists::MoveDown() {
    if (!IsIndexOf(orderSelection_, order_.size()) ||
        static_cast<std::size_t>(orderSelection_) + 1 >= order_.size())
        return;
    std::swap(order_[static_cast<std::size_t>(orderSelection_)],
              order_[static_cast<std::size_t>(orderSelection_ + 1)]);
    ++orderSelection_;
}

std::vector<int> CImportOrderLists::ImportOrder() const {
    std::vector<int> order;
    for (const Entry& e : order_) order.push_back(e.field);
    return order;
}

}  // namespace vk
