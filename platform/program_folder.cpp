#include "platform/program_folder.h"

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

}  // namespace

ProgramFolderSources ProgramFolderSourcesFromEnvironment() {
    ProgramFolderSources sources;
    sources.overrideFolder = Environment("VAULTKEEP_HOME");
    sources.executablePath = ExecutablePath();
    sources.dataHome = Environment("XDG_DATA_HOME");
    sources.home = Environment("HOME");
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
        if (CanCreateFilesIn(folder)) return folder;
    }
    // The XDG rule: a relative XDG_DATA_HOME is invalid and ignored.
    std::string dataHome = sources.dataHome;
    if (dataHome.empty() || dataHome[0] != '/')
        dataHome = sources.home.empty() ? std::string() : sources.home + "/.local/share";
    if (dataHome.empty())
        return WithTrailingSlash(slash == std::string::npos
                                     ? std::string(".")
                                     : sources.executablePath.substr(0, slash));
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
