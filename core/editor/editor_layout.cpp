#include "core/editor/editor_layout.h"

#include <algorithm>

namespace vk {

SplitterRange FolderSplitterRange(int searchFoldersRight, int clientWidth) {
    return {searchFoldersRight + 8, clientWidth - 50};
}

SplitterRange RecordSplitterRange(int clientHeight) {
    return {clientHeight / 3, clientHeight - clientHeight / 8};
}

int ClampToRange(int position, SplitterRange range) {
    if (range.high < range.low) return range.low;
    return std::clamp(position, range.low, range.high);
}

}  // namespace vk
