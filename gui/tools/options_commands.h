#pragma once

class wxWindow;

namespace vk {

class CAppContext;
class CCommandTable;

// Tools "&Options...".
void AddOptionsCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent);

}  // namespace vk
