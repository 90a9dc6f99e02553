// Where the program keeps its default file and profile.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/program_folder.h"
#include "tests/support/process.h"

namespace vk {
namespace {

TEST(ProgramFolder, OverrideWinsAndIsCreated) {
    test::TempDir dir;
    ProgramFolderSources sources;
    sources.overrideFolder = dir.File("home/nested");
    sources.executablePath = dir.File("vaultkeep");
    EXPECT_EQ(ResolveProgramFolder(sources), dir.File("home/nested/"));
    EXPECT_EQ(test::FileMode(dir.File("home/nested")), 0700u);

    // The real environment lookup honours it too.
    ::setenv("VAULTKEEP_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(ProgramFolder(), dir.path() + "/");
    EXPECT_EQ(ProgramFolderPath("Vaultkeep.ini"), dir.File("Vaultkeep.ini"));
    ::unsetenv("VAULTKEEP_HOME");
}

TEST(ProgramFolder, WritableFolderIsAPortableInstallUnlessItIsTheSystems) {
    test::TempDir dir;
    MakeFolders(dir.File("usr/bin"), 0755);
    ASSERT_EQ(::symlink("usr/bin", dir.File("bin").c_str()), 0);
    ProgramFolderSources sources;
    sources.executablePath = dir.File("usr/bin/vaultkeep");
    sources.home = dir.File("user");
    EXPECT_EQ(ResolveProgramFolder(sources), dir.File("usr/bin/"));
    EXPECT_EQ(test::FileMode(dir.File("user")), 0u);  // the data folder was not made

    // Installed (even when root could write there, and however the folder is spelt): the
    // default file stays with the user; without any home it is never put beside the program.
    for (const char* installed : {"usr/bin", "bin", "usr/bin/"}) {
        sources.installFolders = {dir.File("elsewhere"), dir.File(installed)};
        sources.home = dir.File("user");
        EXPECT_EQ(ResolveProgramFolder(sources), dir.File("user/.local/share/Vaultkeep/"));
        sources.home.clear();
        EXPECT_EQ(ResolveProgramFolder(sources), "./");
    }
}

TEST(ProgramFolder, UnwritableProgramFolderFallsBackToTheUsersDataFolder) {
    test::TempDir dir;
    ProgramFolderSources sources;
    // Even root cannot make files in /proc.
    sources.executablePath = "/proc/self/vaultkeep";
    sources.home = dir.File("user");
    EXPECT_EQ(ResolveProgramFolder(sources), dir.File("user/.local/share/Vaultkeep/"));
    EXPECT_EQ(test::FileMode(dir.File("user/.local/share/Vaultkeep")), 0700u);
    EXPECT_TRUE(CanCreateFilesIn(dir.File("user/.local/share/Vaultkeep")));

    sources.dataHome = dir.File("data");
    EXPECT_EQ(ResolveProgramFolder(sources), dir.File("data/Vaultkeep/"));
    sources.dataHome = "relative/data";  // not a valid data home: ignored
    EXPECT_EQ(ResolveProgramFolder(sources), dir.File("user/.local/share/Vaultkeep/"));

    EXPECT_FALSE(CanCreateFilesIn("/proc/self"));
    EXPECT_FALSE(CanCreateFilesIn(dir.File("missing")));
}

TEST(ProgramFolder, ExecutablePathNamesThisTestProgram) {
    const std::string path = ExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path[0], '/');
    EXPECT_NE(path.find("vk_platform_tests"), std::string::npos);
}

}  // namespace
}  // namespace vk
