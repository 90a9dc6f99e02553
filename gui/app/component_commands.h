#pragma once

namespace vk {

class CAppContext;
class CCommandTable;
class CMainWindow;

// Help, "Tip of the &day", "&Support online...", "&About", the toolbar's "&Toolbar" and
// "C&ustomize toolbar...".
void AddComponentCommands(CCommandTable& commands, CAppContext& context, CMainWindow& window);

// The tip of the day after the first load, when the user wants it.
void ShowStartupTip(CMainWindow& window, CAppContext& context);

}  // namespace vk
