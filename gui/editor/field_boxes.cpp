#include "gui/editor/field_boxes.h"

#include <wx/dnd.h>
#include <wx/sizer.h>
#include <wx/textcompleter.h>
#include <wx/textctrl.h>

#include "core/app/command_ids.h"
#include "core/editor/auto_complete.h"
#include "core/editor/editor_state.h"
#include "core/editor/field_limits.h"
#include "core/shell/text_encoding.h"
#include "core/store/password_store.h"
#include "gui/editor/field_byte_limit.h"
#include "gui/editor/image_button.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// A dropped file's path is taken up to the longest path the system names.
constexpr std::size_t kDroppedPathBytes = 260;

// Completes what is typed from the file's texts. The list shows the first rows in order;
// typing more narrows it down.
class CFieldCompleter : public wxTextCompleterSimple {
  public:
    explicit CFieldCompleter(const CAutoCompleteList& list) : list_(list) {}
    void GetCompletions(const wxString& prefix, wxArrayString& res) override {
        for (const std::string& text : list_.Matches(FromWx(prefix))) {
            if (res.size() == CAutoCompleteList::kVisibleRows) break;
            res.push_back(ToWx(text));
        }
    }

  private:
    const CAutoCompleteList& list_;
};

// Takes text and files dragged from other programs onto a field box: offered as a copy over
// an enabled box, refused over a disabled one.
class CFieldDropTarget : public wxDropTarget {
  public:
    CFieldDropTarget(CFieldBoxes& boxes, wxTextCtrl* box) : boxes_(boxes), box_(box) {
        auto* data = new wxDataObjectComposite;
        data->Add(text_ = new wxTextDataObject, true);
        data->Add(files_ = new wxFileDataObject);
        SetDataObject(data);
    }
    wxDragResult OnEnter(wxCoord, wxCoord, wxDragResult) override { return wxDragMove; }
    wxDragResult OnDragOver(wxCoord, wxCoord, wxDragResult) override {
        return box_->IsEnabled() ? wxDragCopy : wxDragNone;
    }
    wxDragResult OnData(wxCoord, wxCoord, wxDragResult result) override {
        if (!box_->IsEnabled() || !GetData()) return wxDragNone;
        const wxDataFormat format =
            static_cast<wxDataObjectComposite*>(GetDataObject())->GetReceivedFormat();
        wxString dropped;
        if (format == wxDF_FILENAME) {
            const wxArrayString& names = files_->GetFilenames();
            if (names.empty()) return wxDragNone;
            std::string path = FromWx(names[0]);
            path.resize(FitToBytes(path, kDroppedPathBytes));
            dropped = ToWx(path);
        } else {
            dropped = text_->GetText();
        }
        // The toolkit's own text box may still insert the dropped text at the pointer after
        // this returns: the box takes the drop once that is done, so the drop replaces its
        // text instead of appearing twice.
        CFieldBoxes* boxes = &boxes_;
        wxTextCtrl* box = box_;
        box_->CallAfter([boxes, box, dropped] { boxes->TakeDrop(box, dropped); });
        return result;
    }

  private:
    CFieldBoxes& boxes_;
    wxTextCtrl* box_;
    wxTextDataObject* text_;
    wxFileDataObject* files_;
};

}  // namespace

wxTextCompleter* NewFieldCompleter(const CAutoCompleteList& completions) {
    return new CFieldCompleter(completions);
}

CFieldBoxes::CFieldBoxes(wxWindow* parent, CAutoCompleteList& completions, bool skinned)
    : wxPanel(parent, wxID_ANY) {
    launch_ = MakeImageButton(this, cmd::kLaunchUrl, skinned);
    url_ = new wxTextCtrl(this, control::kUrlBox);
    mail_ = MakeImageButton(this, cmd::kSendEmail, skinned);
    email_ = new wxTextCtrl(this, control::kEmailBox);
    notes_ = new wxTextCtrl(this, control::kNotesBox, "", wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE);
    url_->AutoComplete(NewFieldCompleter(completions));
    email_->AutoComplete(NewFieldCompleter(completions));
    limits_[url_] = std::make_unique<CFieldByteLimit>(*url_, kUrl);
    limits_[email_] = std::make_unique<CFieldByteLimit>(*email_, kEmail);
    limits_[notes_] = std::make_unique<CFieldByteLimit>(*notes_, kNotes);
    url_->SetHint("URL");
    email_->SetHint("Email");
    for (wxTextCtrl* box : {url_, email_, notes_}) {
        box->SetDropTarget(new CFieldDropTarget(*this, box));
        box->Bind(wxEVT_TEXT, &CFieldBoxes::OnText, this);
    }

    const int gap = FromDIP(4);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(launch_, 0, wxALIGN_CENTER_VERTICAL);
    row->Add(url_, 1, wxLEFT | wxRIGHT | wxALIGN_CENTER_VERTICAL, gap);
    row->Add(mail_, 0, wxALIGN_CENTER_VERTICAL);
    row->Add(email_, 1, wxLEFT | wxALIGN_CENTER_VERTICAL, gap);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, 0, wxEXPAND | wxRIGHT, gap);
    column->Add(notes_, 1, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 2 * gap);
    SetSizer(column);
    ShowRecord(nullptr);
}

CFieldBoxes::~CFieldBoxes() = default;

std::string CFieldBoxes::TextOf(const wxTextCtrl* box) {
    return FromWx(box->GetValue());
}

void CFieldBoxes::ShowRecord(const CRecord* record) {
    showing_ = true;
    url_->ChangeValue(record ? ToWx((*record)[kUrl]) : wxString());
    email_->ChangeValue(record ? ToWx((*record)[kEmail]) : wxString());
    notes_->ChangeValue(record ? ToWx(NotesToShown((*record)[kNotes])) : wxString());
    for (wxTextCtrl* box : {url_, email_, notes_}) {
        box->Enable(record != nullptr);
        limits_[box]->Reset();
    }
    showing_ = false;
}

void CFieldBoxes::TakeDrop(wxTextCtrl* box, const wxString& text) {
    const int field = box == url_ ? kUrl : box == email_ ? kEmail : kNotes;
    // A change of the box, as if typed; what the field cannot keep is left out.
    box->SetValue(ToWx(NotesToShown(FitFieldValue(field, FromWx(text)))));
}

void CFieldBoxes::OnText(wxCommandEvent& event) {
    event.Skip();  // the completer follows the text too
    if (showing_) return;
    auto* box = static_cast<wxTextCtrl*>(event.GetEventObject());
    limits_[box]->Apply();
    if (onChanged) onChanged(box->GetId());
}

}  // namespace vk
