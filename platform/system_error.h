#pragma once
#include <string>

namespace vk {

// The system's text for an error number (errno here; GetLastError on Windows).
std::string SystemErrorText(int error);

}  // namespace vk
