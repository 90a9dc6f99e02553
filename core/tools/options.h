#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/settings/settings.h"
#include "core/settings/settings_store.h"
#include "core/shell/user_prompt.h"
#include "core/store/password_store.h"
#include "core/tools/columns.h"

namespace vk {

// The clipboard delay's spin button: its range and its steps (1, then 5 once held a second).
constexpr std::uint32_t kMinSpinSeconds = 5;
constexpr std::uint32_t kMaxSpinSeconds = 300;
constexpr std::size_t kMaxClearSecondsDigits = 7;
constexpr std::size_t kMaxExpirationDigits = 4;
inline constexpr std::array<const char*, 6> kExpirationDayChoices = {"0",  "30",  "60",
                                                                     "90", "180", "365"};
// The transparency slider runs from solid (0) to half transparent (127).
constexpr int kMaxTransparencyPosition = 127;

// A number typed into a digits-only box: the text with every other character removed and cut
// to `maxDigits`, and its value (0 when empty, `maxValue` at most).
struct DigitsInput {
    std::string text;
    bool cleaned = false;  // the text differs from what was typed: put it back
    std::uint32_t value = 0;
};
DigitsInput FilterDigits(std::string_view typed, std::size_t maxDigits, std::uint32_t maxValue);

// The spin button's next value from what the box holds: brought into the spin's range,
// then moved by `step` up (`up`) or down, staying in range.
std::uint32_t SpinSeconds(std::uint32_t current, bool up, std::uint32_t step);

// Steps of 1 while the spin button is clicked; 5 once it has been held for a second (a run
// of events less than `kHeldGapMs` apart).
class CSpinAcceleration {
  public:
    static constexpr std::uint64_t kHeldGapMs = 600;
    static constexpr std::uint64_t kAccelerateAfterMs = 1000;
    std::uint32_t Step(std::uint64_t nowMs);

  private:
    std::uint64_t runStart_ = 0;
    std::uint64_t last_ = 0;
    bool running_ = false;
};

int TransparencySliderPosition(std::uint32_t transparency);
std::uint32_t TransparencyOfSliderPosition(int position);
// "%u%%" of ((256 - transparency) * 100) / 256: 0% for opaque, 50% at the slider's end.
std::string TransparencyPercentText(std::uint32_t transparency);

// What the options change in the running program besides the settings. Every member may be
// left empty.
struct OptionsEffects {
    std::function<void()> applyClipboardTimer;  // ClearClipboard, ClearSeconds
    std::function<void()> applyTrayIcon;        // SysTrayIcon
    std::function<void()> applyTransparency;    // Transparency of quick access
    std::function<void()> applySkin;            // SkinDialog
    std::function<void()> updateStartupEntry;   // StartWithWindows
    std::function<void()> editorSettingsChanged;
    std::function<void()> quickAccessChanged;
};

// What OK saved and what had changed.
struct OptionsOutcome {
    bool saved = false;
    bool namesChanged = false;
    bool iconsChanged = false;
};

// The settings while the options sheet is open. The pages change the settings at once and
// apply what the running program shows at once; OK saves everything, Cancel reloads the
// stored values and brings the running program back in line with them. Once it has ended
// with either, changes no longer reach the settings (a focus lost while the sheet closes).
class COptionsSession {
  public:
    COptionsSession(CSettings& settings, CSettingsStore& store, const CPasswordStore& file,
                    IUserPrompt& prompt, OptionsEffects effects);

    const CSettings& Settings() const { return settings_; }

    // A check box of the first two pages: the setting takes the state, and the running program
    // follows it where it shows it (clipboard timer, tray icon, startup entry, skin).
    void SetFlag(bool CSettings::*flag, bool on);
    // The seconds box typed into; returns what the box should hold.
    DigitsInput TypeClearSeconds(std::string_view typed);
    DigitsInput TypeExpirationDays(std::string_view typed);
    void ChooseExpirationDays(std::size_t choice);
    void MoveTransparencySlider(int position);

    // "Column settings": the category on show, its boxes, its name, the default category.
    std::int32_t CurrentCategory() const { return category_; }
    void SelectCategory(std::int32_t category);
    // False when refused; the boxes should then show the kept set again.
    bool ClickColumnBox(const ColumnChoice& ticked);
    bool RenameCurrentCategory(const std::string& name);
    void ChooseDefaultCategory(std::size_t entry);
    void RestoreCategoryDefaults();

    // "Column names".
    void SetColumnName(int field, const std::string& name);
    bool SetColumnIcon(int field, int iconIndex);
    void RestoreNamesAndIcons();
    bool NamesChanged() const { return namesChanged_; }
    bool IconsChanged() const { return iconsChanged_; }

    // OK: saves every setting with the open file's state and refreshes what shows them.
    OptionsOutcome Confirm();
    // Cancel: the stored settings over the edited ones, and every effect applied again.
    void Cancel();

  private:
    static void Run(const std::function<void()>& effect);

    CSettings& settings_;
    CSettingsStore& store_;
    const CPasswordStore& file_;
    IUserPrompt& prompt_;
    OptionsEffects effects_;
    std::int32_t category_ = kCategoryDefault;
    bool namesChanged_ = false;
    bool iconsChanged_ = false;
    bool columnsChanged_ = false;
    bool ended_ = false;
};

}  // namespace vk
