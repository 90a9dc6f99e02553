#include "gui/app/modified_status_bar.h"

#include <wx/statbmp.h>

#include "gui/ui/artwork.h"

namespace vk {

CModifiedStatusBar::CModifiedStatusBar(wxWindow* parent) : wxStatusBar(parent, wxID_ANY) {
    SetFieldsCount(4);
    indicator_ = new wxStaticBitmap(this, 105, art::UnmodifiedBitmap());
    Bind(wxEVT_SIZE, &CModifiedStatusBar::OnSize, this);
}

void CModifiedStatusBar::SetModified(bool modified) {
    if (modified == modified_) return;
    modified_ = modified;
    indicator_->SetBitmap(modified ? art::ModifiedBitmap() : art::UnmodifiedBitmap());
    PlaceIndicator();
}

void CModifiedStatusBar::OnSize(wxSizeEvent& event) {
    // Panes 2 and 3 take a quarter of the width each; pane 1 takes the rest.
    const int quarter = std::max(40, event.GetSize().GetWidth() / 4);
    const int widths[4] = {FromDIP(24), -1, quarter, quarter};
    SetStatusWidths(4, widths);
    PlaceIndicator();
    event.Skip();
}

void CModifiedStatusBar::PlaceIndicator() {
    wxRect pane;
    if (!GetFieldRect(0, pane)) return;
    const wxSize size = indicator_->GetBestSize();
    indicator_->SetSize(pane.x + (pane.width - size.x) / 2, pane.y + (pane.height - size.y) / 2,
                        size.x, size.y);
}

}  // namespace vk
