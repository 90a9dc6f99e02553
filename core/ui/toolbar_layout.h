#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vk {

// A button the main window's toolbar can carry.
struct ToolbarButton {
    int command;
    const char* label;    // shown under or beside the picture
    const char* tooltip;  // what the button does
    bool onByDefault;
    bool textOnRight;  // keeps its label under "Selective Text on Right"
};

// Every button, in the order the customisation offers them.
const std::vector<ToolbarButton>& ToolbarButtons();
// The button of `command`; null for a command without a button.
const ToolbarButton* FindToolbarButton(int command);

// Stands for a separator in a layout.
inline constexpr int kToolbarSeparator = 0;

enum ToolbarTextOption : int {
    kShowTextLabels = 0,
    kSelectiveTextOnRight = 1,
    kNoTextLabels = 2,
};
enum ToolbarIconOption : int {
    kSmallIcons = 0,  // 16 pixels
    kLargeIcons = 1,  // 32 pixels
};
inline constexpr const char* kToolbarTextOptionNames[] = {
    "Show Text Labels", "Selective Text on Right", "No Text Labels"};
inline constexpr const char* kToolbarIconOptionNames[] = {"Small Icons", "Large Icons"};

// The options and the buttons in order, kToolbarSeparator between groups.
struct ToolbarLayout {
    int iconOption = kSmallIcons;
    int textOption = kNoTextLabels;
    std::vector<int> entries;
    bool operator==(const ToolbarLayout& o) const {
        return iconOption == o.iconOption && textOption == o.textOption && entries == o.entries;
    }
};

// New, Open, Save | Add folder, Add item, Search items | Generate password, Help; small icons,
// no labels.
ToolbarLayout DefaultToolbarLayout();

// The label a button shows under `textOption`; empty for none.
std::string ToolbarLabelOf(const ToolbarButton& button, int textOption);
// Labels stand to the right of the pictures (otherwise under them).
bool ToolbarLabelsBeside(int textOption);
// The picture size of `iconOption`.
int ToolbarIconSize(int iconOption);

// What the toolbar shows of `layout`: the buttons whose command `isPresent` accepts, with
// separators only between buttons (never first, last or twice in a row).
std::vector<int> ShownToolbarEntries(const ToolbarLayout& layout,
                                     const std::function<bool(int)>& isPresent);

// The saved form: the icon option and the text option as 32-bit little-endian numbers, then
// each entry's command the same way, 0 for a separator.
std::vector<std::uint8_t> EncodeToolbarLayout(const ToolbarLayout& layout);
// Reads a saved form. Nothing when it is too short or not whole numbers. An option out of
// range takes its default; unknown or repeated commands are dropped, and separators kept only
// between buttons. A block whose entries all had to go gives the default buttons.
std::optional<ToolbarLayout> DecodeToolbarLayout(const std::vector<std::uint8_t>& bytes);

// Where the layout is kept in the settings.
inline constexpr const char kToolbarLayoutName[] = "Toolbar/ToolBar0";

}  // namespace vk
