// The settings through the toolkit's configuration file: where it lands, who may read it,
// and that hostile contents of the file read like hostile registry values.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// Points the configuration folder somewhere else for one test.
class ScopedConfigHome : public test::ScopedEnv {
  public:
    explicit ScopedConfigHome(const std::string& folder) : ScopedEnv("XDG_CONFIG_HOME", folder) {}
};

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

bool AnyFileExists(const std::string&) {
    return true;
}

TEST(WxConfigSettings, RoundTripThroughAnOwnerOnlyFileInTheConfigFolder) {
    test::TempDir dir;
    const std::string home = dir.File("config");  // not there yet: made on first use
    ScopedConfigHome scoped(home);
    test::ScriptedPrompt prompt;

    CSettings saved;
    saved.lastFile = "$HOME/Bank \xC3\x9C \"quoted\" \\ x.vk";
    saved.transparency = 200;
    saved.sysTrayIcon = false;
    saved.firstStart = false;
    saved.defaultCategory = 3;
    saved.categoryNames[1] = "  R&D ; #1 ";
    saved.columnSets[3] = {10, 9, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    saved.columnIcons[0] = 7;
    {
        CWxConfigStorage storage;
        EXPECT_EQ(storage.FilePath(), home + "/Vaultkeep.conf");
        CSettingsStore store(storage, prompt, AnyFileExists);
        ASSERT_EQ(store.SaveSettings(saved), 1);
        ASSERT_EQ(store.SaveWindowPosition({10, 20, 310, 420}), 1);
        ASSERT_EQ(store.AddRecentFile(saved, "/d/a.vk"), 1);
    }
    EXPECT_EQ(ModeOf(home + "/Vaultkeep.conf"), 0600u);
    EXPECT_EQ(ModeOf(home), 0700u);

    CWxConfigStorage storage;
    CSettingsStore store(storage, prompt, AnyFileExists);
    CSettings loaded;
    store.LoadSettings(loaded);
    store.LoadRecentFiles(loaded);
    EXPECT_EQ(loaded.lastFile, saved.lastFile);  // no variables expanded, no escapes left
    EXPECT_EQ(loaded.transparency, 200u);
    EXPECT_FALSE(loaded.sysTrayIcon);
    EXPECT_FALSE(loaded.firstStart);
    EXPECT_EQ(loaded.defaultCategory, 3);
    EXPECT_EQ(loaded.categoryNames, saved.categoryNames);
    EXPECT_EQ(loaded.columnSets, saved.columnSets);
    EXPECT_EQ(loaded.columnIcons, saved.columnIcons);
    EXPECT_EQ(loaded.recentFiles, std::vector<std::string>{"/d/a.vk"});
    EXPECT_EQ(store.LoadWindowPosition(), (WindowRect{10, 20, 310, 420}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(WxConfigSettings, HostileFileContentsGiveDefaultsOrClampedValues) {
    test::TempDir dir;
    ScopedConfigHome scoped(dir.path());
    test::WriteFileBytes(dir.File("Vaultkeep.conf"),
                         "garbage line\n[\nTransparency=abc\nDefaultCategory=7\n"
                         "SearchOptions=-1\nClearSeconds=99999999999\nInit=\nMask=0\n"
                         "LastFile=" +
                             std::string(400, 'p') +
                             "\nColumns1=42,\n"
                             "WindowPosition=1,2\n");
    test::ScriptedPrompt prompt;
    CWxConfigStorage storage;
    CSettingsStore store(storage, prompt, AnyFileExists);
    CSettings s;
    store.LoadSettings(s);
    EXPECT_EQ(s.transparency, 255u);
    EXPECT_EQ(s.defaultCategory, 1);
    EXPECT_EQ(s.searchOptions, 3u);
    EXPECT_EQ(s.clearSeconds, 30u);
    EXPECT_FALSE(s.firstStart);
    EXPECT_FALSE(s.mask);
    EXPECT_EQ(s.lastFile, std::string(259, 'p'));
    EXPECT_EQ(s.columnSets, CSettings::DefaultColumnSets());
    EXPECT_FALSE(store.LoadWindowPosition().has_value());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(WxConfigSettings, AnUnwritableFolderIsReportedOnce) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("plain"), "not a folder");
    ScopedConfigHome scoped(dir.File("plain") + "/config");
    test::ScriptedPrompt prompt;
    CWxConfigStorage storage;
    CSettingsStore store(storage, prompt, AnyFileExists);
    CSettings s;
    store.LoadSettings(s);  // nothing to read: the defaults stay
    EXPECT_EQ(s.transparency, 255u);
    EXPECT_EQ(store.SaveSettings(s), 0);
    EXPECT_EQ(store.SaveWindowPosition({1, 1, 2, 2}), 0);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Unable to save changes to the registry."});
}

}  // namespace
}  // namespace vk
