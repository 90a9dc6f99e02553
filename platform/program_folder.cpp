#include "platform/program_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace vk {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The same folder however it is spelt: /bin and /usr/bin are one on merged systems.
bool SameFolder(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool IsInstallFolder(const std::string& folder, const std::vector<std::string>& installFolders) {
    for (const auto& installFolder : installFolders)
        if (!installFolder.empty() && SameFolder(folder, installFolder)) return true;
    return false;
}

// A service started without HOME still has a home in the password database.
std::string HomeFromPasswordDatabase() {
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return "";
    return found->pw_dir;
}

}  // namespace

ProgramFolderSources ProgramFolderSourcesFromEnvironment() {
    ProgramFolderSources sources;
    sources.overrideFolder = Environment("VAULTKEEP_HOME");
    sources.executablePath = ExecutablePath();
    sources.dataHome = Environment("XDG_DATA_HOME");
    sources.home = Environment("HOME");
    if (sources.home.empty()) sources.home = HomeFromPasswordDatabase();
    // Where this build installs its programs, and where the package puts them.
    sources.installFolders = {VK_INSTALL_BINDIR, "/usr/bin"};
    return sources;
}

std::string ResolveProgramFolder(const ProgramFolderSources& sources) {
    if (!sources.overrideFolder.empty()) {
        MakeFolders(sources.overrideFolder, 0700);
        return WithTrailingSlash(sources.overrideFolder);
    }
    const auto slash = sources.executablePath.rfind('/');
    if (slash != std::string::npos) {
        const std::string folder = sources.executablePath.substr(0, slash + 1);
        // Run from the system's program folder (perhaps by root), the copy is installed for
        // every user: a password file there would be everybody's, so it stays with the user.
        if (!IsInstallFolder(folder, sources.installFolders) && CanCreateFilesIn(folder))
            return folder;
    }
    // The XDG rule: a relative XDG_DATA_HOME is invalid and ignored.
    std::string dataHome = sources.dataHome;
    if (dataHome.empty() || dataHome[0] != '/')
        dataHome = sources.home.empty() ? std::string() : sources.home + "/.local/share";
    if (dataHome.empty()) {
        const std::string folder =
            slash == std::string::npos ? std::string() : sources.executablePath.substr(0, slash);
        return WithTrailingSlash(folder.empty() || IsInstallFolder(folder, sources.installFolders)
                                     ? std::string(".")
                                     : folder);
    }
    const std::string folder = WithTrailingSlash(dataHome) + "Vaultkeep";
    MakeFolders(folder, 0700);
    return WithTrailingSlash(folder);
}

std::string ProgramFolder() {
    return ResolveProgramFolder(ProgramFolderSourcesFromEnvironment());
}

std::string ProgramFolderPath(const std::string& name) {
    return ProgramFolder() + name;
}

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return "";
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        if (buffer.size() >= (1u << 20)) return "";
        buffer.resize(buffer.size() * 2);
    }
}

bool CanCreateFilesIn(const std::string& folder) {
    // access() says yes to root everywhere and knows nothing of read-only mounts: try it.
    std::string probe = WithTrailingSlash(folder) + ".vaultkeep-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

bool MakeFolders(const std::string& folder, unsigned mode) {
    if (folder.empty()) return false;
    if (IsFolder(folder)) return true;
    for (std::size_t pos = folder.find('/', 1); pos != std::string::npos;
         pos = folder.find('/', pos + 1)) {
        const std::string part = folder.substr(0, pos);
        if (!IsFolder(part) && ::mkdir(part.c_str(), mode) != 0 && errno != EEXIST) return false;
    }
    if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST) return false;
    return IsFolder(folder);
}

}  // namespace vk
