#include "core/tools/generator_options.h"

#include <algorithm>
#include <array>

#include "core/settings/stored_value.h"
#include "core/shell/text_encoding.h"

namespace vk {
namespace {

// The profile keys: the program's interface to the users' stored choices.
constexpr const char kPasswordLength[] = "PasswordLength";
constexpr const char kSpecialChars[] = "SpecialChars";
constexpr const char kUseLetters[] = "UseLetters";
constexpr const char kUseNumbers[] = "UseNumbers";
constexpr const char kUseSpecial[] = "UseSpecial";
constexpr const char kUseCase[] = "UseCase";
constexpr const char kInsertMode[] = "InsertMode";
constexpr const char kInsertText[] = "InsertText";
constexpr const char kWordOptions[] = "WordOptions";
constexpr const char kSecure[] = "Secure";

// A profile value never holds a zero byte, so this default tells a missing key apart.
const std::string kMissing("\0", 1);

bool ReadFlag(CProfileFile& profile, const char* key, bool defaultValue) {
    const std::uint32_t value = profile.ReadNumber(key, 2);
    return value <= 1 ? value == 1 : defaultValue;
}

// A radio group: the control numbers of its buttons in the order of the option's values.
template <std::size_t N>
using RadioIds = std::array<std::uint32_t, N>;

constexpr RadioIds<3> kCaseIds = {genid::kUpper, genid::kLower, genid::kMixed};
constexpr RadioIds<4> kInsertIds = {genid::kDisable, genid::kPrefix, genid::kMiddle,
                                    genid::kSuffix};
constexpr RadioIds<4> kWordIds = {genid::kSingleWord, genid::kWordNumber, genid::kWordWord,
                                  genid::kWordNumberWord};

// The option whose control number is stored, or `defaultValue` for any other number.
template <typename Enum, std::size_t N>
Enum ReadRadio(CProfileFile& profile, const char* key, const RadioIds<N>& ids, Enum defaultValue) {
    const std::uint32_t stored = profile.ReadNumber(key, 0);
    for (std::size_t i = 0; i < N; ++i)
        if (ids[i] == stored) return static_cast<Enum>(i);
    return defaultValue;
}

template <typename Enum, std::size_t N>
std::uint32_t RadioId(const RadioIds<N>& ids, Enum value) {
    return ids[static_cast<std::size_t>(value)];
}

std::string ReadText(CProfileFile& profile, const char* key, const std::string& defaultValue) {
    std::string text = profile.ReadText(key, kMissing);
    if (text == kMissing) return defaultValue;
    RemoveDoubleQuotes(text);
    return TextAsUtf8(text);
}

}  // namespace

bool RemoveDoubleQuotes(std::string& text) {
    const auto size = text.size();
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text.size() != size;
}

std::uint32_t LengthFromText(const std::string& text) {
    std::uint64_t length = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        length = std::min<std::uint64_t>(length * 10 + static_cast<unsigned>(c - '0'),
                                         GeneratorOptions::kMaxLength);
    }
    return static_cast<std::uint32_t>(length);
}

std::size_t PasswordTypingExcess(std::size_t beforeLength, std::size_t typedLength) {
    const std::size_t allowed = std::max(beforeLength, kMaxTypedPasswordCharacters);
    return typedLength > allowed ? typedLength - allowed : 0;
}

GeneratorOptions LoadGeneratorOptions(CProfileFile& profile) {
    const GeneratorOptions defaults;
    GeneratorOptions o;
    const std::string length = ReadText(profile, kPasswordLength, "");
    if (!length.empty() && length.front() >= '0' && length.front() <= '9')
        o.length = LengthFromText(length);
    o.specialChars = ReadText(profile, kSpecialChars, defaults.specialChars);
    o.useLetters = ReadFlag(profile, kUseLetters, defaults.useLetters);
    o.useNumbers = ReadFlag(profile, kUseNumbers, defaults.useNumbers);
    o.useSpecial = ReadFlag(profile, kUseSpecial, defaults.useSpecial);
    o.letterCase = ReadRadio(profile, kUseCase, kCaseIds, defaults.letterCase);
    o.insertMode = ReadRadio(profile, kInsertMode, kInsertIds, defaults.insertMode);
    o.insertText = ReadText(profile, kInsertText, defaults.insertText);
    o.wordFormat = ReadRadio(profile, kWordOptions, kWordIds, defaults.wordFormat);
    o.secure = profile.ReadNumber(kSecure, genid::kSecure) != genid::kSimple;
    return o;
}

int SaveGeneratorOptions(CProfileFile& profile, const GeneratorOptions& o) {
    // Every key is written even after a failure: the profile reports only the first.
    int ok = 1;
    ok &= profile.WriteText(kPasswordLength, std::to_string(o.length));
    ok &= profile.WriteText(kSpecialChars, o.specialChars);
    ok &= profile.WriteNumber(kUseLetters, o.useLetters ? 1 : 0);
    ok &= profile.WriteNumber(kUseNumbers, o.useNumbers ? 1 : 0);
    ok &= profile.WriteNumber(kUseSpecial, o.useSpecial ? 1 : 0);
    ok &= profile.WriteNumber(kUseCase, RadioId(kCaseIds, o.letterCase));
    ok &= profile.WriteNumber(kInsertMode, RadioId(kInsertIds, o.insertMode));
    ok &= profile.WriteText(kInsertText, o.insertText);
    ok &= profile.WriteNumber(kWordOptions, RadioId(kWordIds, o.wordFormat));
    ok &= profile.WriteNumber(kSecure, o.secure ? genid::kSecure : genid::kSimple);
    return ok;
}

}  // namespace vk
