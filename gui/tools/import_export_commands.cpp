#include "gui/tools/import_export_commands.h"

#include "core/app/command_ids.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/tools/import_export_sheet.h"

namespace vk {

void AddImportExportCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent) {
    auto open = [&context, parent](CImportExportPropSheet::Page page) {
        CImportExportPropSheet sheet(parent, context, page);
        sheet.ShowModal();
        if (!sheet.Imported()) return;
        context.editorSettingsChanged();
        context.quickAccessChanged();
    };
    auto exportPage = [open] { open(CImportExportPropSheet::kExportPage); };
    auto importPage = [open] { open(CImportExportPropSheet::kImportPage); };
    commands.Add(cmd::kExport, exportPage);
    commands.Add(cmd::kImport, importPage);
    // The editor's buttons work while there are folders.
    auto hasFolders = [&context] { return !context.tree.Empty(); };
    commands.Add(cmd::kExportButton, exportPage, hasFolders);
    commands.Add(cmd::kImportButton, importPage, hasFolders);
}

}  // namespace vk
