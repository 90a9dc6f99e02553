#pragma once

namespace vk {

// What a bitmap push button shows at a moment.
struct SkinButtonState {
    bool pressed = false;  // the mouse button is down on it, or Space is held
    bool hot = false;      // the pointer is over it
    bool focused = false;
    bool isDefault = false;
    bool disabled = false;
    bool checkStyle = false;  // a button that stays in while checked
    bool checked = false;
    bool flat = false;
    bool borderWhenFlat = false;  // a flat button draws its border while hot or pressed
    bool outline = false;         // a white-and-black one-pixel outline drawn last
    bool hasDisabledBitmap = false;
};

enum class SkinButtonBitmap { kHot, kNormal, kDisabled };
enum class SkinButtonBorder { kNone, kSunken, kRaised };

struct SkinButtonLook {
    SkinButtonBitmap bitmap = SkinButtonBitmap::kNormal;
    bool blackFrame = false;  // focused or default: a black frame, the rest one pixel inside
    SkinButtonBorder border = SkinButtonBorder::kRaised;
    bool outline = false;
};

// How a skinned button draws itself in `state`.
SkinButtonLook SkinButtonLookOf(const SkinButtonState& state);

}  // namespace vk
