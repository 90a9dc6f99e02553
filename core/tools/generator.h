#pragma once
#include <cstdint>
#include <string>

#include "core/tools/random_source.h"
#include "core/tools/word_list.h"

namespace vk {

// The password generator's choices, as the dialog shows them and the profile keeps them.
enum class LetterCase { kUpper, kLower, kMixed };
enum class InsertMode { kNone, kPrefix, kMiddle, kSuffix };
enum class WordFormat { kSingleWord, kWordNumber, kWordWord, kWordNumberWord };

struct GeneratorOptions {
    static constexpr std::uint32_t kMaxLength = 999;  // the length edit takes three digits

    bool secure = true;  // random characters; false: words ("Simple")
    std::uint32_t length = 8;
    bool useLetters = true;
    bool useNumbers = false;
    bool useSpecial = false;
    std::string specialChars = "_{}[]()!@#$&*+-=<>`~";
    LetterCase letterCase = LetterCase::kMixed;
    InsertMode insertMode = InsertMode::kNone;
    std::string insertText;
    WordFormat wordFormat = WordFormat::kSingleWord;
};

inline constexpr const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
inline constexpr const char kDigits[] = "0123456789";

namespace msg {
inline constexpr const char kSelectCharacterClass[] =
    "Please select numbers, letters, or special characters for the password.";
inline constexpr const char kUnableToLoadWordList[] = "Unable to load word list.";
inline constexpr const char kNoQuotes[] = "Please do not use quotes.";
}  // namespace msg

struct GeneratedPassword {
    bool ok = false;  // false: secure mode without a character class (msg::kSelectCharacterClass)
    std::string password;
};

// A new password from the options, drawing every choice from `random`. Lengths, cuts and
// positions count characters: a character of several bytes (UTF-8) is never split. Words
// come from `words`, a list of `wordCount` words (see CWordListReader::PickRandomWord).
GeneratedPassword GeneratePassword(const GeneratorOptions& options, IRandomSource& random,
                                   CWordListReader& words, std::size_t wordCount);

}  // namespace vk
