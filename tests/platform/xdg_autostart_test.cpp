// The login entry that starts the program in the tray.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/xdg_autostart.h"
#include "tests/support/process.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

TEST(XdgAutostart, EntryIsWrittenAndRemovedWithTheSetting) {
    test::TempDir dir;
    std::optional<test::ScopedEnv> configHome{std::in_place, "XDG_CONFIG_HOME", dir.File("config")};
    EXPECT_EQ(AutostartFolder(), dir.File("config/autostart"));

    CXdgAutostartEntry entry("/opt/vault keep/vaultkeep", AutostartFolder());
    test::ScriptedPrompt prompt;
    ASSERT_TRUE(entry.IsAvailable());
    UpdateStartupEntry(true, entry, prompt);
    const std::string file = dir.File("config/autostart/Vaultkeep.desktop");
    ASSERT_EQ(entry.FilePath(), file);
    EXPECT_EQ(test::ReadFileBytes(file),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Vaultkeep\n"
              "Comment=Vaultkeep\n"
              "Exec=\"/opt/vault keep/vaultkeep\" Systray\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n");
    // Written again over the old one; nothing else left in the folder.
    UpdateStartupEntry(true, entry, prompt);
    EXPECT_TRUE(std::filesystem::exists(file));
    UpdateStartupEntry(false, entry, prompt);
    EXPECT_FALSE(std::filesystem::exists(file));
    UpdateStartupEntry(false, entry, prompt);  // already gone: fine
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(::rmdir(dir.File("config/autostart").c_str()), 0);  // empty: no debris

    configHome.emplace("XDG_CONFIG_HOME", "");
    test::ScopedEnv home("HOME", dir.path());
    EXPECT_EQ(AutostartFolder(), dir.File(".config/autostart"));
}

TEST(XdgAutostart, ProgramPathIsQuotedForTheDesktop) {
    EXPECT_EQ(DesktopExecArgument("/usr/bin/vaultkeep"), "\"/usr/bin/vaultkeep\"");
    // '$' and '"' take one backslash, which the value's own escaping doubles; a backslash
    // ends up as four, '%' as a doubled field code.
    EXPECT_EQ(DesktopExecArgument("/a$b/\"q\"/c\\d/100%"),
              "\"/a\\\\$b/\\\\\"q\\\\\"/c\\\\\\\\d/100%%\"");
    EXPECT_EQ(AutostartEntryText("/bad\npath"), "");
    EXPECT_EQ(AutostartEntryText("/caf\xE9"), "");  // not UTF-8: a desktop file cannot hold it
    EXPECT_NE(AutostartEntryText("/caf\xC3\xA9"), "");
}

TEST(XdgAutostart, AFolderThatCannotBeMadeIsReported) {
    test::ScriptedPrompt prompt;
    CXdgAutostartEntry entry("/usr/bin/vaultkeep", "/proc/self/autostart");
    UpdateStartupEntry(true, entry, prompt);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Unable to add startup shortcut entry."}));
    EXPECT_EQ(prompt.icons, std::vector<MessageIcon>{MessageIcon::kStop});

    // No folder to put it in: nothing can be done and nothing is said.
    CXdgAutostartEntry nowhere("/usr/bin/vaultkeep", "");
    EXPECT_FALSE(nowhere.IsAvailable());
    UpdateStartupEntry(true, nowhere, prompt);
    UpdateStartupEntry(false, nowhere, prompt);
    EXPECT_EQ(prompt.messages.size(), 1u);
}

}  // namespace
}  // namespace vk
