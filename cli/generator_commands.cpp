// generate and words: passwords from the generator's options, and the compiled-in word list.
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "cli/cli_prompt.h"
#include "cli/command_table.h"
#include "core/settings/profile_file.h"
#include "core/shell/letter_case.h"
#include "core/shell/text_encoding.h"
#include "core/store/secure_wipe.h"
#include "core/tools/generator.h"
#include "core/tools/generator_options.h"
#include "core/tools/word_list.h"
#include "platform/posix_file_system.h"
#include "platform/program_folder.h"
#include "platform/system_random.h"

namespace vk::cli {
namespace {

constexpr std::uint32_t kMaxCount = 100000;

// An option that names one of a few values, in any letter case.
template <typename Enum>
struct Choice {
    explicit Choice(std::map<std::string, Enum> values) : names(std::move(values)) {}

    std::map<std::string, Enum> names;
    std::string text;
    CLI::Option* option = nullptr;

    void AddTo(CLI::App* command, const std::string& name, const std::string& help) {
        std::vector<std::string> keys;
        for (const auto& n : names) keys.push_back(n.first);
        option =
            command->add_option(name, text, help)->check(CLI::IsMember(keys, CLI::ignore_case));
    }
    // The value given, or `stored` when the option is not.
    Enum Or(Enum stored) const { return option->count() ? names.at(LowerCaseText(text)) : stored; }
};

// A check box as two flags, "--NAME" and "--no-NAME"; at most one of them is given.
struct Switch {
    CLI::Option *on = nullptr, *off = nullptr;

    void AddTo(CLI::App* command, const std::string& name, const std::string& what) {
        on = command->add_flag("--" + name)->description("Use " + what);
        off = command->add_flag("--no-" + name)->description("Do not use " + what)->excludes(on);
    }
    bool Or(bool stored) const { return on->count() ? true : off->count() ? false : stored; }
};

// What the command line says; an option that is not given leaves the stored choice.
struct GenerateArgs {
    Choice<bool> mode{{{"secure", true}, {"simple", false}, {"words", false}}};
    Choice<LetterCase> letterCase{{{"upper", LetterCase::kUpper},
                                   {"lower", LetterCase::kLower},
                                   {"mixed", LetterCase::kMixed}}};
    Choice<InsertMode> insert{{{"none", InsertMode::kNone},
                               {"prefix", InsertMode::kPrefix},
                               {"middle", InsertMode::kMiddle},
                               {"suffix", InsertMode::kSuffix}}};
    Choice<WordFormat> words{{{"single", WordFormat::kSingleWord},
                              {"word-number", WordFormat::kWordNumber},
                              {"word-word", WordFormat::kWordWord},
                              {"word-number-word", WordFormat::kWordNumberWord}}};
    Switch letters, numbers, special;
    std::string length, specialSet, insertText, count = "1";
    CLI::Option *lengthGiven, *specialSetGiven, *insertTextGiven;
};

class GenerateError {
  public:
    GenerateError(int status, std::string text) : status(status), text(std::move(text)) {}
    int status;
    std::string text;
};

// Decimal digits only (no sign, no blanks, no other base) from 0 to `max`.
std::uint32_t NumberOption(const std::string& name, const std::string& text, std::uint32_t min,
                           std::uint32_t max) {
    std::uint64_t value = 0;
    bool digits = !text.empty() && text.size() <= 10;
    for (char c : text) {
        digits = digits && c >= '0' && c <= '9';
        if (digits) value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (!digits || value < min || value > max)
        throw GenerateError(kUsageError, name + ": " + text + " is not a number from " +
                                             std::to_string(min) + " to " + std::to_string(max));
    return static_cast<std::uint32_t>(value);
}

// A text for the profile: one line, and no double quote marks (the profile encloses texts
// in them), as the generator dialog demands.
std::string TextOption(const std::string& name, const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos)
        throw GenerateError(kUsageError, name + ": the text must not hold a line break");
    if (text.find('"') != std::string::npos) throw GenerateError(1, msg::kNoQuotes);
    return TextAsUtf8(text);
}

GeneratorOptions OptionsFor(const GenerateArgs& a, GeneratorOptions o) {
    o.secure = a.mode.Or(o.secure);
    if (a.lengthGiven->count())
        o.length = NumberOption("--length", a.length, 0, GeneratorOptions::kMaxLength);
    o.useLetters = a.letters.Or(o.useLetters);
    o.useNumbers = a.numbers.Or(o.useNumbers);
    o.useSpecial = a.special.Or(o.useSpecial);
    o.letterCase = a.letterCase.Or(o.letterCase);
    o.insertMode = a.insert.Or(o.insertMode);
    o.wordFormat = a.words.Or(o.wordFormat);
    if (a.specialSetGiven->count()) o.specialChars = TextOption("--special-set", a.specialSet);
    if (a.insertTextGiven->count()) o.insertText = TextOption("--insert-text", a.insertText);
    return o;
}

GeneratorOptions StoredOptions() {
    CPosixFileSystem fs;
    PasswordSource noPasswords(false, std::cin);
    CliPrompt prompt(noPasswords);
    CProfileFile profile(fs, prompt, ProgramFolder());
    return LoadGeneratorOptions(profile);
}

int RunGenerate(const CommandIo& io, const GenerateArgs& args) {
    GeneratorOptions options;
    std::uint32_t count = 1;
    try {
        count = NumberOption("--count", args.count, 1, kMaxCount);
        options = OptionsFor(args, StoredOptions());
    } catch (const GenerateError& e) {
        *io.err << e.text << '\n';
        return e.status;
    }
    CSystemRandom random;
    CWordListReader words;
    const std::size_t wordCount = words.CountWords();
    std::string out;
    for (std::uint32_t i = 0; i < count; ++i) {
        GeneratedPassword made = GeneratePassword(options, random, words, wordCount);
        if (!made.ok) {
            *io.err << msg::kSelectCharacterClass << '\n';
            return 1;
        }
        out += made.password;
        out += '\n';
        SecureWipe(made.password);
        if (out.size() >= 1 << 16 || i + 1 == count) {
            io.out->write(out.data(), static_cast<std::streamsize>(out.size()));
            SecureWipe(out);
        }
    }
    io.out->flush();
    return 0;
}

int RunWords(const CommandIo& io) {
    CWordListReader words;
    std::string word;
    while (words.ReadNext(word)) *io.out << word << '\n';
    return 0;
}

}  // namespace

void AddGeneratorCommands(CommandTable& table) {
    auto a = std::make_shared<GenerateArgs>();
    const CommandIo& io = table.Io();
    auto* generate = table.AddTool(
        "generate",
        "Make passwords as the generator does; options not given come from its stored choices",
        [&io, a] { return RunGenerate(io, *a); });
    a->mode.AddTo(generate, "--mode", "Random characters (secure) or words (simple, words)");
    a->lengthGiven =
        generate->add_option("--length", a->length, "Characters in a secure password, 0 to 999")
            ->type_name("N");
    a->letters.AddTo(generate, "letters", "letters");
    a->numbers.AddTo(generate, "numbers", "numbers");
    a->special.AddTo(generate, "special", "special characters");
    a->specialSetGiven =
        generate->add_option("--special-set", a->specialSet, "The special characters to use");
    a->letterCase.AddTo(generate, "--case", "Letter case of the password");
    a->insert.AddTo(generate, "--insert", "Where the insert text goes");
    a->insertTextGiven =
        generate->add_option("--insert-text", a->insertText, "Text put into every password");
    a->words.AddTo(generate, "--words", "The shape of a password made of words");
    generate->add_option("--count", a->count, "How many passwords, 1 to 100000 (default 1)")
        ->type_name("N");

    table.AddTool("words", "Print the generator's word list, one word a line",
                  [&io] { return RunWords(io); });
}

}  // namespace vk::cli
