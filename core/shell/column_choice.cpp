#include "core/shell/column_choice.h"

#include <algorithm>

namespace vk {

std::vector<int> TickedColumnFields(const std::vector<int>& boxIds,
                                    const std::function<bool(int boxId)>& isTicked) {
    std::vector<int> fields;
    for (int id : boxIds) {
        if (id < kFirstColumnCheckBoxId || id > kLastColumnCheckBoxId) continue;
        const int field = id - kFirstColumnCheckBoxId;
        if (std::find(fields.begin(), fields.end(), field) != fields.end()) continue;
        if (isTicked(id)) fields.push_back(field);
    }
    return fields;
}

}  // namespace vk
