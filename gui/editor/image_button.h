#pragma once

class wxBitmapButton;
class wxWindow;

namespace vk {

// One of the editor's image buttons: the command's 16x16 picture, the command number as its
// id and the first line of the command's text as its tooltip. It starts disabled, until its
// command exists and may run.
wxBitmapButton* MakeImageButton(wxWindow* parent, int command);

}  // namespace vk
