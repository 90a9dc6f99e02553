// The recent-file list and the stored window position.
#include <gtest/gtest.h>

#include <set>

#include "core/settings/memory_settings_storage.h"
#include "core/settings/settings_store.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class RecentFilesTest : public ::testing::Test {
  protected:
    CMemorySettingsStorage storage;
    test::ScriptedPrompt prompt;
    std::set<std::string> disk = {"/d/a.vk", "/d/b.vk", "/d/c.vk", "/d/d.vk",
                                  "/d/e.vk", "/d/f.vk", "/d/A.vk"};
    CSettingsStore store{storage, prompt,
                         [this](const std::string& path) { return disk.count(path) != 0; }};
    CSettings s;

    void Store(std::initializer_list<std::string> paths) {
        unsigned i = 1;
        for (const std::string& path : paths) {
            storage.values["RecentFile" + std::to_string(i++)] = path;
        }
    }
    std::vector<std::string> Stored() {
        std::vector<std::string> out;
        for (unsigned i = 1; i <= 6; ++i) {
            auto it = storage.values.find("RecentFile" + std::to_string(i));
            out.push_back(it == storage.values.end() ? "<none>" : it->second);
        }
        return out;
    }
};

TEST_F(RecentFilesTest, LoadingKeepsTheFilesThatStillExistInOrder) {
    // A path longer than the read buffer is cut, and then names no file.
    const std::string longPath = "/d/" + std::string(300, 'x') + ".vk";
    disk.insert(longPath);
    Store({"/d/a.vk", longPath, "", "/d/c.vk", "/d/b.vk", "/d/e.vk"});  // a sixth is no entry
    store.LoadRecentFiles(s);
    EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"/d/a.vk", "/d/c.vk", "/d/b.vk"}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(RecentFilesTest, AddingPutsTheFileFirstOnceIgnoringLetterCaseAndKeepsFive) {
    s.recentFiles = {"/d/b.vk", "/d/a.vk", "/d/c.vk"};
    ASSERT_EQ(store.AddRecentFile(s, "/d/A.vk"), 1);
    EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"/d/A.vk", "/d/b.vk", "/d/c.vk"}));
    ASSERT_EQ(store.AddRecentFile(s, "/d/c.vk"), 1);
    EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"/d/c.vk", "/d/A.vk", "/d/b.vk"}));

    for (const char* path : {"/d/d.vk", "/d/e.vk", "/d/f.vk"}) store.AddRecentFile(s, path);
    const std::vector<std::string> newest = {"/d/f.vk", "/d/e.vk", "/d/d.vk", "/d/c.vk", "/d/A.vk"};
    EXPECT_EQ(s.recentFiles, newest);
    std::vector<std::string> stored = newest;
    stored.push_back("<none>");
    EXPECT_EQ(Stored(), stored);
}

TEST_F(RecentFilesTest, EmptyAndVanishedFilesAreDroppedAndLaterValuesLeftAlone) {
    Store({"/d/a.vk", "/d/b.vk", "/d/c.vk", "/d/d.vk", "/d/e.vk"});
    store.LoadRecentFiles(s);
    disk.erase("/d/b.vk");
    disk.erase("/d/d.vk");
    ASSERT_EQ(store.AddRecentFile(s, ""), 1);
    EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"/d/a.vk", "/d/c.vk", "/d/e.vk"}));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"/d/a.vk", "/d/c.vk", "/d/e.vk", "/d/d.vk",
                                                  "/d/e.vk", "<none>"}));
    ASSERT_EQ(store.AddRecentFile(s, "/nowhere.vk"), 1);
    EXPECT_EQ(s.recentFiles.size(), 3u);
}

TEST(WindowPosition, StoredAsTopLeftBottomRightWithinRangeOrNotAtAll) {
    EXPECT_EQ(FormatWindowPosition({10, 20, 300, 400}), "10,20,300,400");
    EXPECT_EQ(FormatWindowPosition({-8, 0, 1, -1}), "0,0,1,0");
    EXPECT_EQ(ParseWindowPosition("10,20,300,400"), (WindowRect{10, 20, 300, 400}));
    EXPECT_EQ(ParseWindowPosition(" 1 , 2 ,3,4 "), (WindowRect{1, 2, 3, 4}));
    // Hostile text gives nothing, or a clamped rectangle.
    for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1,,3,4", "1;2;3;4", "1,2,3,4x"}) {
        EXPECT_FALSE(ParseWindowPosition(bad).has_value()) << bad;
    }
    EXPECT_EQ(ParseWindowPosition("-5,99999999999999999999,0,2147483648"),
              (WindowRect{0, kMaxWindowCoordinate, 0, kMaxWindowCoordinate}));
}

TEST_F(RecentFilesTest, WindowPositionThroughTheStore) {
    EXPECT_FALSE(store.LoadWindowPosition().has_value());
    ASSERT_EQ(store.SaveWindowPosition({5, 6, 700, 800}), 1);
    EXPECT_EQ(storage.values.at("WindowPosition"), "5,6,700,800");
    EXPECT_EQ(store.LoadWindowPosition(), (WindowRect{5, 6, 700, 800}));
}

}  // namespace
}  // namespace vk
