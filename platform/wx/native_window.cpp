#include "platform/wx/native_window.h"

#include <wx/window.h>

#ifdef __WXGTK__
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#endif

namespace vk {

std::uint64_t NativeWindowId(wxWindow* window) {
#ifdef __WXGTK__
    if (!window) return 0;
    GtkWidget* widget = window->GetHandle();
    GdkWindow* gdk = widget ? gtk_widget_get_window(widget) : nullptr;
    if (gdk && GDK_IS_X11_WINDOW(gdk)) return GDK_WINDOW_XID(gdk);
#else
    (void)window;
#endif
    return 0;
}

void KeepAboveOwner(wxWindow* window, wxWindow* owner) {
#ifdef __WXGTK__
    GtkWidget* widget = window ? window->GetHandle() : nullptr;
    if (!widget || !GTK_IS_WINDOW(widget)) return;
    GtkWidget* above = owner ? owner->GetHandle() : nullptr;
    gtk_window_set_transient_for(GTK_WINDOW(widget),
                                 above && GTK_IS_WINDOW(above) ? GTK_WINDOW(above) : nullptr);
#else
    (void)window;
    (void)owner;
#endif
}

}  // namespace vk
