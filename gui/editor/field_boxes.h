#pragma once
#include <wx/panel.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

class wxTextCompleter;
class wxTextCtrl;

namespace vk {

class CAutoCompleteList;
class CSkinButton;
class CFieldByteLimit;
class CRecord;

// The URL, Email and Notes boxes of the current record, with the buttons that open the web
// page and write the e-mail. Each box keeps to the bytes the file holds for its field, offers
// completions while typed into (URL and Email), and takes text and files dropped from other
// programs.
class CFieldBoxes : public wxPanel {
  public:
    CFieldBoxes(wxWindow* parent, CAutoCompleteList& completions, bool skinned);
    ~CFieldBoxes() override;

    wxTextCtrl* Url() { return url_; }
    wxTextCtrl* Email() { return email_; }
    wxTextCtrl* Notes() { return notes_; }
    CSkinButton* LaunchButton() { return launch_; }
    CSkinButton* MailButton() { return mail_; }

    // Shows the record's three fields without counting as a change; null empties the boxes.
    void ShowRecord(const CRecord* record);
    // The box's text as stored text (Notes with the LF line breaks the box shows).
    static std::string TextOf(const wxTextCtrl* box);
    // Text dropped onto a box (or the first file's path): it replaces the box's text, cut to
    // the box's limit, and counts as a change of the box.
    void TakeDrop(wxTextCtrl* box, const wxString& text);

    // A box changed by the user: its control number (1013 URL, 1014 Email, 1003 Notes).
    std::function<void(int box)> onChanged;

  private:
    void OnText(wxCommandEvent& event);

    wxTextCtrl* url_;
    wxTextCtrl* email_;
    wxTextCtrl* notes_;
    CSkinButton* launch_;
    CSkinButton* mail_;
    std::map<const wxTextCtrl*, std::unique_ptr<CFieldByteLimit>> limits_;
    bool showing_ = false;
};

// Offers the file's texts as completions while a box is typed into; the box owns it.
wxTextCompleter* NewFieldCompleter(const CAutoCompleteList& completions);

}  // namespace vk
