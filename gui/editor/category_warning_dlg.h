#pragma once
#include "gui/ui/dialog_base.h"

class wxCheckBox;

namespace vk {

// Shown before records go to a folder of another category, whose columns may hide some of
// their fields. OK goes on, Cancel leaves the records where they are; the box asks not to be
// warned again while the program runs.
class CCategoryWarningDlg : public CDialogBase {
  public:
    CCategoryWarningDlg(wxWindow* parent, const std::string& fromCategory,
                        const std::string& toCategory);
    bool SuppressChecked() const;
    wxCheckBox* SuppressBox() { return suppress_; }

  private:
    wxCheckBox* suppress_;
};

}  // namespace vk
