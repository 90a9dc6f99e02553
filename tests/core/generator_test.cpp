// The password generator step by step with scripted draws, and its options in the profile.
#include <gtest/gtest.h>

#include "core/tools/generator.h"
#include "core/tools/generator_options.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/scripted_random.h"

namespace vk {
namespace {

using namespace std::string_literals;
using Draws = std::vector<std::uint32_t>;

struct Run {
    std::string password;
    Draws bounds;  // the draws made, in order
};

Run Make(const GeneratorOptions& o, std::deque<std::uint32_t> script,
         std::string_view list = "\0\5alpha\0\4beta\0\5gamma\0\0"s) {
    test::ScriptedRandom random(std::move(script));
    CWordListReader words(list);
    const auto made = GeneratePassword(o, random, words, words.CountWords());
    EXPECT_TRUE(made.ok);
    return {made.password, random.bounds};
}

GeneratorOptions Options(bool secure, std::uint32_t length, LetterCase letterCase,
                         InsertMode mode = InsertMode::kNone, std::string text = "") {
    GeneratorOptions o;
    o.secure = secure, o.length = length, o.letterCase = letterCase;
    o.insertMode = mode, o.insertText = std::move(text);
    return o;
}

// Each character as its letter (or digit) draw followed by the choice among one class.
std::deque<std::uint32_t> Picks(const std::string& text) {
    std::deque<std::uint32_t> script;
    for (char c : text) {
        const std::string set = c >= '0' && c <= '9' ? kDigits : kLetters;
        script.insert(script.end(), {static_cast<std::uint32_t>(set.find(c)), 0});
    }
    return script;
}

TEST(GeneratorTest, SecureModeFollowsEveryStep) {
    const auto mixed = Make(Options(true, 3, LetterCase::kMixed), {0, 0, 26, 0, 27, 0, 1, 0, 1});
    EXPECT_EQ(mixed.password, "AaB");  // mixed case draws once per position, after the letters
    EXPECT_EQ(mixed.bounds, (Draws{52, 1, 52, 1, 52, 1, 2, 2, 2}));

    // One candidate per checked class, in order, then one of them; sets count characters.
    auto all = Options(true, 2, LetterCase::kUpper);
    all.useNumbers = all.useSpecial = true, all.specialChars = "€ü";
    const auto classes = Make(all, {25, 3, 1, 2, 0, 7, 0, 1});
    EXPECT_EQ(classes.password, "Ü7");
    EXPECT_EQ(classes.bounds, (Draws{52, 10, 2, 3, 52, 10, 2, 3}));

    auto digits = Options(true, 10, LetterCase::kMixed, InsertMode::kSuffix, "ab");
    digits.useLetters = false, digits.useNumbers = true;
    EXPECT_EQ(Make(digits, Picks("1234567890")).password, "12345678ab");
    const auto middle = Options(true, 10, LetterCase::kLower, InsertMode::kMiddle, "XYZ");
    EXPECT_EQ(Make(middle, Picks("abcdefghij")).password, "abcXYZdefg");
    const auto prefix = Options(true, 3, LetterCase::kUpper, InsertMode::kPrefix, "abcdef");
    EXPECT_EQ(Make(prefix, Picks("xyz")).password, "abc");
    const auto wide = Options(true, 3, LetterCase::kLower, InsertMode::kSuffix, "€€");
    EXPECT_EQ(Make(wide, Picks("abc")).password, "a€€");

    auto emptySet = Options(true, 8, LetterCase::kMixed);
    emptySet.useLetters = false, emptySet.useSpecial = true, emptySet.specialChars.clear();
    EXPECT_EQ(Make(emptySet, {}).password, "");
    EXPECT_EQ(Make(Options(true, 0, LetterCase::kMixed), {}).password, "");
    EXPECT_EQ(Make(Options(true, 5000, LetterCase::kLower), {}).password.size(), 999u);

    test::ScriptedRandom random;
    CWordListReader words;
    emptySet.useSpecial = false;
    EXPECT_FALSE(GeneratePassword(emptySet, random, words, 0).ok);
}

TEST(GeneratorTest, WordModeFollowsEveryStep) {
    const auto single = Make(Options(false, 1, LetterCase::kMixed), {2});
    EXPECT_EQ(single.password, "Beta");  // mixed case keeps the capital; the length is unused
    EXPECT_EQ(single.bounds, Draws{3});

    auto full = Options(false, 1, LetterCase::kLower, InsertMode::kMiddle, "-");
    full.wordFormat = WordFormat::kWordNumberWord;
    const auto shaped = Make(full, {2, 1, 4, 2, 0});
    EXPECT_EQ(shaped.password, "beta42-alpha");
    EXPECT_EQ(shaped.bounds, (Draws{3, 4, 10, 10, 3}));

    // The middle text comes before the case, a prefix after it; a suffix is not cut.
    auto middle = Options(false, 1, LetterCase::kUpper, InsertMode::kMiddle, "ab");
    middle.wordFormat = WordFormat::kWordWord;
    EXPECT_EQ(Make(middle, {1, 2}).password, "ALPHAABBETA");
    const auto prefix = Options(false, 1, LetterCase::kUpper, InsertMode::kPrefix, "ab");
    EXPECT_EQ(Make(prefix, {2}).password, "abBETA");
    const auto suffix = Options(false, 1, LetterCase::kMixed, InsertMode::kSuffix, "xyz");
    EXPECT_EQ(Make(suffix, {0}).password, "Alphaxyz");

    // Without words only a prefix is left, and nothing is drawn.
    full.insertMode = InsertMode::kPrefix;
    EXPECT_EQ(Make(full, {}, "\0\0"s).password, "-");
    EXPECT_TRUE(Make(full, {}, "\0\0"s).bounds.empty());
}

TEST(GeneratorOptionsTest, StoredFormRoundTripAndHostileProfiles) {
    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    CProfileFile profile(fs, prompt, "/prog");
    std::string& file = fs.files["/prog/Vaultkeep.ini"];
    ASSERT_EQ(SaveGeneratorOptions(profile, LoadGeneratorOptions(profile)), 1);
    EXPECT_EQ(file,
              "[Vaultkeep.ini]\nPasswordLength=\"8\"\nSpecialChars=\"_{}[]()!@#$&*+-=<>`~\"\n"
              "UseLetters=1\nUseNumbers=0\nUseSpecial=0\nUseCase=1040\nInsertMode=1048\n"
              "InsertText=\"\"\nWordOptions=1056\nSecure=1054\n");

    auto o = Options(false, 120, LetterCase::kUpper, InsertMode::kSuffix, " x€ ");
    o.useLetters = false, o.useNumbers = o.useSpecial = true, o.specialChars = "€!";
    o.wordFormat = WordFormat::kWordNumberWord;
    ASSERT_EQ(SaveGeneratorOptions(profile, o), 1);
    // Every option differs from its default: each one is read back as it was written.
    const std::string written = file;
    ASSERT_EQ(SaveGeneratorOptions(profile, LoadGeneratorOptions(profile)), 1);
    EXPECT_EQ(file, written);

    file =
        "[Vaultkeep.ini]\nPasswordLength=\"abc\"\nUseLetters=7\nUseNumbers=x\nUseCase=1041\n"
        "InsertMode=99999999999999999999\nWordOptions=1059\nSecure=5\n"
        "SpecialChars=\"a\"b\"c\"\nInsertText=\"" +
        std::string(400, 'i') + "\"\n";
    o = LoadGeneratorOptions(profile);
    EXPECT_EQ(std::tie(o.length, o.useLetters, o.useNumbers, o.letterCase, o.insertMode,
                       o.wordFormat, o.secure, o.specialChars),
              std::make_tuple(8u, true, false, LetterCase::kMixed, InsertMode::kNone,
                              WordFormat::kWordNumberWord, true, "abc"s));
    EXPECT_EQ(o.insertText, std::string(259, 'i'));
    for (auto [stored, length] : {std::pair{"99999999999", 999u}, {"-3", 8u}, {"12x", 12u}}) {
        file = "[Vaultkeep.ini]\nPasswordLength=" + std::string(stored) + "\nInsertText=caf\xE9";
        EXPECT_EQ(LoadGeneratorOptions(profile).length, length) << stored;
    }
    EXPECT_EQ(LoadGeneratorOptions(profile).insertText, "café");  // a profile from Windows
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace vk
