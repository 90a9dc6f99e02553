#pragma once
#include <functional>
#include <string>

#include "gui/ui/file_pickers.h"

class wxWindow;

namespace vk {

// How the password dialogs ask for a file: PickPasswordFile, or a stand-in in tests (the
// toolkit's picker cannot be answered with a path without being shown).
using PasswordFilePickerFn = std::function<int(PasswordFilePicker kind, std::string& path,
                                               wxWindow* parent, const std::string& programFolder)>;

inline PasswordFilePickerFn DefaultPasswordFilePicker() {
    return [](PasswordFilePicker kind, std::string& path, wxWindow* parent,
              const std::string& programFolder) {
        return PickPasswordFile(kind, path, parent, programFolder);
    };
}

}  // namespace vk
