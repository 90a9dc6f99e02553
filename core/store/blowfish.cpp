#include "core/store/blowfish.h"

#include <cstring>

#include "core/store/blowfish_tables.h"
#include "core/store/secure_wipe.h"

namespace vk {
namespace {

inline std::uint32_t LoadBigEndian(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

inline void StoreBigEndian(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// The rounds are inline functions of their own rather than calls of the public block
// operations, so that the buffer loops and the key schedule pay no call per block: that call
// cost about a tenth of the buffer speed and a third of the keying time.
using SBoxes = std::uint32_t[4][256];

inline std::uint32_t Feistel(const SBoxes& s, std::uint32_t x) {
    return ((s[0][x >> 24] + s[1][(x >> 16) & 0xFF]) ^ s[2][(x >> 8) & 0xFF]) + s[3][x & 0xFF];
}

// Two rounds per step with the halves' roles swapped in place of an explicit exchange.
inline void TwoRounds(const std::uint32_t* p, const SBoxes& s, std::uint32_t& l, std::uint32_t& r,
                      int k0, int k1) {
    l ^= p[k0];
    r ^= Feistel(s, l);
    r ^= p[k1];
    l ^= Feistel(s, r);
}

inline void Encipher(const std::uint32_t* p, const SBoxes& s, std::uint32_t& left,
                     std::uint32_t& right) {
    std::uint32_t l = left, r = right;
    for (int k = 0; k < 16; k += 2) TwoRounds(p, s, l, r, k, k + 1);
    left = r ^ p[17];
    right = l ^ p[16];
}

// The same rounds with the P words in reverse order.
inline void Decipher(const std::uint32_t* p, const SBoxes& s, std::uint32_t& left,
                     std::uint32_t& right) {
    std::uint32_t l = left, r = right;
    for (int k = 17; k > 1; k -= 2) TwoRounds(p, s, l, r, k, k - 1);
    left = r ^ p[0];
    right = l ^ p[1];
}

}  // namespace

CBlowfish::CBlowfish() {
    Reset();
}

CBlowfish::CBlowfish(std::string_view password) {
    SetKey(password);
}

CBlowfish::~CBlowfish() {
    Wipe();
}

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
        Encipher(p_, s_, left, right);
        p_[i] = left;
        p_[i + 1] = right;
    }
    for (auto& box : s_) {
        for (int i = 0; i < 256; i += 2) {
            Encipher(p_, s_, left, right);
            box[i] = left;
            box[i + 1] = right;
        }
    }
}

void CBlowfish::EncryptBlock(std::uint32_t& left, std::uint32_t& right) const {
    Encipher(p_, s_, left, right);
}

void CBlowfish::DecryptBlock(std::uint32_t& left, std::uint32_t& right) const {
    Decipher(p_, s_, left, right);
}

bool CBlowfish::EncryptBuffer(std::uint8_t* buffer, std::int32_t length) const {
    if (length < 8) return true;
    const std::int32_t blocks = length / 8;
    for (std::int32_t i = 0; i < blocks; ++i, buffer += 8) {
        std::uint32_t l = LoadBigEndian(buffer), r = LoadBigEndian(buffer + 4);
        Encipher(p_, s_, l, r);
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
        Decipher(p_, s_, l, r);
        StoreBigEndian(buffer, l);
        StoreBigEndian(buffer + 4, r);
    }
    return true;
}

}  // namespace vk
