#include "gui/editor/image_button.h"

#include <wx/bmpbuttn.h>

#include "core/editor/button_tips.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {

wxBitmapButton* MakeImageButton(wxWindow* parent, int command) {
    auto* button = new wxBitmapButton(parent, command, art::ButtonBitmap(command),
                                      wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    button->SetToolTip(ToWx(ButtonTip(command)));
    button->Disable();
    return button;
}

}  // namespace vk
