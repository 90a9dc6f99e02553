#include "cli/password_source.h"

#include "core/store/secure_wipe.h"
#include "platform/terminal.h"

namespace vk::cli {

bool PasswordSource::Interactive() const {
    return !fromStdin_ && StdinIsTerminal();
}

std::optional<SecretString> PasswordSource::Next(const std::string& prompt) {
    std::string line;
    if (fromStdin_) {
        if (!std::getline(in_, line)) return std::nullopt;
        if (!line.empty() && line.back() == '\r') line.pop_back();
    } else if (Interactive()) {
        auto typed = ReadHiddenLine(prompt);
        if (!typed) return std::nullopt;
        line.swap(*typed);
    } else {
        return std::nullopt;
    }
    SecretString secret(line);
    SecureWipe(line);
    return secret;
}

}  // namespace vk::cli
