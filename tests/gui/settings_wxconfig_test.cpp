// The settings through the toolkit's configuration file: where it lands, who may read it,
// and that hostile contents of the file read like hostile registry values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/settings/settings_store.h"
#include "platform/wx/wx_config_storage.h"
#include "tests/support/process.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

// The settings store over the toolkit's file in a configuration folder of the test's own.
struct WxConfigSettings : ::testing::Test {
    test::TempDir dir;
    test::ScriptedPrompt prompt;
    std::optional<test::ScopedEnv> configHome;
    std::optional<CWxConfigStorage> storage;
    std::optional<CSettingsStore> store;
    CSettingsStore& Open(const std::string& home) {
        if (!configHome) configHome.emplace("XDG_CONFIG_HOME", home);
        store.reset();
        storage.emplace();
        return store.emplace(*storage, prompt, [](const std::string&) { return true; });
    }
};

// The values whose text the file format could bend: quotes, backslashes, dollars, blanks
// at the ends, separators. The rest of the table's round trip is the core's.
TEST_F(WxConfigSettings, RoundTripThroughAnOwnerOnlyFileInTheConfigFolder) {
    const std::string home = dir.File("config");  // not there yet: made on first use
    CSettings saved;
    saved.lastFile = "$HOME/Bank \xC3\x9C \"quoted\" \\ x.vk";
    saved.categoryNames[1] = "  R&D ; #1 ";
    saved.columnSets[3] = {10, 9, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    saved.firstStart = false;
    ASSERT_EQ(Open(home).SaveSettings(saved), 1);
    EXPECT_EQ(storage->FilePath(), home + "/Vaultkeep.conf");
    ASSERT_EQ(store->SaveWindowPosition({10, 20, 310, 420}), 1);
    ASSERT_EQ(store->AddRecentFile(saved, "/d/a.vk"), 1);

    CSettings loaded;
    Open(home).LoadSettings(loaded);
    EXPECT_EQ(test::FileMode(home + "/Vaultkeep.conf"), 0600u);
    EXPECT_EQ(test::FileMode(home), 0700u);
    store->LoadRecentFiles(loaded);
    EXPECT_EQ(loaded.lastFile, saved.lastFile);  // no variables expanded, no escapes left
    EXPECT_FALSE(loaded.firstStart);
    EXPECT_EQ(loaded.categoryNames, saved.categoryNames);
    EXPECT_EQ(loaded.columnSets, saved.columnSets);
    EXPECT_EQ(loaded.recentFiles, std::vector<std::string>{"/d/a.vk"});
    EXPECT_EQ(store->LoadWindowPosition(), (WindowRect{10, 20, 310, 420}));
    EXPECT_TRUE(prompt.messages.empty());
}

// What each value may hold is the core's; here, that lines the file format does not know
// leave the values around them to those rules.
TEST_F(WxConfigSettings, HostileFileContentsGiveDefaultsOrClampedValues) {
    test::WriteFileBytes(dir.File("Vaultkeep.conf"),
                         "garbage line\n[\nTransparency=abc\nLastFile=" + std::string(400, 'p') +
                             "\nWindowPosition=1,2\nExpirationDays=7\n");
    CSettings s;
    Open(dir.path()).LoadSettings(s);
    EXPECT_EQ(s.transparency, 255u);
    EXPECT_EQ(s.lastFile, std::string(259, 'p'));
    EXPECT_EQ(s.expirationDays, 7u);
    EXPECT_FALSE(store->LoadWindowPosition().has_value());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(WxConfigSettings, AnUnwritableFolderIsReportedOnce) {
    test::WriteFileBytes(dir.File("plain"), "not a folder");
    CSettings s;
    Open(dir.File("plain") + "/config").LoadSettings(s);  // nothing to read: the defaults stay
    EXPECT_EQ(s.transparency, 255u);
    EXPECT_EQ(store->SaveSettings(s), 0);
    EXPECT_EQ(store->SaveWindowPosition({1, 1, 2, 2}), 0);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Unable to save changes to the registry."});
}

}  // namespace
}  // namespace vk
