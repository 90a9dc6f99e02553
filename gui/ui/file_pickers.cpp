#include "gui/ui/file_pickers.h"

#include <wx/filefn.h>

#include "core/shell/file_names.h"
#include "core/shell/shell_messages.h"
#include "gui/ui/wx_text.h"
#include "platform/program_folder.h"

namespace vk {
namespace {

const char* TitleOf(PasswordFilePicker kind) {
    switch (kind) {
        case PasswordFilePicker::kOpen:
            return msg::kOpenPasswordFileTitle;
        case PasswordFilePicker::kNew:
            return msg::kNewPasswordFileTitle;
        case PasswordFilePicker::kSaveAs:
            return msg::kSaveAsTitle;
    }
    return msg::kOpenPasswordFileTitle;
}

long StyleOf(PasswordFilePicker kind) {
    switch (kind) {
        case PasswordFilePicker::kOpen:
            return wxFD_OPEN | wxFD_FILE_MUST_EXIST;
        case PasswordFilePicker::kNew:
            return wxFD_SAVE;
        case PasswordFilePicker::kSaveAs:
            return wxFD_SAVE | wxFD_OVERWRITE_PROMPT;
    }
    return wxFD_OPEN;
}

// "*.*" asks for a dot in the name everywhere but on Windows.
const char* AllFilesPattern() {
#ifdef __WXMSW__
    return "*.*";
#else
    return "*";
#endif
}

}  // namespace

std::unique_ptr<wxFileDialog> MakePasswordFilePicker(PasswordFilePicker kind, wxWindow* parent,
                                                     const std::string& startPath,
                                                     const std::string& programFolder) {
    std::string folder = programFolder.empty() ? ProgramFolder() : programFolder;
    const std::string name = FileNamePart(startPath);
    if (name.size() < startPath.size()) {
        std::string startFolder = startPath.substr(0, startPath.size() - name.size());
        if (startFolder.size() > 1) startFolder.pop_back();  // the separator
        if (wxDirExists(ToWx(startFolder))) folder = startFolder;
    }
    return std::make_unique<wxFileDialog>(parent, TitleOf(kind), ToWx(folder), ToWx(name),
                                          ToWx(PasswordFileFilter(AllFilesPattern())),
                                          StyleOf(kind));
}

int PickPasswordFile(PasswordFilePicker kind, std::string& path, wxWindow* parent,
                     const std::string& programFolder) {
    auto picker = MakePasswordFilePicker(kind, parent, path, programFolder);
    const int result = picker->ShowModal();
    const wxString chosen = picker->GetPath();
    // An OK without a file is no choice at all.
    if (result != wxID_OK || chosen.empty()) return wxID_CANCEL;
    path = FromWx(chosen);
    return wxID_OK;
}

}  // namespace vk
