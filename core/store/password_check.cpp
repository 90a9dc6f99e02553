#include "core/store/password_check.h"

#include <algorithm>
#include <cstring>

#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "core/store/blowfish.h"
#include "core/store/secure_wipe.h"

namespace vk {

CheckBlock MakeCheckBlock(std::string_view password) {
    CheckBlock block{};
    std::memcpy(block.data(), password.data(), std::min(password.size(), block.size()));
    CBlowfish(password).EncryptBuffer(block.data(), static_cast<std::int32_t>(block.size()));
    return block;
}

bool PasswordMatchesCheckBlock(std::string_view password, const CheckBlock& block) {
    CheckBlock plain = block;
    CBlowfish(password).DecryptBuffer(plain.data(), static_cast<std::int32_t>(plain.size()));
    const char* text = reinterpret_cast<const char*>(plain.data());
    const std::size_t length = strnlen(text, plain.size());
    const bool match = std::string_view(text, length) == password;
    SecureWipe(plain.data(), plain.size());
    return match;
}

std::string MasterPasswordProblem(std::string_view password) {
    // The check block keeps the password up to its first zero byte: a password holding one
    // could never be matched again, and the file would stay locked.
    if (password.find('\0') != std::string_view::npos) return msg::kPasswordHoldsNul;
    if (password.size() <= kMaxMasterPasswordBytes) return {};
    return FormatText(msg::kPasswordTooLongFormat, static_cast<unsigned>(kMaxMasterPasswordBytes));
}

std::string ReminderProblem(std::string_view reminder) {
    // The phrase is shown on one line while the password is asked for.
    if (reminder.find_first_of("\r\n") != std::string_view::npos)
        return msg::kReminderHoldsLineBreak;
    if (reminder.size() <= kMaxReminderBytes) return {};
    return FormatText(msg::kReminderTooLongFormat, static_cast<unsigned>(kMaxReminderBytes));
}

}  // namespace vk
