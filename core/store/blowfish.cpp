#include "core/store/blowfish.h"

#include <cstring>

#include "core/store/blowfish_tables.h"
#include "core/store/secure_wipe.h"

namespace vk {
namespace {

inline std::uint32_t LoadBigEndian(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
           (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
}

inline void StoreBigEndian(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

}  // namespace

CBlowfish::CBlowfish() { Reset(); }

CBlowfish::CBlowfish(std::string_view password) { SetKey(password); }

CBlowfish::~CBlowfish() { Wipe(); }

void CBlowfish::Wipe() {
    SecureWipe(p_, sizeof p_);
    SecureWipe(s_, sizeof s_);
}

void CBlowfish::Reset() {
    std::memcpy(p_, blowfish_tables::kInitialP, sizeof p_);
    std::memcpy(s_, blowfish_tables::kInitialS, sizeof s_);
}

void CBlowfish::SetKey(std::string_view password) {
    std::uint8_t key[kKeyBytes] = {};
    std::size_t n = 0;
    while (n < password.size() && n < kKeyBytes && password[n] != '\0') {
        key[n] = static_cast<std::uint8_t>(password[n]);
        ++n;
    }
    ExpandKey(key, static_cast<std::int16_t>(kKeyBytes));
    SecureWipe(key, sizeof key);
}

void CBlowfish::ExpandKey(const std::uint8_t* key, std::int16_t length) {
    Reset();
    if (length > 0) {
        const std::size_t len = static_cast<std::size_t>(length);
        std::size_t j = 0;
        for (std::uint32_t& word : p_) {
            std::uint32_t data = 0;
            for (int k = 0; k < 4; ++k) {
                data = (data << 8) | key[j];
                j = (j + 1) % len;
            }
            word ^= data;
        }
    }
    std::uint32_t left = 0, right = 0;
    for (int i = 0; i < 18; i += 2) {
        EncryptBlock(left, right);
        p_[i] = left;
        p_[i + 1] = right;
    }
    for (auto& box : s_) {
        for (int i = 0; i < 256; i += 2) {
            EncryptBlock(left, right);
            box[i] = left;
            box[i + 1] = right;
        }
    }
}

#define VK_BF_F(x) \
    (((s_[0][(x) >> 24] + s_[1][((x) >> 16) & 0xFF]) ^ s_[2][((x) >> 8) & 0xFF]) + s_[3][(x)&0xFF])

// Two rounds per step with the halves' roles swapped in place of an explicit exchange.
#define VK_BF_ROUNDS(l, r, k0, k1) \
    l ^= p_[k0];                   \
    r ^= VK_BF_F(l);               \
    r ^= p_[k1];                   \
    l ^= VK_BF_F(r);

void CBlowfish::EncryptBlock(std::uint32_t& left, std::uint32_t& right) const {
    std::uint32_t l = left, r = right;
    VK_BF_ROUNDS(l, r, 0, 1)
    VK_BF_ROUNDS(l, r, 2, 3)
    VK_BF_ROUNDS(l, r, 4, 5)
    VK_BF_ROUNDS(l, r, 6, 7)
    VK_BF_ROUNDS(l, r, 8, 9)
    VK_BF_ROUNDS(l, r, 10, 11)
    VK_BF_ROUNDS(l, r, 12, 13)
    VK_BF_ROUNDS(l, r, 14, 15)
    left = r ^ p_[17];
    right = l ^ p_[16];
}

void CBlowfish::DecryptBlock(std::uint32_t& left, std::uint32_t& right) const {
    std::uint32_t l = left, r = right;
    VK_BF_ROUNDS(l, r, 17, 16)
    VK_BF_ROUNDS(l, r, 15, 14)
    VK_BF_ROUNDS(l, r, 13, 12)
    VK_BF_ROUNDS(l, r, 11, 10)
    VK_BF_ROUNDS(l, r, 9, 8)
    VK_BF_ROUNDS(l, r, 7, 6)
    VK_BF_ROUNDS(l, r, 5, 4)
    VK_BF_ROUNDS(l, r, 3, 2)
    left = r ^ p_[0];
    right = l ^ p_[1];
}

#undef VK_BF_ROUNDS
#undef VK_BF_F

bool CBlowfish::EncryptBuffer(std::uint8_t* buffer, std::int32_t length) const {
    if (length < 8) return true;
    const std::int32_t blocks = length / 8;
    for (std::int32_t i = 0; i < blocks; ++i, buffer += 8) {
        std::uint32_t l = LoadBigEndian(buffer), r = LoadBigEndian(buffer + 4);
        EncryptBlock(l, r);
        StoreBigEndian(buffer, l);
        StoreBigEndian(buffer + 4, r);
    }
    return true;
}

bool CBlowfish::DecryptBuffer(std::uint8_t* buffer, std::int32_t length) const {
    if (length < 8) return true;
    const std::int32_t blocks = length / 8;
    for (std::int32_t i = 0; i < blocks; ++i, buffer += 8) {
        std::uint32_t l = LoadBigEndian(buffer), r = LoadBigEndian(buffer + 4);
        DecryptBlock(l, r);
        StoreBigEndian(buffer, l);
        StoreBigEndian(buffer + 4, r);
    }
    return true;
}

}  // namespace vk
