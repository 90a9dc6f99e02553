#pragma once
#include <string>

#include "cli/cli_prompt.h"
#include "cli/commands.h"
#include "cli/password_source.h"
#include "core/shell/date_text.h"
#include "core/store/password_file.h"
#include "platform/posix_file_system.h"

namespace vk::cli {

// The pieces one run of the tool needs to reach a password file.
class Session {
  public:
    explicit Session(const CommandIo& io)
        : io_(io),
          source_(io.passwordStdin, *io.in),
          prompt_(source_),
          file_(fs_, prompt_, dates_) {}

    // Loads `path` into the store; on failure prints the error line and returns false.
    bool Load(const std::string& path) {
        store.filePath = path;
        store.encrypted = false;
        if (file_.Load(store) == 1) return true;
        return Fail();
    }
    bool Save() { return file_.Save(store) == 1 || Fail(); }
    bool Create() { return file_.Create(store) == 1 || Fail(); }
    // For commands that change a few records and save: the others keep their stored bytes.
    void KeepStoredDateTexts() { file_.keepStoredDateTexts = true; }

    int Failed(const std::string& text) {
        prompt_.SetError(text);
        Fail();
        return 1;
    }
    bool Fail() {
        std::string line = prompt_.ErrorLine();
        *io_.err << (line.empty() ? "The password file could not be read." : line) << '\n';
        return false;
    }

    PasswordSource& Passwords() { return source_; }
    IUserPrompt& Prompt() { return prompt_; }
    IDateFormat& Dates() { return dates_; }
    CPosixFileSystem& Files() { return fs_; }

    CPasswordStore store;

  private:
    const CommandIo& io_;
    CPosixFileSystem fs_;
    PasswordSource source_;
    CliPrompt prompt_;
    CLocaleDateFormat dates_;
    CPasswordFile file_;
};

// The record `index` of the live folder stored under `folder`; on failure prints the error
// line ("No folder named ...", "The folder ... has no record ...") and gives nothing.
const CRecord* FindRecord(Session& s, const std::string& file, const std::string& folder,
                          long index);

}  // namespace vk::cli
