#pragma once
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/gdicmn.h>

class wxDC;
class wxImageList;

namespace vk {

// The colour that the program's bitmaps use for "no pixel here".
wxColour ProgramMaskColour();

// The colour of the bitmap's top-left pixel: the key of bitmaps drawn on a plain ground.
wxColour TopLeftPixelColour(const wxBitmap& bitmap);

// Draws `bitmap` at `at` so that its pixels of colour `key` leave the background visible.
void DrawBitmapTransparent(wxDC& dc, const wxBitmap& bitmap, const wxPoint& at,
                           const wxColour& key);
// The same, with the top-left pixel's colour as the key.
void DrawBitmapTransparent(wxDC& dc, const wxBitmap& bitmap, const wxPoint& at);

// Adds `bitmap` to `list` with `maskColour` left out and returns its index. An empty list
// is first made for images of the bitmap's size.
int AddBitmapToImageList(wxImageList& list, const wxBitmap& bitmap,
                         const wxColour& maskColour = ProgramMaskColour());

}  // namespace vk
