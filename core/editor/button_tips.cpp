#include "core/editor/button_tips.h"

#include <utility>

#include "core/app/command_ids.h"

namespace vk {

const char* CommandText(int id) {
    static const std::pair<int, const char*> kTexts[] = {
        {cmd::kAddFolder, "Add new folder\nAdd"},
        {cmd::kAddSubfolder, "Add new subfolder\nAdd subfolder"},
        {cmd::kDeleteFolder, "Delete folder\nDelete"},
        {cmd::kRenameFolder, "Rename folder\nRename"},
        {cmd::kSearchFolders, "Search folders\nSearch"},
        {cmd::kAddItem, "Add new item\nAdd"},
        {cmd::kDeleteItem, "Delete item\nDelete"},
        {cmd::kEditItem, "Edit item\nEdit"},
        {cmd::kSearchItems, "Search items\nSearch"},
        {cmd::kGeneratePassword, "Generate password\nGenerate"},
        {cmd::kImportButton, "Import records\nImport"},
        {cmd::kExportButton, "Export records\nExport"},
        {cmd::kReport, "Print report\nReport"},
        {cmd::kLaunchUrl, "Open Web page or launch program"},
        {cmd::kSendEmail, "Send email"},
    };
    for (const auto& [command, text] : kTexts)
        if (command == id) return text;
    return "";
}

std::string ButtonTip(int id) {
    const std::string text = CommandText(id);
    return text.substr(0, text.find('\n'));
}

}  // namespace vk
