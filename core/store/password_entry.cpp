#include "core/store/password_entry.h"

#include <utility>

#include "core/shell/file_names.h"
#include "core/shell/letter_case.h"
#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "core/store/password_check.h"
#include "core/store/password_dialog_messages.h"
#include "core/store/password_store.h"
#include "core/store/secure_wipe.h"

namespace vk {

CPasswordEntry::CPasswordEntry(PasswordRequest request) : request_(std::move(request)) {}

std::string CPasswordEntry::Title() const {
    return std::string(msg::kEnterPasswordTitle) + " - " + request_.fileName;
}

std::string CPasswordEntry::PromptText() const {
    return FormatText(msg::kPasswordProtectedFormat, LowerCaseText(request_.fileName).c_str());
}

std::optional<PasswordOutcome> CPasswordEntry::Submit(std::string_view typed, IUserPrompt& prompt) {
    // Matching the check block compares the whole text, so two passwords that only differ
    // beyond the cipher's 56 key bytes are still told apart.
    if (PasswordMatchesCheckBlock(typed, request_.checkBlock)) {
        password_.Assign(typed);
        status_.clear();
        return PasswordOutcome::kAccepted;
    }
    --attemptsLeft_;
    if (attemptsLeft_ < 1) {
        status_.clear();
        prompt.ShowMessage(msg::kLastAttempt, MessageButtons::kOk, MessageIcon::kDefault);
        return PasswordOutcome::kCancelled;
    }
    status_ = msg::kIncorrectPassword;
    return std::nullopt;
}

bool UnlockNeedsPassword(bool locked, const CPasswordStore& store) {
    return locked && !store.masterPassword.empty();
}

PasswordRequest UnlockRequest(const CPasswordStore& store) {
    PasswordRequest request;
    request.fileName = FileNamePart(store.filePath);
    request.filePath = store.filePath;
    request.reminder = store.reminder;
    request.checkBlock = MakeCheckBlock(store.masterPassword.view());
    request.lockMode = true;
    return request;
}

bool UnlockDatabase(bool& locked, const CPasswordStore& store, IUserPrompt& prompt) {
    if (!UnlockNeedsPassword(locked, store)) {
        locked = false;
        return true;
    }
    PasswordRequest request = UnlockRequest(store);
    const PasswordAnswer answer = prompt.AskPassword(request);
    SecureWipe(request.checkBlock.data(), request.checkBlock.size());
    if (answer.outcome != PasswordOutcome::kAccepted ||
        answer.password != store.masterPassword.view())
        return false;
    locked = false;
    return true;
}

}  // namespace vk
