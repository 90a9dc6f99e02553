// Where the program keeps its default file and profile.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "platform/program_folder.h"
#include "tests/support/process.h"

namespace vk {
namespace {

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

TEST(ProgramFolder, OverrideWinsAndIsCreated) {
    test::TempDir dir;
    ProgramFolderSources sources;
    sources.overrideFolder = dir.File("home/nested");
    sources.executablePath = dir.File("vaultkeep");
    EXPECT_EQ(ResolveProgramFolder(sources), dir.File("home/nested/"));
    EXPECT_EQ(ModeOf(dir.File("home/nested")), 0700u);

    // The real environment lookup honours it too.
    ::setenv("VAULTKEEP_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(ProgramFolder(), dir.path() + "/");
    EXPECT_EQ(ProgramFolderPath("Vaultkeep.ini"), dir.File("Vaultkeep.ini"));
    ::unsetenv("VAULTKEEP_HOME");
}

TEST(ProgramFolder, WritableProgramFolderIsAPortableInstall) {
    test::TempDir dir;
    ProgramFolderSources sources;
    sources.executablePath = dir.File("vaultkeep");
    sources.home = dir.File("user");
    EXPECT_EQ(ResolveProgramFolder(sources), dir.path() + "/");
    EXPECT_EQ(ModeOf(dir.File("user")), 0u);  // the data folder was not made
}

TEST(ProgramFolder, UnwritableProgramFolderFallsBackToTheUsersDataFolder) {
    test::TempDir dir;
    ProgramFolderSources sources;
    // Even root cannot make files in /proc.
    sources.executablePath = "/proc/self/vaultkeep";
    sources.home = dir.File("user");
    EXPECT_EQ(ResolveProgramFolder(sources), dir.File("user/.local/share/Vaultkeep/"));
    EXPECT_EQ(ModeOf(dir.File("user/.local/share/Vaultkeep")), 0700u);
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
