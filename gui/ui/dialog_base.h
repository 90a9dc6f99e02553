#pragma once
#include <wx/dialog.h>

#include <memory>

#include "core/ui/help_topics.h"

class wxSizer;
class wxStdDialogButtonSizer;

namespace vk {

// The base of the program's dialogs: the program icon, the standard padding around the
// content, OK and Cancel (or other) buttons below it, and an ending that works both for a
// modal dialog and for one driven by tests without a modal loop.
//
// While the SkinDialog setting is on the dialog wears the program's skin (see skin.h). Its
// help topic (by its dialog number, see help_topics.h) is in force while it is shown, and the
// topic it found comes back when it closes; F1 shows the topic in force.
class CDialogBase : public wxDialog {
  public:
    CDialogBase(wxWindow* parent, int id, const wxString& title,
                long style = wxDEFAULT_DIALOG_STYLE);
    ~CDialogBase() override;

    // Ends the dialog with `code` (ShowModal's result); a dialog that is not modal is
    // hidden and keeps `code` as its return code.
    void EndWith(int code);

    int ShowModal() override;
    bool Show(bool show = true) override;

  protected:
    // Space around the content and between groups, and between related controls.
    int Padding() const { return FromDIP(12); }
    int Gap() const { return FromDIP(6); }

    // The standard button row with the given wx button flags (wxOK | wxCANCEL ...), laid
    // out the platform's way.
    wxStdDialogButtonSizer* MakeButtons(long flags);

    // Puts `content` and `buttons` (may be null) into the dialog with the standard padding,
    // sizes the dialog to fit and centres it on its parent.
    void LayOut(wxSizer* content, wxSizer* buttons);

    // The topic of this dialog instead of the one of its number; in force at once when the
    // dialog is shown (pages of a dialog call it as they become active).
    void SetHelpTopic(int topic);

  private:
    void EnterHelpTopic();
    void LeaveHelpTopic();

    int helpTopic_ = help::kNone;
    std::unique_ptr<CHelpContext::Scope> helpScope_;
};

}  // namespace vk
