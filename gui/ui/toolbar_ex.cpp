#include "gui/ui/toolbar_ex.h"

#include <wx/menu.h>

#include "core/app/command_ids.h"
#include "gui/ui/component_art.h"

namespace vk {
namespace {

long StyleOf(int textOption) {
    long style = wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER;
    if (textOption != kNoTextLabels) style |= wxTB_TEXT;
    if (ToolbarLabelsBeside(textOption)) style |= wxTB_HORZ_LAYOUT;
    return style;
}

// Buttons whose arrow opens a menu.
bool HasDropDown(int command) {
    return command == cmd::kOpenFile;
}

}  // namespace

CToolBarEx::CToolBarEx(wxWindow* parent, int id)
    : wxToolBar(parent, id, wxDefaultPosition, wxDefaultSize, StyleOf(kNoTextLabels)) {
    Bind(wxEVT_TOOL_DROPDOWN, &CToolBarEx::OnDropDown, this);
}

void CToolBarEx::Build(const ToolbarLayout& layout, const std::function<bool(int)>& isPresent) {
    layout_ = layout;
    ClearTools();
    SetWindowStyleFlag(StyleOf(layout.textOption));
    const int size = FromDIP(ToolbarIconSize(layout.iconOption));
    SetToolBitmapSize(wxSize(size, size));
    shown_ = ShownToolbarEntries(layout, isPresent);
    for (int entry : shown_) {
        if (entry == kToolbarSeparator) {
            AddSeparator();
            continue;
        }
        const ToolbarButton* button = FindToolbarButton(entry);
        if (!button) continue;
        const wxItemKind kind = HasDropDown(entry) ? wxITEM_DROPDOWN : wxITEM_NORMAL;
        AddTool(cmd::WxId(entry), wxString::FromUTF8(ToolbarLabelOf(*button, layout.textOption)),
                art::CommandBitmap(entry, size), wxNullBitmap, kind,
                wxString::FromUTF8(button->tooltip));
        if (kind == wxITEM_DROPDOWN) SetDropdownMenu(cmd::WxId(entry), new wxMenu);
    }
    Realize();
    InvalidateBestSize();
}

int CToolBarEx::WantedHeight() const {
    return GetBestSize().y;
}

void CToolBarEx::OnDropDown(wxCommandEvent& event) {
    wxToolBarToolBase* tool = FindById(event.GetId());
    if (tool && tool->GetDropdownMenu() && fillDropDown) {
        wxMenu* menu = tool->GetDropdownMenu();
        while (menu->GetMenuItemCount() > 0) menu->Destroy(menu->FindItemByPosition(0));
        fillDropDown(cmd::CommandOf(event.GetId()), *menu);
    }
    // The toolbar shows the menu itself.
    event.Skip();
}

}  // namespace vk
