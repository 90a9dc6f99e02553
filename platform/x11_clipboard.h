#pragma once
#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "core/shell/clipboard.h"

namespace vk {

// The X selections without a toolkit, for the command-line tool: owns CLIPBOARD with a text,
// marked for clipboard managers as a secret, and serves it to whoever asks while Serve runs.
// Reads what other owners hold, and empties a selection by owning it with an empty text.
class CX11Clipboard : public IClipboard {
  public:
    // The target that asks clipboard managers to keep the text out of their history.
    static constexpr const char* kPasswordHintTarget = "x-kde-passwordManagerHint";

    CX11Clipboard();
    ~CX11Clipboard() override;

    // False when no X display could be opened.
    bool Available() const;

    bool SetText(const std::string& text) override;
    bool GetText(std::string* text) override;
    bool Clear() override;
    bool GetPrimaryText(std::string* text) override;
    bool ClearPrimary() override;

    // Answers requests for what we own until `until` or until `stop` becomes true.
    void Serve(std::chrono::steady_clock::time_point until, const std::atomic<bool>& stop);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vk
