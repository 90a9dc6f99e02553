#pragma once
#include "gui/ui/dialog_base.h"

namespace vk {

class CHyperLinkCtrl;

// "About": the program icon, its name and version, the comments and trademark lines of the
// version table and a link to the program's web page.
class CAboutDlg : public CDialogBase {
  public:
    static constexpr int kDialogId = 100;

    explicit CAboutDlg(wxWindow* parent);

    CHyperLinkCtrl* Link() const { return link_; }

  private:
    CHyperLinkCtrl* link_ = nullptr;
};

}  // namespace vk
