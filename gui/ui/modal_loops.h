#pragma once
#include <functional>

namespace vk {

// Asks every modal dialog to end and closes the help window (which holds a loop of its own
// over a modal dialog). True while the program still runs inside such a nested loop: the
// caller should wait for it to return before it destroys the windows the dialogs belong to.
bool LeaveModalLoops();

// Runs `action` once the program is back on its main loop, when the nested loops it runs in
// now have returned.
void WhenBackOnMainLoop(std::function<void()> action);

}  // namespace vk
