#pragma once
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

namespace vk {

// The program's commands by number (the numbers of command_ids.h): what each one does and
// when it can be used. The main window's menus, accelerators and toolbar dispatch through it;
// each window adds the commands it carries out, so a menu shows only commands that work.
class CCommandTable {
  public:
    using Action = std::function<void()>;
    using Condition = std::function<bool()>;

    // Adds or replaces `command`. Without a condition it is always enabled.
    void Add(int command, Action run, Condition enabled = nullptr);
    bool Has(int command) const;
    bool IsEnabled(int command) const;
    // Runs `command` when it exists and is enabled; false when it was not run.
    bool Execute(int command) const;

    // A menu text that changes with the program's state (the Undo items name their step);
    // without one the menu keeps its own text.
    void SetLabel(int command, std::function<std::string()> label);
    std::optional<std::string> LabelOf(int command) const;
    // Whether the command's menu item shows a check mark; without this it shows none.
    void SetCheck(int command, Condition checked);
    std::optional<bool> IsChecked(int command) const;

  private:
    struct Entry {
        Action run;
        Condition enabled;
        std::function<std::string()> label;
        Condition checked;
    };
    std::unordered_map<int, Entry> entries_;
};

}  // namespace vk
