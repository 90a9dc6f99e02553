// The system's random source, statistically: uniform draws, and the generator's shapes with
// real chance.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "core/tools/generator.h"
#include "platform/system_random.h"

namespace vk {
namespace {

TEST(SystemRandomTest, DrawsAreUniformAndUnrelated) {
    CSystemRandom random;
    // Seven does not divide 2^32: a biased reduction would show here.
    constexpr int kDraws = 70000;
    std::array<int, 7> counts{};
    for (int i = 0; i < kDraws; ++i) ++counts[random.Draw(7)];
    double chiSquare = 0;
    for (int c : counts) chiSquare += (c - kDraws / 7.0) * (c - kDraws / 7.0) / (kDraws / 7.0);
    EXPECT_LT(chiSquare, 27.0);  // 6 degrees of freedom: fails once in 7,000 runs
    EXPECT_EQ(random.Draw(1), 0u);
    EXPECT_EQ(random.Draw(0), 0u);

    // Two sources started together share nothing.
    CSystemRandom other;
    std::set<std::uint32_t> seen;
    for (int i = 0; i < 8; ++i) {
        seen.insert(random.Draw(0xFFFFFFFF));
        seen.insert(other.Draw(0xFFFFFFFF));
    }
    EXPECT_EQ(seen.size(), 16u);
}

TEST(SystemRandomTest, PasswordsHaveTheirShapes) {
    CSystemRandom random;
    CWordListReader words;
    const std::size_t wordCount = words.CountWords();

    // Defaults: eight letters, an upper-case one three times as likely as a lower-case one.
    GeneratorOptions defaults;
    int upper = 0, lower = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::string p = GeneratePassword(defaults, random, words, wordCount).password;
        ASSERT_EQ(p.size(), 8u);
        for (char c : p) (c >= 'A' && c <= 'Z' ? upper : lower)++;
    }
    EXPECT_NEAR(static_cast<double>(upper) / (upper + lower), 0.75, 0.02);

    // Two classes: each half the time, whatever their sizes.
    GeneratorOptions mixed;
    mixed.useNumbers = true, mixed.length = 50;
    int digits = 0;
    for (int i = 0; i < 400; ++i)
        for (char c : GeneratePassword(mixed, random, words, wordCount).password)
            digits += c >= '0' && c <= '9';
    EXPECT_NEAR(digits / 20000.0, 0.5, 0.02);

    // Words: the first word twice as often as another, the last never.
    GeneratorOptions simple;
    simple.secure = false;
    std::map<std::string, int> picked;
    for (int i = 0; i < 40000; ++i)
        ++picked[GeneratePassword(simple, random, words, wordCount).password];
    EXPECT_EQ(picked.count("Your"), 0u);
    EXPECT_GT(picked["Able"], 50);  // 82 expected; 41 for a word picked once in 971
    EXPECT_LT(picked["Able"], 125);
    EXPECT_GT(picked.size(), 900u);
}

}  // namespace
}  // namespace vk
