#include "gui/ui/toolbar_ex.h"

#include <wx/menu.h>

#if defined(__WXGTK__) && defined(VK_HAVE_GTK3)
#include <gtk/gtk.h>
#endif

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

#if defined(__WXGTK__) && defined(VK_HAVE_GTK3)
// GTK keeps a right click on the bar's empty part to itself and offers it as this signal. The
// menu opens while the click is handled: GTK places it by that click.
gboolean OnGtkContextMenu(GtkToolbar*, gint, gint, gint, gpointer bar) {
    auto* self = static_cast<CToolBarEx*>(bar);
    if (self->onContextMenu) self->onContextMenu();
    return TRUE;
}
#endif

}  // namespace

CToolBarEx::CToolBarEx(wxWindow* parent, int id)
    : wxToolBar(parent, id, wxDefaultPosition, wxDefaultSize, StyleOf(kNoTextLabels)) {
    Bind(wxEVT_TOOL_DROPDOWN, &CToolBarEx::OnDropDown, this);
    auto contextMenu = [this] {
        if (onContextMenu) onContextMenu();
    };
    Bind(wxEVT_RIGHT_DOWN, [contextMenu](wxMouseEvent&) { contextMenu(); });
    Bind(wxEVT_TOOL_RCLICKED, [contextMenu](wxCommandEvent&) { contextMenu(); });
#if defined(__WXGTK__) && defined(VK_HAVE_GTK3)
    GtkWidget* outer = GetHandle();
    GtkWidget* toolbar = GTK_IS_TOOLBAR(outer) ? outer
                         : GTK_IS_BIN(outer)   ? gtk_bin_get_child(GTK_BIN(outer))
                                               : nullptr;
    if (toolbar && GTK_IS_TOOLBAR(toolbar))
        g_signal_connect(toolbar, "popup-context-menu", G_CALLBACK(OnGtkContextMenu), this);
#endif
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
