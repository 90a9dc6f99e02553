#include <iostream>
#include <memory>

#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "core/shell/messages.h"
#include "core/store/password_check.h"

namespace vk::cli {
namespace {

// A new master password: asked twice on a terminal, one line with --password-stdin. Empty
// means no protection. Nothing when it cannot be had or is refused (the error is shown).
std::optional<SecretString> NewPassword(Session& s, const std::string& file) {
    auto first = s.Passwords().Next("New master password for " + file + " (empty for none): ");
    if (!first) {
        s.Failed("A new master password is needed for " + file +
                 ": give it on standard input with --password-stdin.");
        return std::nullopt;
    }
    if (s.Passwords().Interactive() && !first->empty()) {
        auto again = s.Passwords().Next("Confirm the master password: ");
        if (!again || again->view() != first->view()) {
            s.Failed(msg::kPasswordsDoNotMatch);
            return std::nullopt;
        }
    }
    const std::string problem = MasterPasswordProblem(first->view());
    if (!problem.empty()) {
        s.Failed(problem);
        return std::nullopt;
    }
    return first;
}

bool ReminderFits(Session& s, const std::string* reminder) {
    if (!reminder) return true;
    const std::string problem = ReminderProblem(*reminder);
    if (problem.empty()) return true;
    s.Failed(problem);
    return false;
}

}  // namespace

int RunCreate(const CommandIo& io, const std::string& file, const std::string* reminder,
              bool force) {
    Session s(io);
    if (!ReminderFits(s, reminder)) return 1;
    if (!force && s.Files().Exists(file))
        return s.Failed("The file " + file + " already exists. Use --force to overwrite it.");
    auto password = NewPassword(s, file);
    if (!password) return 1;
    s.store.filePath = file;
    s.store.SetMasterPassword(password->view());
    if (reminder) s.store.reminder = *reminder;
    return s.Create() ? 0 : 1;
}

int RunPasswd(const CommandIo& io, const std::string& file, const std::string* reminder) {
    Session s(io);
    if (!ReminderFits(s, reminder)) return 1;
    if (!s.Load(file)) return 1;
    auto password = NewPassword(s, file);
    if (!password) return 1;
    s.store.SetMasterPassword(password->view());
    if (reminder) s.store.reminder = *reminder;
    return s.Save() ? 0 : 1;
}

}  // namespace vk::cli

namespace vk::cli {

void AddPasswordCommands(CommandTable& table) {
    struct Args {
        std::string file, reminder;
        bool force = false;
        CLI::Option* reminderGiven = nullptr;  // create and passwd never both run
        const std::string* Reminder() const {
            return reminderGiven && reminderGiven->count() ? &reminder : nullptr;
        }
    };
    auto a = std::make_shared<Args>();
    const CommandIo& io = table.Io();

    auto* create = table.Add("create", "Make a new, empty password file",
                             [&io, a] { return RunCreate(io, a->file, a->Reminder(), a->force); });
    create->add_option("FILE", a->file, "Password file to make")->required();
    auto* createReminder = create->add_option("--reminder", a->reminder, "Reminder phrase");
    create->add_flag("--force", a->force, "Overwrite an existing file");

    auto* passwd = table.Add("passwd", "Change or remove the master password",
                             [&io, a] { return RunPasswd(io, a->file, a->Reminder()); });
    passwd->add_option("FILE", a->file, "Password file")->required();
    auto* passwdReminder = passwd->add_option("--reminder", a->reminder, "New reminder phrase");
    create->callback([a, createReminder] { a->reminderGiven = createReminder; });
    passwd->callback([a, passwdReminder] { a->reminderGiven = passwdReminder; });
}

}  // namespace vk::cli
