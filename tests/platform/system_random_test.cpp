// The system's random source, statistically: uniform draws, and passwords with real chance.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "core/tools/generator.h"
#include "platform/system_random.h"

namespace vk {
namespace {

TEST(SystemRandomTest, DrawsAreUniformAndPasswordsHaveTheirShapes) {
    CSystemRandom random;
    // Seven does not divide 2^32: a biased reduction would show here.
    std::array<double, 7> counts{};
    for (int i = 0; i < 70000; ++i) ++counts[random.Draw(7)];
    double chiSquare = 0;
    for (double c : counts) chiSquare += (c - 10000) * (c - 10000) / 10000;
    EXPECT_LT(chiSquare, 27.0);  // 6 degrees of freedom: fails once in 7,000 runs
    EXPECT_NE(random.Draw(0xFFFFFFFF), CSystemRandom().Draw(0xFFFFFFFF));

    CWordListReader words;
    const std::size_t wordCount = words.CountWords();
    // Letters and digits: each class half the time; upper case three times in four letters.
    GeneratorOptions two;
    two.useNumbers = true, two.length = 40;
    std::map<bool, int> isDigit, isUpper;
    for (int i = 0; i < 500; ++i)
        for (char c : GeneratePassword(two, random, words, wordCount).password)
            ++isDigit[c <= '9'], ++isUpper[c >= 'A' && c <= 'Z'];
    EXPECT_NEAR(isDigit[true] / 20000.0, 0.5, 0.02);
    EXPECT_NEAR(isUpper[true] / 20000.0, 0.375, 0.02);

    // Words: the first twice as often as another, the last never.
    GeneratorOptions simple;
    simple.secure = false;
    std::map<std::string, int> picked;
    for (int i = 0; i < 40000; ++i)
        ++picked[GeneratePassword(simple, random, words, wordCount).password];
    EXPECT_EQ(picked.count("Your"), 0u);
    EXPECT_GT(picked["Able"], 50);  // 82 expected; 41 for a word picked once in 971
    EXPECT_LT(picked["Able"], 125);
    EXPECT_EQ(picked.size(), 970u);
}

}  // namespace
}  // namespace vk
