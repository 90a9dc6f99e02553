#pragma once
// What the user's clicks and keys send, for the tests that drive windows through their
// handlers, and waits that let the test display deliver its own events.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>

namespace vk::test {

// What a click on the control `id` in `parent` (or `parent` itself) sends: a button by
// default, or another command such as wxEVT_CHECKBOX with `value`.
inline void Click(wxWindow* parent, int id, wxEventType type = wxEVT_BUTTON, int value = 0) {
    wxWindow* control = parent->FindWindow(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    wxCommandEvent event(type, id);
    event.SetEventObject(control);
    event.SetInt(value);
    control->GetEventHandler()->ProcessEvent(event);
}

// Checks or clears a box as the user does.
inline void Tick(wxCheckBox* box, bool on) {
    box->SetValue(on);
    Click(box, box->GetId(), wxEVT_CHECKBOX, on ? 1 : 0);
}

// A key pressed while `window` has the focus, as its dialog's key hook sees it.
inline void PressKey(wxWindow* window, int key, int modifiers = wxMOD_NONE) {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    event.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
    event.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
    event.SetEventObject(window);
    window->ProcessWindowEvent(event);
}

// Runs the toolkit's events (timers, deferred calls, sizes that change in steps) until `done`
// holds or `ms` have passed; tells whether `done` held.
inline bool Until(const std::function<bool()>& done, int ms = 2000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done() && std::chrono::steady_clock::now() < end) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
    return done();
}

inline void RunEvents(int ms = 100) {
    Until([] { return false; }, ms);
}

}  // namespace vk::test
