#pragma once
#include <wx/icon.h>

namespace vk {

// The program's icon: message boxes, the windows' title bars, the tray.
wxIcon ProgramIcon();

}  // namespace vk
