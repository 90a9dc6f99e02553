#pragma once

class wxWindow;

namespace vk {

class CSkinButton;

// One of the editor's image buttons: the command's 16x16 picture, the command number as its
// id and the first line of the command's text as its tooltip. It starts disabled, until its
// command exists and may run. `skinned` picks its pictures (see SetImageButtonSkin).
CSkinButton* MakeImageButton(wxWindow* parent, int command, bool skinned);

// The skinned set lights the picture up under the pointer; the plain set shows the same
// picture at all times. Both grey it while the button is disabled, so a button that would do
// nothing never looks as if it would.
void SetImageButtonSkin(CSkinButton& button, bool skinned);

}  // namespace vk
