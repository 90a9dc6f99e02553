#pragma once
#include <wx/dialog.h>

namespace vk {

// Shown once, on the first start, before the new-file dialog.
class CWelcomeDlg : public wxDialog {
  public:
    explicit CWelcomeDlg(wxWindow* parent);
};

}  // namespace vk
