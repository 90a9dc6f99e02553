#include "gui/editor/cell_editors.h"

#include <wx/bmpbuttn.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/textctrl.h>

#include "core/app/command_ids.h"
#include "core/editor/button_tips.h"
#include "core/editor/field_limits.h"
#include "core/editor/record_dates.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/field_byte_limit.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

constexpr int kTextEditorId = 1005;
constexpr int kDateEditorId = 101;
constexpr int kGeneratorButtonWidth = 20;

wxDateTime ToWxDate(const SystemTime& date) {
    return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(date.day),
                      static_cast<wxDateTime::Month>(date.month - 1), static_cast<int>(date.year));
}

}  // namespace

CCellEditors::CCellEditors(wxWindow* cells, CAutoCompleteList& completions) : cells_(cells) {
    text_ = new wxTextCtrl(cells, kTextEditorId, wxString(), wxDefaultPosition, wxDefaultSize,
                           wxBORDER_SIMPLE);
    text_->AutoComplete(NewFieldCompleter(completions));
    limit_ = std::make_unique<CFieldByteLimit>(*text_, kDescription);
    text_->Bind(wxEVT_TEXT, [this](wxCommandEvent& e) {
        e.Skip();  // the completer follows the text too
        limit_->Apply();
        onTyped();
    });
    date_ = new wxDatePickerCtrl(cells, kDateEditorId, wxDefaultDateTime, wxDefaultPosition,
                                 wxDefaultSize, wxDP_DROPDOWN | wxDP_SHOWCENTURY);
    // The generator's picture, small enough for the 20 pixels at the cell's end.
    generator_ = new wxBitmapButton(cells, cmd::kGeneratePasswordCell,
                                    art::ButtonBitmap(cmd::kGeneratePassword), wxDefaultPosition,
                                    wxDefaultSize, wxBU_EXACTFIT | wxBORDER_NONE);
    generator_->SetToolTip(ToWx(ButtonTip(cmd::kGeneratePassword)));
    // Pressed, it fills the open editor: it must not reach the editor's command handler,
    // which would close the editor first.
    generator_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onGenerate(); });
    Hide();
}

CCellEditors::~CCellEditors() = default;

void CCellEditors::OpenText(const wxRect& cell, const std::string& text, int field, bool typed) {
    Hide();
    open_ = Kind::kText;
    field_ = field;
    const bool generator = field == kPassword;
    const int buttonWidth = generator ? cells_->FromDIP(kGeneratorButtonWidth) : 0;
    text_->SetSize(cell.x, cell.y, std::max(cell.width - buttonWidth, 8), cell.height);
    text_->ChangeValue(ToWx(text));
    limit_->Reset(field);
    if (generator) {
        generator_->SetSize(cell.GetRight() + 1 - buttonWidth, cell.y, buttonWidth, cell.height);
        generator_->Show();
    }
    text_->Show();
    text_->SetFocus();
    if (typed)
        text_->SetInsertionPointEnd();
    else
        text_->SelectAll();
}

void CCellEditors::OpenDate(const wxRect& cell, const SystemTime& date) {
    Hide();
    open_ = Kind::kDate;
    field_ = -1;
    if (date.HasDate()) date_->SetValue(ToWxDate(date));
    const wxSize best = date_->GetBestSize();
    date_->SetSize(cell.x, cell.y, std::max(cell.width, best.x), std::max(cell.height, best.y));
    date_->Show();
    date_->SetFocus();
}

void CCellEditors::Hide() {
    open_ = Kind::kNone;
    text_->Hide();
    date_->Hide();
    generator_->Hide();
}

std::string CCellEditors::Text() const {
    return FromWx(text_->GetValue());
}

SystemTime CCellEditors::Date() const {
    const wxDateTime value = date_->GetValue();
    if (!value.IsValid()) return {};
    const auto date = MakeRecordDate(value.GetYear(), value.GetMonth() + 1, value.GetDay());
    return date ? *date : SystemTime{};
}

void CCellEditors::SetText(const std::string& text) {
    text_->ChangeValue(ToWx(FitFieldValue(field_, text)));
    limit_->Reset();
    text_->SetInsertionPointEnd();
    onTyped();
}

void CCellEditors::StepDate(int days, int months) {
    std::optional<SystemTime> moved = Date();
    if (moved && days) moved = AddDays(*moved, days);
    if (moved && months) moved = AddMonths(*moved, months);
    if (moved && moved->HasDate()) date_->SetValue(ToWxDate(*moved));
}

CCellEditors::Kind CCellEditors::KindOf(const wxWindow* window) const {
    for (; window; window = window->GetParent()) {
        if (window == text_ || window == generator_) return Kind::kText;
        if (window == date_) return Kind::kDate;
        if (window == cells_) break;
    }
    return Kind::kNone;
}

}  // namespace vk
