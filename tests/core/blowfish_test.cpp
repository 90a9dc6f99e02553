// Blowfish against the published vectors and, for everything else, against OpenSSL's BF-ECB.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/store/blowfish.h"

namespace vk {
namespace {

std::vector<std::uint8_t> Hex(const char* hex) {
    std::vector<std::uint8_t> out;
    for (; hex[0] && hex[1]; hex += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoul(std::string(hex, 2), nullptr, 16)));
    return out;
}

std::vector<std::uint8_t> OpenSslEcb(const std::uint8_t* key, int keyLength,
                                     std::vector<std::uint8_t> data, bool encrypt) {
    BF_KEY bf;
    BF_set_key(&bf, keyLength, key);
    for (std::size_t i = 0; i + 8 <= data.size(); i += 8)
        BF_ecb_encrypt(&data[i], &data[i], &bf, encrypt ? BF_ENCRYPT : BF_DECRYPT);
    return data;
}

std::vector<std::uint8_t> PasswordKey(const std::string& password) {
    std::vector<std::uint8_t> key(CBlowfish::kKeyBytes, 0);
    for (std::size_t i = 0; i < password.size() && i < key.size() && password[i]; ++i)
        key[i] = static_cast<std::uint8_t>(password[i]);
    return key;
}

TEST(Blowfish, PublishedVectorsThroughExpandKey) {
    struct Vector {
        const char *key, *plain, *cipher;
    };
    const Vector vectors[] = {
        {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
        {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
        {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
        {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
        {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
        {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    };
    for (const auto& v : vectors) {
        auto key = Hex(v.key), block = Hex(v.plain), expected = Hex(v.cipher);
        CBlowfish bf;
        bf.ExpandKey(key.data(), static_cast<std::int16_t>(key.size()));
        bf.EncryptBuffer(block.data(), 8);
        EXPECT_EQ(block, expected) << "key " << v.key;
        bf.DecryptBuffer(block.data(), 8);
        EXPECT_EQ(block, Hex(v.plain)) << "key " << v.key;
    }
}

TEST(Blowfish, ShortBuffersAndTailsStayPlain) {
    const CBlowfish bf("secret");
    std::uint8_t seven[7] = {1, 2, 3, 4, 5, 6, 7};
    const std::vector<std::uint8_t> sevenCopy(seven, seven + 7);
    EXPECT_TRUE(bf.EncryptBuffer(seven, 7));
    EXPECT_EQ(std::vector<std::uint8_t>(seven, seven + 7), sevenCopy);
    EXPECT_TRUE(bf.EncryptBuffer(seven, -5));

    std::uint8_t twelve[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    bf.EncryptBuffer(twelve, 12);
    EXPECT_NE(twelve[0] | (twelve[1] << 8), 1 | (2 << 8));
    EXPECT_EQ((std::vector<std::uint8_t>{9, 10, 11, 12}),
              std::vector<std::uint8_t>(twelve + 8, twelve + 12));
    bf.DecryptBuffer(twelve, 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(twelve[i], i + 1);
}

// Passwords empty (an all-zero key), short, of exactly 56 bytes, longer (only 56 count), with
// a zero byte (which ends the key), then random ones of any length, over a record-sized
// buffer and random multiples of the block.
TEST(Blowfish, PasswordKeysMatchOpenSslWith56ByteKeys) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 205; ++round) {
        const std::size_t fixed[] = {0, 4, 56, 90, 7};
        std::string password(round < 5 ? fixed[round] : rng() % 70, '\0');
        for (auto& ch : password) ch = static_cast<char>(1 + rng() % 255);
        if (round == 4) password[3] = '\0';
        std::vector<std::uint8_t> data(round < 5 ? 1736 : 8 * (1 + rng() % 40));
        for (auto& b : data) b = static_cast<std::uint8_t>(rng());
        auto key = PasswordKey(password);
        const auto expected = OpenSslEcb(key.data(), 56, data, true);
        auto ours = data;
        CBlowfish bf(password);
        bf.EncryptBuffer(ours.data(), static_cast<std::int32_t>(ours.size()));
        ASSERT_EQ(ours, expected) << "password of " << password.size() << " bytes";
        bf.DecryptBuffer(ours.data(), static_cast<std::int32_t>(ours.size()));
        ASSERT_EQ(ours, data);
    }
}

}  // namespace
}  // namespace vk
