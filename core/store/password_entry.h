#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/shell/user_prompt.h"
#include "core/store/secret_string.h"

namespace vk {

class CPasswordStore;

// What the enter-password dialog decides: its texts, the three attempts and the check of a
// typed password against the file's check block. The dialog only shows the results.
class CPasswordEntry {
  public:
    static constexpr int kAttempts = 3;

    explicit CPasswordEntry(PasswordRequest request);

    // "Enter password - name", the file name as given.
    std::string Title() const;
    // The prompt with the file name in lower case.
    std::string PromptText() const;
    const std::string& Reminder() const { return request_.reminder; }
    const std::string& FilePath() const { return request_.filePath; }
    bool LockMode() const { return request_.lockMode; }
    // Another file can be picked only while a file is being opened.
    bool BrowseEnabled() const { return !request_.lockMode; }

    // Empty, or "Incorrect password" after a failed attempt that left attempts over.
    const std::string& StatusText() const { return status_; }
    int AttemptsLeft() const { return attemptsLeft_; }

    // The OK step with the typed password. Gives kAccepted when it matches (the password is
    // then kept), kCancelled after the last failed attempt (the last-attempt message has
    // been shown through `prompt`), and nothing while the dialog should stay open.
    std::optional<PasswordOutcome> Submit(std::string_view typed, IUserPrompt& prompt);

    // Any change of the password edit empties the status text.
    void PasswordEdited() { status_.clear(); }

    // The accepted password; empty before one matched.
    const SecretString& Password() const { return password_; }

  private:
    PasswordRequest request_;
    SecretString password_;
    std::string status_;
    int attemptsLeft_ = kAttempts;
};

// True when unlocking the database needs the password: it is locked and has one.
bool UnlockNeedsPassword(bool locked, const CPasswordStore& store);

// The request that unlocks the open database: its file name, its reminder and a check block
// made from the held master password exactly as the file writer makes it.
PasswordRequest UnlockRequest(const CPasswordStore& store);

// Unlocks the database: at once when it is not locked or has no master password, else by
// asking for the password in lock mode. `locked` is cleared on success; any other ending
// keeps the database locked. True when the database is unlocked afterwards.
bool UnlockDatabase(bool& locked, const CPasswordStore& store, IUserPrompt& prompt);

}  // namespace vk
