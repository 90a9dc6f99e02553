#include "core/store/secure_wipe.h"

namespace vk {

void SecureWipe(void* data, std::size_t size) {
    volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
    while (size--) *p++ = 0;
}

void SecureWipe(std::string& text) {
    // capacity() excludes the terminator slot, which is already zero.
    if (text.capacity() > 0) SecureWipe(text.data(), text.capacity());
    text.clear();
}

}  // namespace vk
