#include "core/tools/generator.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/shell/letter_case.h"
#include "core/shell/text_encoding.h"

namespace vk {
namespace {

// A text as its characters: UTF-8 sequences whole, or single bytes for text in a Windows
// code page. Cutting and counting on these never splits a character.
using Characters = std::vector<std::string>;

Characters SplitCharacters(std::string_view text) {
    Characters out;
    const bool utf8 = IsValidUtf8(text);
    for (std::size_t i = 0; i < text.size();) {
        std::size_t size = 1;
        if (utf8) {
            const auto lead = static_cast<unsigned char>(text[i]);
            size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        }
        out.emplace_back(text.substr(i, size));
        i += size;
    }
    return out;
}

std::string Join(const Characters& characters) {
    std::string out;
    for (const auto& c : characters) out += c;
    return out;
}

// The first `count` characters, or all when there are fewer.
void CutTo(Characters& characters, std::size_t count) {
    if (characters.size() > count) characters.resize(count);
}

std::string Capitalised(const std::string& word) {
    Characters characters = SplitCharacters(word);
    if (!characters.empty()) characters.front() = UpperCaseText(characters.front());
    return Join(characters);
}

std::string LetterOf(const char* set, IRandomSource& random, std::uint32_t size) {
    return std::string(1, set[random.Draw(size)]);
}

Characters SecureCharacters(const GeneratorOptions& o, IRandomSource& random) {
    const Characters special = SplitCharacters(o.specialChars);
    Characters result;
    std::vector<std::string> candidates;
    for (std::uint32_t position = 0; position < o.length; ++position) {
        // One candidate of each class first, so every class is equally likely whatever
        // its size.
        candidates.clear();
        if (o.useLetters) candidates.push_back(LetterOf(kLetters, random, 52));
        if (o.useNumbers) candidates.push_back(LetterOf(kDigits, random, 10));
        if (o.useSpecial && !special.empty())
            candidates.push_back(special[random.Draw(static_cast<std::uint32_t>(special.size()))]);
        if (!candidates.empty())
            result.push_back(
                candidates[random.Draw(static_cast<std::uint32_t>(candidates.size()))]);
    }
    if (o.letterCase == LetterCase::kMixed) {
        for (auto& c : result)
            if (random.Draw(2) == 1) c = UpperCaseText(c);
    }
    return result;
}

std::string WordPassword(const GeneratorOptions& o, IRandomSource& random, CWordListReader& words,
                         std::size_t wordCount) {
    std::string result = Capitalised(words.PickRandomWord(wordCount, random));
    if (result.empty()) return result;
    if (o.wordFormat == WordFormat::kWordNumber || o.wordFormat == WordFormat::kWordNumberWord) {
        const std::uint32_t digits = random.Draw(4) + 1;
        for (std::uint32_t i = 0; i < digits; ++i) result += LetterOf(kDigits, random, 10);
    }
    if (o.insertMode == InsertMode::kMiddle) result += o.insertText;
    if (o.wordFormat == WordFormat::kWordWord || o.wordFormat == WordFormat::kWordNumberWord)
        result += Capitalised(words.PickRandomWord(wordCount, random));
    return result;
}

void ApplyCase(LetterCase letterCase, Characters& characters) {
    for (auto& c : characters) {
        if (letterCase == LetterCase::kUpper) c = UpperCaseText(c);
        if (letterCase == LetterCase::kLower) c = LowerCaseText(c);
    }
}

// Steps after the characters are chosen: the case, then the insert text, which counts
// against the length in secure mode.
std::string Finish(const GeneratorOptions& o, Characters result) {
    if (o.letterCase != LetterCase::kMixed) ApplyCase(o.letterCase, result);
    const Characters insert = SplitCharacters(o.insertText);
    if (!insert.empty()) {
        switch (o.insertMode) {
            case InsertMode::kNone:
                break;
            case InsertMode::kPrefix:
                result.insert(result.begin(), insert.begin(), insert.end());
                break;
            case InsertMode::kSuffix:
                if (o.secure) CutTo(result, result.size() - std::min(result.size(), insert.size()));
                result.insert(result.end(), insert.begin(), insert.end());
                break;
            case InsertMode::kMiddle:
                // In word mode the text already stands between the words.
                if (!o.secure) return Join(result);
                CutTo(result, result.size() - std::min(result.size(), insert.size()));
                result.insert(result.begin() + static_cast<std::ptrdiff_t>(result.size() / 2),
                              insert.begin(), insert.end());
                break;
        }
    }
    if (o.secure) CutTo(result, o.length);
    return Join(result);
}

}  // namespace

GeneratedPassword GeneratePassword(const GeneratorOptions& options, IRandomSource& random,
                                   CWordListReader& words, std::size_t wordCount) {
    GeneratorOptions o = options;
    if (o.length > GeneratorOptions::kMaxLength) o.length = GeneratorOptions::kMaxLength;
    if (!o.secure) {
        std::string word = WordPassword(o, random, words, wordCount);
        return {true, Finish(o, SplitCharacters(word))};
    }
    if (!o.useLetters && !o.useNumbers && !o.useSpecial) return {false, {}};
    return {true, Finish(o, SecureCharacters(o, random))};
}

}  // namespace vk
