#include "gui/ui/menu_pictures.h"

#include <wx/menu.h>

#if defined(__WXGTK__) && defined(VK_HAVE_GTK3)
#include <glib-object.h>
#endif

namespace vk {
namespace {

void AlwaysShowPicture([[maybe_unused]] wxMenuItem& item) {
#if defined(__WXGTK__) && defined(VK_HAVE_GTK3)
    auto* widget = reinterpret_cast<GObject*>(item.GetMenuItem());
    if (widget && g_object_class_find_property(G_OBJECT_GET_CLASS(widget), "always-show-image"))
        g_object_set(widget, "always-show-image", TRUE, nullptr);
#endif
}

}  // namespace

void SetMenuItemPicture(wxMenu& menu, wxMenuItem& item, const wxBitmap& picture) {
    const int at = menu.GetMenuItems().IndexOf(&item);
    if (at == wxNOT_FOUND || !picture.IsOk()) return;
    menu.Remove(&item);
    item.SetBitmap(picture);
    menu.Insert(static_cast<size_t>(at), &item);
    AlwaysShowPicture(item);
}

}  // namespace vk
