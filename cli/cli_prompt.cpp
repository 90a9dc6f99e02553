#include "cli/cli_prompt.h"

#include <iostream>

#include "core/shell/messages.h"
#include "core/store/password_check.h"

namespace vk::cli {

std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

MessageResult CliPrompt::ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon) {
    SetError(text);
    // Questions are never asked behind a script's back: the safe answer is the default.
    switch (buttons) {
        case MessageButtons::kYesNo:
            return MessageResult::kNo;
        case MessageButtons::kYesNoCancel:
        case MessageButtons::kOkCancel:
            return MessageResult::kCancel;
        case MessageButtons::kOk:
            break;
    }
    return MessageResult::kOk;
}

PasswordAnswer CliPrompt::AskPassword(const PasswordRequest& request) {
    PasswordAnswer answer;
    const int attempts = source_.Interactive() ? 3 : 1;
    for (int left = attempts; left > 0; --left) {
        auto password = source_.Next("Password for " + request.fileName + ": ");
        if (!password) {
            SetError("A password is needed to open " + request.fileName +
                     ": give it on standard input with --password-stdin.");
            return answer;
        }
        if (PasswordMatchesCheckBlock(password->view(), request.checkBlock)) {
            answer.outcome = PasswordOutcome::kAccepted;
            answer.password = *password;
            return answer;
        }
        if (left > 1) std::cerr << msg::kIncorrectPassword << '\n';
    }
    SetError(attempts > 1 ? msg::kLastAttempt : msg::kIncorrectPassword);
    return answer;
}

std::string CliPrompt::ErrorLine() const {
    return OneLine(first_);
}

}  // namespace vk::cli
