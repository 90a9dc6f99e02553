#include "gui/editor/image_button.h"

#include <wx/image.h>

#include "core/editor/button_tips.h"
#include "gui/ui/artwork.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// The colour the editor's pictures leave out where they have no alpha channel.
const wxColour kTransparent(255, 0, 255);
constexpr int kHotLightness = 120;

CSkinButton::Bitmaps ImageButtonBitmaps(int command, bool skinned) {
    const wxBitmap drawn = art::ButtonBitmap(command);
    CSkinButton::Bitmaps bitmaps;
    bitmaps.disabled = drawn.ConvertToDisabled();
    if (skinned) {
        bitmaps.hot = wxBitmap(drawn.ConvertToImage().ChangeLightness(kHotLightness));
        bitmaps.normal = drawn;
    } else {
        bitmaps.hot = drawn;
    }
    return bitmaps;
}

}  // namespace

CSkinButton* MakeImageButton(wxWindow* parent, int command, bool skinned) {
    auto* button = new CSkinButton(parent, command, ImageButtonBitmaps(command, skinned),
                                   ToWx(ButtonTip(command)), kTransparent);
    // The editor's keys act on the tree, the grid and the boxes: a click on a button leaves
    // the keyboard there, so Ctrl+Z, F2 or Delete work right after it.
    button->SetTakesFocus(false);
    button->Disable();
    return button;
}

void SetImageButtonSkin(CSkinButton& button, bool skinned) {
    button.SetBitmaps(ImageButtonBitmaps(button.Command(), skinned));
}

}  // namespace vk
