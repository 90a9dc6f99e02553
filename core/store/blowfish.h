#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vk {

// Blowfish with 16 rounds, used in electronic code book mode with big-endian block halves.
// Every buffer of the password file goes through it keyed with the master password.
class CBlowfish {
  public:
    // The key buffer is always this long: the password's bytes, zero-filled.
    static constexpr std::size_t kKeyBytes = 56;

    CBlowfish();  // standard initial tables, no key
    explicit CBlowfish(std::string_view password);
    ~CBlowfish();
    CBlowfish(const CBlowfish&) = default;
    CBlowfish& operator=(const CBlowfish&) = default;

    void Reset();
    // Keys with the first 56 bytes of `password` up to its first zero byte, zero-padded to 56.
    void SetKey(std::string_view password);
    // Runs the key schedule over exactly `length` bytes (a non-positive length keys nothing
    // into P, as the schedule has no bytes to take).
    void ExpandKey(const std::uint8_t* key, std::int16_t length);

    // ECB over length / 8 whole blocks; a tail shorter than a block stays as it is.
    bool EncryptBuffer(std::uint8_t* buffer, std::int32_t length) const;
    bool DecryptBuffer(std::uint8_t* buffer, std::int32_t length) const;

    void EncryptBlock(std::uint32_t& left, std::uint32_t& right) const;
    void DecryptBlock(std::uint32_t& left, std::uint32_t& right) const;

  private:
    void Wipe();

    std::uint32_t p_[18];
    std::uint32_t s_[4][256];
};

}  // namespace vk
