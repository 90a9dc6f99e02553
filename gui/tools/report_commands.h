#pragma once

class wxWindow;

namespace vk {

class CAppContext;
class CCommandTable;

// File "&Report..." and the editor's Report button: the report dialog over the open file.
void AddReportCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent);

}  // namespace vk
