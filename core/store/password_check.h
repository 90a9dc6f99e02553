#pragma once
#include <string_view>

#include "core/shell/user_prompt.h"

namespace vk {

// The largest master password the check block can prove: longer ones could never be verified.
constexpr std::size_t kMaxMasterPasswordBytes = 80;

// The reminder phrase edit takes at most this many bytes; a file keeps 32.
constexpr std::size_t kMaxReminderBytes = 31;

// 80 zero bytes with the password copied in (cut to 80), enciphered under its own key.
CheckBlock MakeCheckBlock(std::string_view password);

// True when `password` is exactly the text (up to its first zero byte, at most 80 bytes)
// that the block deciphers to under the password's key. An all-zero block is not special
// here: the loader decides that.
bool PasswordMatchesCheckBlock(std::string_view password, const CheckBlock& block);

// The message for a master password that cannot be stored (too long, or holding a zero byte),
// or empty when it fits.
std::string MasterPasswordProblem(std::string_view password);

// The message for a reminder phrase that is too long or holds a line break, or empty when it
// fits.
std::string ReminderProblem(std::string_view reminder);

}  // namespace vk
