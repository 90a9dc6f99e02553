#include "platform/system_error.h"

#include <cstring>

namespace vk {

std::string SystemErrorText(int error) {
    char buffer[256] = {};
    // GNU strerror_r may return a static string instead of filling the buffer.
#if defined(__GLIBC__) && defined(_GNU_SOURCE)
    return strerror_r(error, buffer, sizeof buffer);
#else
    if (strerror_r(error, buffer, sizeof buffer) != 0) return "Unknown error";
    return buffer;
#endif
}

}  // namespace vk
