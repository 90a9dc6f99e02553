#include "core/ui/toolbar_layout.h"

#include <cstddef>
#include <set>

#include "core/app/command_ids.h"

namespace vk {
namespace {

void PutNumber(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

std::uint32_t NumberAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) |
           (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// Separators only between buttons.
std::vector<int> TidySeparators(const std::vector<int>& entries) {
    std::vector<int> result;
    bool separatorPending = false;
    for (int entry : entries) {
        if (entry == kToolbarSeparator) {
            separatorPending = !result.empty();
            continue;
        }
        if (separatorPending) result.push_back(kToolbarSeparator);
        separatorPending = false;
        result.push_back(entry);
    }
    return result;
}

}  // namespace

const std::vector<ToolbarButton>& ToolbarButtons() {
    static const std::vector<ToolbarButton> kButtons = {
        {cmd::kNewFile, "New", "Create a new password file", true, false},
        {cmd::kOpenFile, "Open", "Open a password file", true, false},
        {cmd::kSave, "Save", "Save the password file", true, true},
        {cmd::kSaveAs, "Save as", "Save the password file under another name", false, false},
        {cmd::kImport, "Import", "Import records from a CSV file", false, false},
        {cmd::kExport, "Export", "Export records to a CSV or text file", false, false},
        {cmd::kReport, "Report", "Print a report of chosen folders", false, false},
        {cmd::kAddFolder, "Add folder", "Add a new top-level folder", true, false},
        {cmd::kAddSubfolder, "Add subfolder", "Add a new folder under the selected folder", false,
         false},
        {cmd::kRenameFolder, "Rename folder", "Rename the selected folder", false, false},
        {cmd::kDeleteFolder, "Delete folder", "Delete the selected folder and its subfolders",
         false, false},
        {cmd::kSearchFolders, "Search folders", "Search the folder names", false, false},
        {cmd::kAddItem, "Add item", "Add a new item to the selected folder", true, true},
        {cmd::kEditItem, "Edit item", "Edit the current cell", false, false},
        {cmd::kDeleteItem, "Delete item", "Delete the current or selected items", false, false},
        {cmd::kSearchItems, "Search items", "Search the items", true, true},
        {cmd::kGeneratePassword, "Generate", "Generate a new password", true, true},
        {cmd::kMasterPassword, "Master password", "Set or change the master password", false,
         false},
        {cmd::kOptions, "Options", "Change the program's options", false, false},
        {cmd::kHelp, "Help", "Show the help for this window", true, false},
        {cmd::kAbout, "About", "Show the program's version", false, false},
    };
    return kButtons;
}

const ToolbarButton* FindToolbarButton(int command) {
    for (const ToolbarButton& button : ToolbarButtons())
        if (button.command == command) return &button;
    return nullptr;
}

ToolbarLayout DefaultToolbarLayout() {
    ToolbarLayout layout;
    layout.entries = {cmd::kNewFile,          cmd::kOpenFile, cmd::kSave,        kToolbarSeparator,
                      cmd::kAddFolder,        cmd::kAddItem,  cmd::kSearchItems, kToolbarSeparator,
                      cmd::kGeneratePassword, cmd::kHelp};
    return layout;
}

std::string ToolbarLabelOf(const ToolbarButton& button, int textOption) {
    if (textOption == kShowTextLabels ||
        (textOption == kSelectiveTextOnRight && button.textOnRight))
        return button.label;
    return {};
}

bool ToolbarLabelsBeside(int textOption) {
    return textOption == kSelectiveTextOnRight;
}

int ToolbarIconSize(int iconOption) {
    return iconOption == kLargeIcons ? 32 : 16;
}

std::vector<int> ShownToolbarEntries(const ToolbarLayout& layout,
                                     const std::function<bool(int)>& isPresent) {
    std::vector<int> present;
    for (int entry : layout.entries)
        if (entry == kToolbarSeparator || isPresent(entry)) present.push_back(entry);
    return TidySeparators(present);
}

std::vector<std::uint8_t> EncodeToolbarLayout(const ToolbarLayout& layout) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(8 + 4 * layout.entries.size());
    PutNumber(bytes, static_cast<std::uint32_t>(layout.iconOption));
    PutNumber(bytes, static_cast<std::uint32_t>(layout.textOption));
    for (int entry : layout.entries) PutNumber(bytes, static_cast<std::uint32_t>(entry));
    return bytes;
}

std::optional<ToolbarLayout> DecodeToolbarLayout(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 8 || bytes.size() % 4 != 0) return std::nullopt;
    ToolbarLayout layout;
    const std::uint32_t icon = NumberAt(bytes, 0);
    const std::uint32_t text = NumberAt(bytes, 4);
    if (icon <= kLargeIcons) layout.iconOption = static_cast<int>(icon);
    if (text <= kNoTextLabels) layout.textOption = static_cast<int>(text);

    std::vector<int> entries;
    std::set<std::uint32_t> seen;
    bool anyEntry = false;
    for (std::size_t at = 8; at < bytes.size(); at += 4) {
        anyEntry = true;
        const std::uint32_t value = NumberAt(bytes, at);
        if (value == kToolbarSeparator) {
            entries.push_back(kToolbarSeparator);
            continue;
        }
        if (value > 0xFFFF || !FindToolbarButton(static_cast<int>(value))) continue;
        if (!seen.insert(value).second) continue;
        entries.push_back(static_cast<int>(value));
    }
    layout.entries = TidySeparators(entries);
    // Entries were stored but none can be used: the default buttons rather than none at all.
    if (anyEntry && layout.entries.empty()) layout.entries = DefaultToolbarLayout().entries;
    return layout;
}

}  // namespace vk
