#pragma once

namespace vk {

// The smallest and largest position of a splitter bar, in the editor's client pixels.
struct SplitterRange {
    int low = 0;
    int high = 0;
};

// The bar between the folders and the records: from 8 pixels right of the Search-folders
// button to 50 pixels short of the client width.
SplitterRange FolderSplitterRange(int searchFoldersRight, int clientWidth);

// The bar between the grid and the field boxes: from a third of the height to an eighth of it
// above the bottom.
SplitterRange RecordSplitterRange(int clientHeight);

// `position` moved into `range`; a range too small to hold anything gives its low end.
int ClampToRange(int position, SplitterRange range);

}  // namespace vk
