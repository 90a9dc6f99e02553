#include "core/store/secret_string.h"

#include "core/store/secure_wipe.h"

namespace vk {

SecretString::~SecretString() {
    SecureWipe(text_);
}

void SecretString::Clear() {
    SecureWipe(text_);
}

void SecretString::Assign(std::string_view text) {
    if (text.size() <= text_.capacity()) {
        SecureWipe(text_.data(), text_.capacity());
        text_.assign(text.data(), text.size());
        return;
    }
    std::string bigger;
    bigger.reserve(text.size());
    bigger.assign(text.data(), text.size());
    SecureWipe(text_);
    text_.swap(bigger);
}

}  // namespace vk
