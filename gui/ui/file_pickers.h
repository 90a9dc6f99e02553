#pragma once
#include <wx/filedlg.h>

#include <memory>
#include <string>

class wxWindow;

namespace vk {

enum class PasswordFilePicker {
    kOpen,    // "Open password file": an existing file
    kNew,     // "New password file": a new name; the caller asks about an existing file
    kSaveAs,  // "Save as": the picker itself asks before replacing a file
};

// The picker, built but not shown. It starts in the folder of `startPath` when that folder
// exists, otherwise in `programFolder` (the program's own folder when empty), with the name
// part of `startPath` filled in. Our files are listed first, and a name typed without an
// extension gets ".vk" while that filter is chosen.
std::unique_ptr<wxFileDialog> MakePasswordFilePicker(PasswordFilePicker kind, wxWindow* parent,
                                                     const std::string& startPath,
                                                     const std::string& programFolder = "");

// Shows the picker; on wxID_OK `path` becomes the chosen file. Returns wxID_OK or
// wxID_CANCEL. The current folder of the process is left as it was.
int PickPasswordFile(PasswordFilePicker kind, std::string& path, wxWindow* parent,
                     const std::string& programFolder = "");

}  // namespace vk
