#include "gui/ui/bitmap_drawing.h"

#include <wx/dc.h>
#include <wx/image.h>
#include <wx/imaglist.h>

namespace vk {

wxColour ProgramMaskColour() {
    return wxColour(255, 0, 255);
}

wxColour TopLeftPixelColour(const wxBitmap& bitmap) {
    if (!bitmap.IsOk()) return ProgramMaskColour();
    const wxImage image = bitmap.ConvertToImage();
    return wxColour(image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0));
}

void DrawBitmapTransparent(wxDC& dc, const wxBitmap& bitmap, const wxPoint& at,
                           const wxColour& key) {
    if (!bitmap.IsOk()) return;
    wxBitmap masked(bitmap);
    masked.SetMask(new wxMask(masked, key));
    dc.DrawBitmap(masked, at, true);
}

void DrawBitmapTransparent(wxDC& dc, const wxBitmap& bitmap, const wxPoint& at) {
    DrawBitmapTransparent(dc, bitmap, at, TopLeftPixelColour(bitmap));
}

int AddBitmapToImageList(wxImageList& list, const wxBitmap& bitmap, const wxColour& maskColour) {
    if (!bitmap.IsOk()) return -1;
    // A list never made has no size yet; asking it for its count would be an error.
    if (list.GetSize() == wxSize(0, 0) || list.GetImageCount() == 0)
        list.Create(bitmap.GetWidth(), bitmap.GetHeight(), true, 4);
    return list.Add(bitmap, maskColour);
}

}  // namespace vk
