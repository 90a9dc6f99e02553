#pragma once
#include <functional>
#include <map>
#include <string>

namespace vk::test {

// The options' effects on the running program, by short name.
inline const char* const kEffectNames[] = {"timer",   "tray",   "transparency", "skin",
                                           "startup", "editor", "quick"};

// Makes every effect of `hooks` (the options' effects, or the application's) count its calls
// in `applied` under its short name.
template <typename Hooks>
void CountEffects(Hooks& hooks, std::map<std::string, int>& applied) {
    std::function<void()> Hooks::*const members[] = {
        &Hooks::applyClipboardTimer, &Hooks::applyTrayIcon,      &Hooks::applyTransparency,
        &Hooks::applySkin,           &Hooks::updateStartupEntry, &Hooks::editorSettingsChanged,
        &Hooks::quickAccessChanged};
    for (int i = 0; i < 7; ++i)
        hooks.*members[i] = [&applied, name = std::string(kEffectNames[i])] { ++applied[name]; };
}

}  // namespace vk::test
