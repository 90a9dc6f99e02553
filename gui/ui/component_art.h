#pragma once
#include <wx/bitmap.h>

// The pictures of the toolbar, the menus and the tip of the day (resources/art/tb_*.svg,
// menu_*.svg, bulb.svg), compiled in like the rest of the artwork.
namespace vk::art {

// The picture of command `command` at 16 or 32 pixels (other sizes are scaled from the nearest
// drawing); invalid for a command without a picture.
wxBitmap CommandBitmap(int command, int size);

// The tip of the day's bulb, 48x48.
wxBitmap BulbPicture();

}  // namespace vk::art
