#include "platform/wx/desktop_identity.h"

#include <wx/defs.h>
#ifdef __WXGTK__
#include <gdk/gdk.h>
#include <glib.h>
#endif

namespace vk {

void SetDesktopIdentity(const DesktopIdentity& identity) {
#ifdef __WXGTK__
    // Left alone, the instance name and the application id follow the name the program was
    // started by (a renamed copy or a symbolic link would change them). wx gives its own
    // top-level windows the application name as class; GDK's other windows take this one.
    g_set_prgname(identity.applicationId);
    gdk_set_program_class(identity.windowClass);
    g_set_application_name(identity.name);
#else
    (void)identity;
#endif
}

}  // namespace vk
