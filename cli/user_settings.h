#pragma once
#include "core/settings/settings.h"

namespace vk::cli {

// The user's settings (column names and sets, categories, ...) as the program stored them,
// read only. A missing or unreadable settings file gives the defaults a new user starts with.
CSettings LoadUserSettings();

}  // namespace vk::cli
