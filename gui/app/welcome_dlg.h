#pragma once
#include <wx/dialog.h>

namespace vk {

// Shown once, on the first start, before the new-file dialog.
class CWelcomeDlg : public wxDialog {
  public:
    explicit CWelcomeDlg(wxWindow* parent);
};

// The program's name, version and icon.
class CAboutDlg : public wxDialog {
  public:
    explicit CAboutDlg(wxWindow* parent);
};

}  // namespace vk
