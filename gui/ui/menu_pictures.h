#pragma once
#include <wx/bitmap.h>

class wxMenu;
class wxMenuItem;

namespace vk {

// Gives a menu item already in `menu` its picture. The toolkit draws an item's picture only
// when the item enters the menu with it, and GTK shows menu pictures only when the desktop
// asks for them; the program's items show theirs either way.
void SetMenuItemPicture(wxMenu& menu, wxMenuItem& item, const wxBitmap& picture);

}  // namespace vk
