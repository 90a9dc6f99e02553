#include "gui/ui/component_art.h"

#include <wx/image.h>

#include <cstddef>

#include "core/app/command_ids.h"
#include "gui/ui/artwork.h"
#include "gui/ui/generated/component_art_data.h"

namespace vk::art {
namespace {

using namespace vk::art_data;

struct CommandPicture {
    int command;
    Png small;
    Png large;  // none for pictures only the menus show
};

#define VK_TOOL(command, name) \
    { command, PngOf(kArt_tb_##name##_16), PngOf(kArt_tb_##name##_32) }
// Commands that share a picture appear once per number they are known by.
const CommandPicture kPictures[] = {
    VK_TOOL(cmd::kNewFile, new),
    VK_TOOL(cmd::kOpenFile, open),
    VK_TOOL(cmd::kSave, save),
    VK_TOOL(cmd::kSaveAs, save_as),
    VK_TOOL(cmd::kImport, import),
    VK_TOOL(cmd::kImportButton, import),
    VK_TOOL(cmd::kExport, export),
    VK_TOOL(cmd::kExportButton, export),
    VK_TOOL(cmd::kReport, report),
    VK_TOOL(cmd::kAddFolder, add_folder),
    VK_TOOL(cmd::kAddSubfolder, add_subfolder),
    VK_TOOL(cmd::kRenameFolder, rename_folder),
    VK_TOOL(cmd::kDeleteFolder, delete_folder),
    VK_TOOL(cmd::kSearchFolders, search_folders),
    VK_TOOL(cmd::kAddItem, add_item),
    VK_TOOL(cmd::kEditItem, edit_item),
    VK_TOOL(cmd::kDeleteItem, delete_item),
    VK_TOOL(cmd::kSearchItems, search_items),
    VK_TOOL(cmd::kGeneratePassword, generate),
    VK_TOOL(cmd::kGeneratePasswordCell, generate),
    VK_TOOL(cmd::kMasterPassword, master_password),
    VK_TOOL(cmd::kOptions, options),
    VK_TOOL(cmd::kHelp, help),
    VK_TOOL(cmd::kAbout, about),
    {cmd::kCut, PngOf(kArt_menu_cut), {}},
    {cmd::kCopy, PngOf(kArt_menu_copy), {}},
    {cmd::kPaste, PngOf(kArt_menu_paste), {}},
    {cmd::kClear, PngOf(kArt_menu_clear), {}},
    {cmd::kUndoItems, PngOf(kArt_menu_undo), {}},
    {cmd::kUndoFolders, PngOf(kArt_menu_undo), {}},
};
#undef VK_TOOL

constexpr int kLargestSize = 256;

}  // namespace

wxBitmap CommandBitmap(int command, int size) {
    if (size < 1 || size > kLargestSize) return wxBitmap();
    for (const CommandPicture& picture : kPictures) {
        if (picture.command != command) continue;
        const Png& png = size > 16 && picture.large.bytes ? picture.large : picture.small;
        wxBitmap bitmap = PngBitmap(png);
        const int drawn = png.bytes == picture.large.bytes ? 32 : 16;
        if (bitmap.IsOk() && drawn != size)
            bitmap = wxBitmap(bitmap.ConvertToImage().Scale(size, size, wxIMAGE_QUALITY_HIGH));
        return bitmap;
    }
    return wxBitmap();
}

wxBitmap BulbPicture() {
    return PngBitmap(PngOf(kArt_bulb));
}

}  // namespace vk::art
