#include "platform/system_random.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/store/secure_wipe.h"

#ifdef _WIN32
#include <bcrypt.h>
#include <windows.h>
#else
#include <sys/random.h>
#endif

namespace vk {
namespace {

[[noreturn]] void NoRandomness() {
    std::fputs("Vaultkeep: the system gives no random numbers; no password can be made.\n", stderr);
    std::abort();
}

void FillRandom(unsigned char* bytes, std::size_t size) {
#ifdef _WIN32
    if (BCryptGenRandom(nullptr, bytes, static_cast<ULONG>(size), BCRYPT_USE_SYSTEM_PREFERRED_RNG) <
        0)
        NoRandomness();
#else
    while (size > 0) {
        const ssize_t got = ::getrandom(bytes, size, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            NoRandomness();
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
#endif
}

}  // namespace

CSystemRandom::~CSystemRandom() {
    SecureWipe(pool_.data(), pool_.size());
}

void CSystemRandom::Refill() {
    FillRandom(pool_.data(), pool_.size());
    used_ = 0;
}

std::uint32_t CSystemRandom::NextWord() {
    if (used_ + sizeof(std::uint32_t) > pool_.size()) Refill();
    std::uint32_t word;
    std::memcpy(&word, pool_.data() + used_, sizeof word);
    // A byte handed out once is never handed out again.
    std::memset(pool_.data() + used_, 0, sizeof word);
    used_ += sizeof word;
    return word;
}

std::uint32_t CSystemRandom::Draw(std::uint32_t bound) {
    if (bound <= 1) return 0;
    // Words at or above the largest multiple of `bound` would favour the small results:
    // they are drawn again.
    const std::uint32_t rejectFrom =
        static_cast<std::uint32_t>(0x100000000ull - 0x100000000ull % bound);
    for (;;) {
        const std::uint32_t word = NextWord();
        if (rejectFrom == 0 || word < rejectFrom) return word % bound;
    }
}

}  // namespace vk
