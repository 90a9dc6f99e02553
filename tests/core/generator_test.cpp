// The password generator step by step with scripted draws, and its options in the profile.
#include <gtest/gtest.h>

#include <functional>

#include "core/tools/generator.h"
#include "core/tools/generator_options.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/scripted_random.h"

namespace vk {
namespace {

using namespace std::string_literals;
using Draws = std::vector<std::uint32_t>;

const std::string kThreeWords = "\0\5alpha\0\4beta\0\5gamma\0\0"s;

// The draws made do not matter to a case.
const Draws kAnyDraws = {~0u};

struct Case {
    const char* name;
    std::function<void(GeneratorOptions&)> set;
    std::deque<std::uint32_t> script;
    std::string password;
    Draws bounds;  // the draws asked for, or kAnyDraws
};

// Each character of `text` as a letter draw (or a digit draw) followed by the class choice.
std::deque<std::uint32_t> Picks(const std::string& letters) {
    std::deque<std::uint32_t> script;
    for (char c : letters) {
        const std::string set = c >= '0' && c <= '9' ? kDigits : kLetters;
        script.push_back(static_cast<std::uint32_t>(set.find(c)));
        script.push_back(0);
    }
    return script;
}

void Check(const Case& c, std::string_view list = CompiledWordList()) {
    GeneratorOptions o;
    c.set(o);
    test::ScriptedRandom random(c.script);
    CWordListReader words(list);
    const auto made = GeneratePassword(o, random, words, words.CountWords());
    EXPECT_TRUE(made.ok) << c.name;
    EXPECT_EQ(made.password, c.password) << c.name;
    if (c.bounds != kAnyDraws) {
        EXPECT_EQ(random.bounds, c.bounds) << c.name;
    }
}

TEST(GeneratorTest, SecureModeFollowsEveryStep) {
    const Case cases[] = {
        {"defaults: letters, mixed case drawn per position",
         [](GeneratorOptions& o) { o.length = 3; },
         {0, 0, 26, 0, 27, 0, 1, 0, 1},
         "AaB",
         {52, 1, 52, 1, 52, 1, 2, 2, 2}},
        {"every class draws once, then one of them is taken",
         [](GeneratorOptions& o) {
             o.length = 2, o.useNumbers = o.useSpecial = true, o.specialChars = "€ü";
             o.letterCase = LetterCase::kUpper;
         },
         {25, 3, 1, 2, 0, 7, 0, 1},
         "Ü7",
         {52, 10, 2, 3, 52, 10, 2, 3}},
        {"suffix counts against the length",
         [](GeneratorOptions& o) {
             o.length = 10, o.useLetters = false, o.useNumbers = true;
             o.insertMode = InsertMode::kSuffix, o.insertText = "ab";
         },
         Picks("1234567890"), "12345678ab", kAnyDraws},
        {"middle after the third of seven",
         [](GeneratorOptions& o) {
             o.length = 10, o.letterCase = LetterCase::kLower;
             o.insertMode = InsertMode::kMiddle, o.insertText = "XYZ";
         },
         Picks("abcdefghij"), "abcXYZdefg", kAnyDraws},
        {"a prefix longer than the length is cut, and keeps its case",
         [](GeneratorOptions& o) {
             o.length = 3, o.letterCase = LetterCase::kUpper;
             o.insertMode = InsertMode::kPrefix, o.insertText = "abcdef";
         },
         Picks("xyz"), "abc", kAnyDraws},
        {"characters of several bytes are never split",
         [](GeneratorOptions& o) {
             o.length = 3, o.letterCase = LetterCase::kLower;
             o.insertMode = InsertMode::kSuffix, o.insertText = "€€";
         },
         Picks("abc"), "a€€", kAnyDraws},
        {"an empty special set gives no candidate",
         [](GeneratorOptions& o) {
             o.useLetters = false, o.useSpecial = true, o.specialChars.clear();
         },
         {},
         "",
         {}},
        {"length 0", [](GeneratorOptions& o) { o.length = 0; }, {}, "", {}},
    };
    for (const Case& c : cases) Check(c);

    GeneratorOptions huge;
    huge.length = 5000;
    test::ScriptedRandom random;
    CWordListReader words;
    EXPECT_EQ(GeneratePassword(huge, random, words, 0).password.size(), 999u);

    GeneratorOptions none;
    none.useLetters = false;
    const auto refused = GeneratePassword(none, random, words, 0);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.password, "");
}

TEST(GeneratorTest, WordModeFollowsEveryStep) {
    auto words = [](WordFormat format, LetterCase letterCase, InsertMode mode, std::string text) {
        return [=](GeneratorOptions& o) {
            o.secure = false, o.length = 1, o.wordFormat = format, o.letterCase = letterCase;
            o.insertMode = mode, o.insertText = text;
        };
    };
    const Case cases[] = {
        {"a single word keeps its capital under mixed case",
         words(WordFormat::kSingleWord, LetterCase::kMixed, InsertMode::kNone, ""),
         {2},
         "Beta",
         {3}},
        {"word, digits, middle text, word; all lower case",
         words(WordFormat::kWordNumberWord, LetterCase::kLower, InsertMode::kMiddle, "-"),
         {2, 1, 4, 2, 0},
         "beta42-alpha",
         {3, 4, 10, 10, 3}},
        {"the middle text comes before the case",
         words(WordFormat::kWordWord, LetterCase::kUpper, InsertMode::kMiddle, "ab"),
         {1, 2},
         "ALPHAABBETA",
         {3, 3}},
        {"a prefix comes after the case",
         words(WordFormat::kSingleWord, LetterCase::kUpper, InsertMode::kPrefix, "ab"),
         {2},
         "abBETA",
         kAnyDraws},
        {"a suffix is not cut in word mode",
         words(WordFormat::kWordNumber, LetterCase::kMixed, InsertMode::kSuffix, "xyz"),
         {0, 3, 1, 2, 3, 4},
         "Alpha1234xyz",
         kAnyDraws},
    };
    for (const Case& c : cases) Check(c, kThreeWords);

    // Without words only a prefix or suffix is left, and nothing is drawn.
    Check({"no words",
           words(WordFormat::kWordNumberWord, LetterCase::kUpper, InsertMode::kPrefix, "pre"),
           {},
           "pre",
           {}},
          "\0\0"s);
}

class GeneratorOptionsTest : public ::testing::Test {
  protected:
    GeneratorOptions Load(const std::string& profileText) {
        fs.files["/prog/Vaultkeep.ini"] = "[Vaultkeep.ini]\n" + profileText;
        return LoadGeneratorOptions(profile);
    }
    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    CProfileFile profile{fs, prompt, "/prog"};
};

TEST_F(GeneratorOptionsTest, StoredFormAndRoundTrip) {
    const GeneratorOptions defaults;
    const GeneratorOptions loaded = LoadGeneratorOptions(profile);
    EXPECT_EQ(loaded.length, 8u);
    EXPECT_EQ(loaded.specialChars, defaults.specialChars);
    ASSERT_EQ(SaveGeneratorOptions(profile, loaded), 1);
    EXPECT_EQ(fs.files.at("/prog/Vaultkeep.ini"),
              "[Vaultkeep.ini]\nPasswordLength=\"8\"\nSpecialChars=\"_{}[]()!@#$&*+-=<>`~\"\n"
              "UseLetters=1\nUseNumbers=0\nUseSpecial=0\nUseCase=1040\nInsertMode=1048\n"
              "InsertText=\"\"\nWordOptions=1056\nSecure=1054\n");

    GeneratorOptions o;
    o.secure = false, o.length = 120, o.useLetters = false, o.useNumbers = o.useSpecial = true;
    o.specialChars = "€!", o.letterCase = LetterCase::kUpper, o.insertMode = InsertMode::kSuffix;
    o.insertText = " x ", o.wordFormat = WordFormat::kWordNumberWord;
    ASSERT_EQ(SaveGeneratorOptions(profile, o), 1);
    const GeneratorOptions back = LoadGeneratorOptions(profile);
    EXPECT_EQ(std::tie(back.secure, back.length, back.useLetters, back.useNumbers, back.useSpecial,
                       back.specialChars, back.letterCase, back.insertMode, back.insertText,
                       back.wordFormat),
              std::tie(o.secure, o.length, o.useLetters, o.useNumbers, o.useSpecial, o.specialChars,
                       o.letterCase, o.insertMode, o.insertText, o.wordFormat));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(GeneratorOptionsTest, HostileProfilesGiveDefaultsOrLimits) {
    auto o = Load(
        "PasswordLength=\"abc\"\nUseLetters=7\nUseNumbers=x\nUseCase=1041\n"
        "InsertMode=99999999999999999999\nWordOptions=1059\nSecure=5\n"
        "SpecialChars=\"a\"b\"c\"\nInsertText=\"" +
        std::string(400, 'i') + "\"\n");
    EXPECT_EQ(o.length, 8u);
    EXPECT_TRUE(o.useLetters);
    EXPECT_FALSE(o.useNumbers);
    EXPECT_EQ(o.letterCase, LetterCase::kMixed);
    EXPECT_EQ(o.insertMode, InsertMode::kNone);
    EXPECT_EQ(o.wordFormat, WordFormat::kWordNumberWord);
    EXPECT_TRUE(o.secure);
    EXPECT_EQ(o.specialChars, "abc");
    EXPECT_EQ(o.insertText, std::string(259, 'i'));

    struct Length {
        const char* stored;
        std::uint32_t length;
    };
    for (const Length& l : {Length{"12", 12}, Length{"99999999999999999999", 999}, Length{"-3", 8},
                            Length{"12x", 12}, Length{"", 8}, Length{"0", 0}})
        EXPECT_EQ(Load("PasswordLength=" + std::string(l.stored)).length, l.length) << l.stored;

    // A profile from Windows holds its code page.
    EXPECT_EQ(Load("Secure=1055\nInsertText=\"caf\xE9\"").insertText, "café");
    EXPECT_FALSE(Load("Secure=1055").secure);
}

TEST(GeneratorRulesTest, TextAndTypingRules) {
    std::string text = "a\"b\"";
    EXPECT_TRUE(RemoveDoubleQuotes(text));
    EXPECT_EQ(text, "ab");
    EXPECT_FALSE(RemoveDoubleQuotes(text));
    EXPECT_EQ(LengthFromText(""), 0u);
    EXPECT_EQ(LengthFromText("016"), 16u);
    EXPECT_EQ(LengthFromText("4096"), 999u);
    EXPECT_EQ(PasswordTypingExcess(10, 11), 0u);
    EXPECT_EQ(PasswordTypingExcess(79, 80), 1u);    // typing stops at the limit
    EXPECT_EQ(PasswordTypingExcess(70, 90), 11u);   // a paste is cut to fit
    EXPECT_EQ(PasswordTypingExcess(120, 121), 1u);  // a longer generated password stays
    EXPECT_EQ(PasswordTypingExcess(120, 119), 0u);
}

}  // namespace
}  // namespace vk
