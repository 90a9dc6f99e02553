#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/settings/profile_file.h"
#include "core/tools/generator.h"

namespace vk {

// Control numbers of the generator's radio buttons: the profile keeps a radio group as the
// number of its checked button.
namespace genid {
enum : std::uint32_t {
    kUpper = 1038,
    kLower = 1039,
    kMixed = 1040,
    kPrefix = 1045,
    kMiddle = 1046,
    kSuffix = 1047,
    kDisable = 1048,
    kSecure = 1054,
    kSimple = 1055,
    kSingleWord = 1056,
    kWordNumber = 1057,
    kWordWord = 1058,
    kWordNumberWord = 1059,
};
}  // namespace genid

// The generator's options as "Vaultkeep.ini" holds them. Whatever the file holds, the result
// is usable: a value that is no number, an unknown control number or a check box other than
// 0 or 1 gives the default, a length above 999 gives 999, texts are cut to the profile's read
// buffer, lose their double quote marks and are read as UTF-8 (a file from Windows holds its
// code page).
GeneratorOptions LoadGeneratorOptions(CProfileFile& profile);

// Writes every option; 1 when all were written, 0 otherwise (the profile shows the error).
int SaveGeneratorOptions(CProfileFile& profile, const GeneratorOptions& options);

// Removes every double quote mark from `text`; true when there was one. The generator's
// texts are stored enclosed in quote marks, so they cannot hold one.
bool RemoveDoubleQuotes(std::string& text);

// The length edit's text as a length: its leading digits, 0 when there are none; above 999
// counts as 999.
std::uint32_t LengthFromText(const std::string& text);

// Typing into the password box stops at this many characters; a longer generated password
// stays whole.
constexpr std::size_t kMaxTypedPasswordCharacters = 79;

// How many characters of a change that made the password box's text `typedLength` long
// (from `beforeLength`) go past the limit, and are taken out again just before the caret:
// typing stops at the limit, a paste is cut to fit, a longer text already shown is kept.
std::size_t PasswordTypingExcess(std::size_t beforeLength, std::size_t typedLength);

}  // namespace vk
