#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vk {

// The program's version strings, by the names the About box asks for.
struct VersionString {
    const char* name;
    std::string value;
};
const std::vector<VersionString>& VersionStrings();
// The value of `name`; nothing for a name the table does not hold.
std::optional<std::string> FindVersionString(const std::string& name);

// "Vaultkeep 3.0.0": the program's name and its file version.
std::string ProgramNameAndVersion();

// The program's web page: the About box's link and "&Support online...".
inline constexpr const char kProgramWebPage[] = "https://www.quorvane.example/vaultkeep/";

}  // namespace vk
