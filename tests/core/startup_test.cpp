// Start-up decisions and the main window's rules that do not need a window.
#include <gtest/gtest.h>

#include "core/app/command_line.h"
#include "core/app/main_window_rules.h"
#include "core/editor/folder_tree.h"
#include "core/store/password_store.h"

namespace vk {
namespace {

TEST(CommandLine, SystrayFilesAndPasswordFileNames) {
    EXPECT_EQ(ParseCommandLine("").kind, CommandLine::Kind::kEmpty);
    EXPECT_EQ(ParseCommandLine("  SYSTRAY ").kind, CommandLine::Kind::kSystray);
    const CommandLine file = ParseCommandLine("\"/home/u/My Files/a.vk\"");
    EXPECT_EQ(file.kind, CommandLine::Kind::kFile);
    EXPECT_EQ(file.path, "/home/u/My Files/a.vk");

    EXPECT_TRUE(NamesPasswordFile("/x/Data.VK"));
    EXPECT_TRUE(NamesPasswordFile("\"/x/data.vk\""));
    EXPECT_FALSE(NamesPasswordFile("/x/notes.txt"));
    EXPECT_FALSE(NamesPasswordFile("Systray"));
}

TEST(CommandLine, HiddenStartNeedsAFileAndATray) {
    const CommandLine none, tray = ParseCommandLine("Systray"), file = ParseCommandLine("a.vk");
    EXPECT_TRUE(DecideStartup(none, true, "/a.vk", true).startHidden);
    EXPECT_FALSE(DecideStartup(none, false, "/a.vk", true).startHidden);
    EXPECT_TRUE(DecideStartup(tray, false, "/a.vk", true).startHidden);
    EXPECT_TRUE(DecideStartup(tray, false, "/a.vk", true).addTrayIcon);
    EXPECT_FALSE(DecideStartup(tray, true, "", true).startHidden);  // no known file
    EXPECT_FALSE(DecideStartup(file, true, "/a.vk", true).startHidden);
    // Nobody could reach a hidden program without a tray.
    EXPECT_FALSE(DecideStartup(tray, true, "/a.vk", false).startHidden);
}

TEST(MainWindowRules, TitleAndWorkArea) {
    CPasswordStore s;
    EXPECT_EQ(MainWindowTitle(s), "No file selected - Vaultkeep ");
    s.filePath = "/home/u/Vaultkeep.vk";
    EXPECT_EQ(MainWindowTitle(s), "No file selected - Vaultkeep ");  // not loaded to its end
    s.loadComplete = true;
    EXPECT_EQ(MainWindowTitle(s), "Vaultkeep.vk - Vaultkeep ");

    // Top, left, bottom, right.
    const WindowRect area{30, 0, 1024, 1280};
    EXPECT_EQ(ClampToWorkArea({0, -50, 400, 600}, area), (WindowRect{30, 0, 400, 600}));
    EXPECT_EQ(ClampToWorkArea({800, 900, 1100, 1400}, area), (WindowRect{800, 900, 1024, 1280}));
}

TEST(FolderTree, BuildsByPathAndWalksInDisplayOrder) {
    CPasswordStore s;
    s.AddFolder("Internet", 2);
    s.AddFolder("Banking", 3);
    s.AddFolder("Internet~Mail", 2);
    s.AddFolder("Internet~Mail~Old", 2);
    s.AddFolder("Orphan~Child", 1);  // parent missing: made on the fly without a folder
    s.folders[1].inUse = false;
    CFolderTree tree;
    tree.BuildFrom(s);
    std::vector<std::string> order;
    tree.ForEachPreOrder([&](CFolderTree::Node& n) {
        order.push_back(CFolderTree::PathOf(&n) + "#" + std::to_string(n.folderIndex));
    });
    EXPECT_EQ(order,
              (std::vector<std::string>{"Internet#0", "Internet~Mail#2", "Internet~Mail~Old#3",
                                        "Orphan#-1", "Orphan~Child#4"}));
    EXPECT_EQ(tree.FindByFolderIndex(3)->name, "Old");
    EXPECT_EQ(tree.FindByFolderIndex(1), nullptr);
    EXPECT_EQ(tree.NextPreOrder(tree.FindByFolderIndex(3))->name, "Orphan");
    EXPECT_EQ(tree.NextPreOrder(tree.FindByFolderIndex(4)), nullptr);
    EXPECT_TRUE(CFolderTree::IsAncestorOf(tree.First(), tree.FindByFolderIndex(3)));

    // Expand all reaches every level; collapse all leaves what was below a collapsed node.
    CFolderTree::ExpandAll(tree.First());
    EXPECT_TRUE(tree.FindByFolderIndex(2)->expanded);
    EXPECT_FALSE(tree.FindByFolderIndex(3)->expanded);  // no children: nothing to expand
    EXPECT_TRUE(tree.TopLevel()[1]->expanded);          // a following sibling
    tree.First()->expanded = false;
    tree.CollapseAll();
    EXPECT_TRUE(tree.FindByFolderIndex(2)->expanded);
    EXPECT_FALSE(tree.TopLevel()[1]->expanded);
}

}  // namespace
}  // namespace vk
