#pragma once
#include <deque>
#include <string>
#include <vector>

#include "core/shell/user_prompt.h"

namespace vk::test {

// Answers the core's questions from a script and remembers every message shown.
class ScriptedPrompt : public IUserPrompt {
  public:
    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;  // of each message
    std::vector<PasswordRequest> passwordRequests;
    std::deque<MessageResult> answers;           // for questions; kOk when empty
    std::deque<PasswordAnswer> passwordAnswers;  // cancelled when empty

    MessageResult ShowMessage(const std::string& text, MessageButtons, MessageIcon icon) override {
        messages.push_back(text);
        icons.push_back(icon);
        if (answers.empty()) return MessageResult::kOk;
        MessageResult r = answers.front();
        answers.pop_front();
        return r;
    }
    PasswordAnswer AskPassword(const PasswordRequest& request) override {
        passwordRequests.push_back(request);
        if (passwordAnswers.empty()) return {};
        PasswordAnswer a = passwordAnswers.front();
        passwordAnswers.pop_front();
        return a;
    }

    void AnswerPassword(const std::string& password) {
        PasswordAnswer a;
        a.outcome = PasswordOutcome::kAccepted;
        a.password.Assign(password);
        passwordAnswers.push_back(a);
    }
    void AnswerBrowse(const std::string& path) {
        PasswordAnswer a;
        a.outcome = PasswordOutcome::kBrowse;
        a.newPath = path;
        passwordAnswers.push_back(a);
    }
};

}  // namespace vk::test
