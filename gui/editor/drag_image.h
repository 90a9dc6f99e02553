#pragma once
#include <wx/bitmap.h>
#include <wx/gdicmn.h>

#include <vector>

class wxPopupWindow;
class wxWindow;

namespace vk {

// The picture that follows the pointer while folders or records are dragged: a small window
// of its own above everything, so it can travel from the grid over the tree.
class CDragImage {
  public:
    // `hotSpot`: where in the picture the pointer holds it.
    CDragImage(wxWindow* owner, const wxBitmap& picture, const wxPoint& hotSpot);
    ~CDragImage();
    CDragImage(const CDragImage&) = delete;
    CDragImage& operator=(const CDragImage&) = delete;

    void MoveTo(const wxPoint& screenPointer);

  private:
    wxPopupWindow* popup_;
    wxPoint hotSpot_;
};

// A drag picture of text lines, each with `icon` before it, at most `maxWidth` pixels wide,
// drawn in `window`'s font on white.
wxBitmap MakeDragPicture(wxWindow* window, const std::vector<wxString>& lines, const wxBitmap& icon,
                         int maxWidth);

}  // namespace vk
