#pragma once
#include <string>
#include <vector>

namespace vk {

// Where the program's folder may come from.
struct ProgramFolderSources {
    std::string overrideFolder;  // VAULTKEEP_HOME: wins over everything
    std::string executablePath;  // the running program
    std::string dataHome;        // XDG_DATA_HOME
    std::string home;            // HOME
    // The system's program folders (the install prefix's): a copy running from one of them is
    // installed for everybody and never keeps its files beside itself.
    std::vector<std::string> installFolders;
};

ProgramFolderSources ProgramFolderSourcesFromEnvironment();

// The program's own folder, ending in '/': the override when given; else the executable's
// folder when it is none of the install folders and files can be made there (a portable
// install, a build); else the user's data folder "Vaultkeep", created owner-only. Folders that
// are missing are created.
std::string ResolveProgramFolder(const ProgramFolderSources& sources);

// The program's folder for this process, from the environment.
std::string ProgramFolder();

// `name` inside the program's folder.
std::string ProgramFolderPath(const std::string& name);

// The running program's full path; empty when the system does not tell.
std::string ExecutablePath();

// True when a file can really be made in `folder` (checked by making one).
bool CanCreateFilesIn(const std::string& folder);

// Creates `folder` and any missing parents with `mode`; true when it exists afterwards.
bool MakeFolders(const std::string& folder, unsigned mode);

}  // namespace vk
