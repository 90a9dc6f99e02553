#pragma once
#include <string>

#include "core/ui/tips.h"
#include "gui/ui/dialog_base.h"

class wxButton;
class wxCheckBox;
class wxHtmlWindow;

namespace vk {

class CProfileFile;

// "Tip of the Day": one tip at a time under the bulb and "Did you know...". "&Next Tip" moves
// on; only "&Close" stores "&Show Tips on StartUp" (Esc and the close box leave it as it was);
// the next tip's place is stored however the dialog ends.
class CTipDialog : public CDialogBase {
  public:
    static constexpr int kDialogId = 107;
    static constexpr int kCloseId = 1;  // "&Close"
    static constexpr int kNextTipId = 1002;

    CTipDialog(wxWindow* parent, CProfileFile& profile);
    ~CTipDialog() override;

    const std::string& TipText() const { return *tip_; }
    wxHtmlWindow* TipView() const { return view_; }
    wxCheckBox* ShowTipsBox() const { return showTips_; }
    wxButton* CloseButton() const { return close_; }

    void NextTip();
    // "&Close": the check box is stored.
    void CloseAndStore();
    // Esc and the close box.
    void CloseWithoutStoring();

  private:
    wxWindow* MakeTipArea();
    void ShowTip();

    CProfileFile& profile_;
    CTipCursor cursor_;
    const std::string* tip_ = nullptr;
    wxHtmlWindow* view_ = nullptr;
    wxCheckBox* showTips_ = nullptr;
    wxButton* close_ = nullptr;
};

// The tip at start-up, when the profile's "ShowTips" asks for it.
void ShowTipAtStartup(wxWindow* parent, CProfileFile& profile);

// The tip as HTML for the tip view: bold and italic runs, paragraph ends as line breaks.
std::string TipAsHtml(const std::string& tip);

}  // namespace vk
