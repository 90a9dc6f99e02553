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

}  // namespace vk
