#include "core/tools/options.h"

#include <algorithm>
#include <utility>

#include "core/shell/text_format.h"
#include "core/tools/options_messages.h"

namespace vk {

DigitsInput FilterDigits(std::string_view typed, std::size_t maxDigits, std::uint32_t maxValue) {
    DigitsInput input;
    for (char c : typed) {
        if (c >= '0' && c <= '9' && input.text.size() < maxDigits) input.text += c;
    }
    input.cleaned = input.text != typed;
    std::uint64_t value = 0;
    for (char c : input.text) value = std::min<std::uint64_t>(value * 10 + (c - '0'), maxValue);
    input.value = static_cast<std::uint32_t>(value);
    return input;
}

std::uint32_t SpinSeconds(std::uint32_t current, bool up, std::uint32_t step) {
    const std::uint32_t from = std::clamp(current, kMinSpinSeconds, kMaxSpinSeconds);
    if (up) return std::min(from + step, kMaxSpinSeconds);
    return from < kMinSpinSeconds + step ? kMinSpinSeconds : from - step;
}

std::uint32_t CSpinAcceleration::Step(std::uint64_t nowMs) {
    if (!running_ || nowMs < last_ || nowMs - last_ > kHeldGapMs) {
        running_ = true;
        runStart_ = nowMs;
    }
    last_ = nowMs;
    return nowMs - runStart_ >= kAccelerateAfterMs ? 5 : 1;
}

int TransparencySliderPosition(std::uint32_t transparency) {
    const int position = static_cast<int>(kMaxTransparency) -
                         static_cast<int>(std::min(transparency, kMaxTransparency));
    return std::min(position, kMaxTransparencyPosition);
}

std::uint32_t TransparencyOfSliderPosition(int position) {
    return kMaxTransparency -
           static_cast<std::uint32_t>(std::clamp(position, 0, kMaxTransparencyPosition));
}

std::string TransparencyPercentText(std::uint32_t transparency) {
    const std::uint32_t t = std::min(transparency, kMaxTransparency);
    return FormatText(msg::kPercentFormat, ((256 - t) * 100) / 256);
}

// ---------------------------------------------------------------------------------------------

COptionsSession::COptionsSession(CSettings& settings, CSettingsStore& store,
                                 const CPasswordStore& file, IUserPrompt& prompt,
                                 OptionsEffects effects)
    : settings_(settings),
      store_(store),
      file_(file),
      prompt_(prompt),
      effects_(std::move(effects)) {}

void COptionsSession::Run(const std::function<void()>& effect) {
    if (effect) effect();
}

void COptionsSession::SetFlag(bool CSettings::*flag, bool on) {
    if (ended_) return;
    settings_.*flag = on;
    if (flag == &CSettings::clearClipboard) Run(effects_.applyClipboardTimer);
    if (flag == &CSettings::sysTrayIcon) Run(effects_.applyTrayIcon);
    if (flag == &CSettings::startWithWindows) Run(effects_.updateStartupEntry);
    if (flag == &CSettings::skinDialog) Run(effects_.applySkin);
}

DigitsInput COptionsSession::TypeClearSeconds(std::string_view typed) {
    DigitsInput input = FilterDigits(typed, kMaxClearSecondsDigits, kMaxClearSeconds);
    if (ended_) return input;
    settings_.clearSeconds = input.value;
    Run(effects_.applyClipboardTimer);
    return input;
}

DigitsInput COptionsSession::TypeExpirationDays(std::string_view typed) {
    DigitsInput input = FilterDigits(typed, kMaxExpirationDigits, kMaxExpirationDays);
    if (!ended_) settings_.expirationDays = input.value;
    return input;
}

void COptionsSession::ChooseExpirationDays(std::size_t choice) {
    if (ended_) return;
    if (choice < kExpirationDayChoices.size())
        settings_.expirationDays =
            FilterDigits(kExpirationDayChoices[choice], kMaxExpirationDigits, kMaxExpirationDays)
                .value;
}

void COptionsSession::MoveTransparencySlider(int position) {
    if (ended_) return;
    settings_.transparency = TransparencyOfSliderPosition(position);
    Run(effects_.applyTransparency);
}

void COptionsSession::SelectCategory(std::int32_t category) {
    category_ = NormaliseCategory(category);
}

bool COptionsSession::ClickColumnBox(const ColumnChoice& ticked) {
    if (ended_) return false;
    if (!SetColumnsFromChoice(settings_, category_, ticked, prompt_)) return false;
    columnsChanged_ = true;
    Run(effects_.editorSettingsChanged);
    return true;
}

bool COptionsSession::RenameCurrentCategory(const std::string& name) {
    if (ended_) return false;
    return RenameCategory(settings_, category_, name);
}

void COptionsSession::ChooseDefaultCategory(std::size_t entry) {
    if (ended_) return;
    if (entry < static_cast<std::size_t>(kCategoryCount))
        settings_.defaultCategory = static_cast<std::int32_t>(entry) + 1;
}

void COptionsSession::RestoreCategoryDefaults() {
    if (ended_) return;
    vk::RestoreCategoryDefaults(settings_, category_);
    columnsChanged_ = true;
    Run(effects_.editorSettingsChanged);
}

void COptionsSession::SetColumnName(int field, const std::string& name) {
    if (ended_) return;
    if (field < 0 || field >= kListFieldCount) return;
    settings_.columnNames[static_cast<std::size_t>(field)] = CutName(name, kMaxColumnNameBytes);
    namesChanged_ = true;
}

bool COptionsSession::SetColumnIcon(int field, int iconIndex) {
    if (ended_) return false;
    if (!vk::SetColumnIcon(settings_, field, iconIndex)) return false;
    iconsChanged_ = true;
    return true;
}

void COptionsSession::RestoreNamesAndIcons() {
    if (ended_) return;
    ResetColumnNamesAndIcons(settings_);
    namesChanged_ = true;
    iconsChanged_ = true;
}

OptionsOutcome COptionsSession::Confirm() {
    if (ended_) return {};
    ended_ = true;
    if (!file_.filePath.empty()) settings_.lastFile = file_.filePath;
    settings_.encryptFiles = file_.encrypted;
    OptionsOutcome outcome;
    outcome.saved = store_.SaveSettings(settings_) == 1;
    outcome.namesChanged = namesChanged_;
    outcome.iconsChanged = iconsChanged_;
    Run(effects_.updateStartupEntry);
    // The editor shows the records again in any case: masking and sizing may have changed.
    Run(effects_.editorSettingsChanged);
    // The quick-access tree shows fields in column order, by name, with their icons.
    if (namesChanged_ || iconsChanged_ || columnsChanged_) Run(effects_.quickAccessChanged);
    return outcome;
}

void COptionsSession::Cancel() {
    if (ended_) return;
    ended_ = true;
    store_.ReloadSettings(settings_);
    Run(effects_.applyClipboardTimer);
    Run(effects_.applyTrayIcon);
    Run(effects_.applyTransparency);
    Run(effects_.applySkin);
    Run(effects_.updateStartupEntry);
    Run(effects_.editorSettingsChanged);
    Run(effects_.quickAccessChanged);
}

}  // namespace vk
