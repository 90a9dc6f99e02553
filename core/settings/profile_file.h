#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/shell/user_prompt.h"
#include "core/store/file_system.h"

namespace vk {

// "Vaultkeep.ini" in the program's folder, where the password generator and the tip of the
// day keep their values, all in the section named after the file. Every read looks at the
// file as it is now; every write replaces the file in one step (a new file beside it, then
// renamed over it), so a failed write leaves the old file as it was.
//
// A write that fails reports 0 and shows "Error writing to file:\n%s" the first time only:
// the application keeps one profile for the whole run.
class CProfileFile {
  public:
    // A profile larger than this is not read, and not replaced either, so that nothing in it
    // is lost.
    static constexpr std::size_t kMaxBytes = 1024 * 1024;

    CProfileFile(IFileSystem& fs, IUserPrompt& prompt, const std::string& folder);

    const std::string& Path() const { return path_; }

    // The key's text without its quote marks, cut to the 260-byte read buffer;
    // `defaultValue` when the key or the file is missing or unreadable.
    std::string ReadText(const std::string& key, const std::string& defaultValue = "");
    // The key's number: `defaultValue` when the key is missing or holds no number, 0 for a
    // negative number, the largest 32-bit number for anything larger.
    std::uint32_t ReadNumber(const std::string& key, std::uint32_t defaultValue);
    // Written enclosed in double quote marks. Line breaks in the text become blanks: the
    // profile holds one value per line.
    int WriteText(const std::string& key, const std::string& value);
    // Written as "%u".
    int WriteNumber(const std::string& key, std::uint32_t value);

  private:
    // The whole file; empty when it does not exist, nothing when it cannot be read.
    std::optional<std::string> ReadAll();
    std::optional<std::string> FindValue(const std::string& key);
    int Write(const std::string& key, const std::string& rawValue);
    FileStatus Replace(const std::string& content);
    int Fail();

    IFileSystem& fs_;
    IUserPrompt& prompt_;
    std::string path_;
    bool writeFailureShown_ = false;
};

}  // namespace vk
