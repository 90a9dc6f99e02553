#pragma once
#include <string>

#include "cli/password_source.h"
#include "core/shell/user_prompt.h"

namespace vk::cli {

// Answers the core for the command-line tool: messages are kept for the one error line,
// passwords come from the password source.
class CliPrompt : public IUserPrompt {
  public:
    explicit CliPrompt(PasswordSource& source) : source_(source) {}

    MessageResult ShowMessage(const std::string& text, MessageButtons buttons,
                              MessageIcon icon) override;
    PasswordAnswer AskPassword(const PasswordRequest& request) override;

    // The first message shown, on one line; empty when none was.
    std::string ErrorLine() const;
    void SetError(const std::string& text) {
        if (first_.empty()) first_ = text;
    }

  private:
    PasswordSource& source_;
    std::string first_;
};

// Line breaks become blanks and the ends are trimmed, so a message fits on one line.
std::string OneLine(const std::string& text);

}  // namespace vk::cli
