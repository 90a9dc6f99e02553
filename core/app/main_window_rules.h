#pragma once
#include <string>

#include "core/settings/window_position.h"

namespace vk {

class CPasswordStore;

// A file is open and was read to its end: only then may it be saved.
bool StoreCanBeSaved(const CPasswordStore& store);

// Commands that are grayed while no file can be saved (no file, or its load did not finish).
bool CommandNeedsSavableStore(int command);

// "<file name> - Vaultkeep " or "No file selected - Vaultkeep ".
std::string MainWindowTitle(const CPasswordStore& store);

// Pulls a remembered rectangle inside the work area: left and top not before the area's,
// right and bottom not beyond it.
WindowRect ClampToWorkArea(const WindowRect& rect, const WindowRect& workArea);

}  // namespace vk
