#pragma once

class wxWindow;

namespace vk {

class CAppContext;
class CCommandTable;

// File "&Export..." and "&Import..." and the editor's Export and Import buttons: the
// Import/Export sheet on the page the command names.
void AddImportExportCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent);

}  // namespace vk
