#pragma once
#include <cstddef>
#include <functional>
#include <vector>

#include "core/shell/shell_messages.h"
#include "core/shell/user_prompt.h"

namespace vk {

// The column check boxes: box 2000 + i stands for field i (0..10).
constexpr int kFirstColumnCheckBoxId = 2000;
constexpr int kLastColumnCheckBoxId = 2010;

// The fields of the ticked column boxes, in the order of `boxIds`; ids of other controls
// and repeated ids are passed over.
std::vector<int> TickedColumnFields(const std::vector<int>& boxIds,
                                    const std::function<bool(int boxId)>& isTicked);

// Rebuilds a column set (an array of field slots) from the ticked boxes: the fields fill
// the first slots, the other slots become -1. With no box ticked shows "You must select at
// least one column", leaves the set as it was and returns false.
template <class ColumnSet>
bool ColumnsFromCheckBoxes(const std::vector<int>& boxIds,
                           const std::function<bool(int boxId)>& isTicked, ColumnSet& set,
                           IUserPrompt& prompt) {
    const std::vector<int> fields = TickedColumnFields(boxIds, isTicked);
    if (fields.empty()) {
        prompt.ShowMessage(msg::kSelectOneColumn, MessageButtons::kOk, MessageIcon::kDefault);
        return false;
    }
    std::size_t slot = 0;
    for (auto& value : set) value = slot < fields.size() ? fields[slot++] : -1;
    return true;
}

}  // namespace vk
