#include "core/ui/skin_button_look.h"

namespace vk {

SkinButtonLook SkinButtonLookOf(const SkinButtonState& state) {
    SkinButtonLook look;
    // A check-style button counts as pressed while it is checked.
    const bool pressed = state.pressed || (state.checkStyle && state.checked);
    look.blackFrame = !state.flat && (state.focused || state.isDefault);
    if (!state.flat)
        look.border = pressed ? SkinButtonBorder::kSunken : SkinButtonBorder::kRaised;
    else if (state.borderWhenFlat && (pressed || state.hot))
        look.border = pressed ? SkinButtonBorder::kSunken : SkinButtonBorder::kRaised;
    else
        look.border = SkinButtonBorder::kNone;

    if (state.disabled && state.hasDisabledBitmap)
        look.bitmap = SkinButtonBitmap::kDisabled;
    else if (state.checkStyle)
        look.bitmap = state.checked ? SkinButtonBitmap::kHot : SkinButtonBitmap::kNormal;
    else if (!state.disabled && (pressed || state.hot))
        look.bitmap = SkinButtonBitmap::kHot;
    else
        look.bitmap = SkinButtonBitmap::kNormal;
    look.outline = state.outline;
    return look;
}

}  // namespace vk
