#pragma once
#include <string>

#include "core/shell/user_prompt.h"

namespace vk {

// The text after the last folder separator ('\\' or '/'); the whole text when there is none.
std::string FileNamePart(const std::string& path);

// `name` inside `folder`, with one separator between them.
std::string PathInFolder(const std::string& folder, const std::string& name);

// A bare file name (no backslash, no slash) goes into the program's folder; a name that
// names a folder of its own stays where it is.
std::string PlaceBareFileName(const std::string& name, const std::string& programFolder);

// Appends ".vk" unless the name already holds ".vk" in any letter case.
std::string WithPasswordFileExtension(const std::string& name);

// True when the name part of `path` holds a character no file name may hold.
bool HasBadFileNameCharacters(const std::string& path);

// The message that lists the characters a file name may not hold.
std::string BadFileNameCharactersText();

// Refuses a name with a forbidden character: shows the list with the exclamation icon and
// returns false.
bool CheckFileNameCharacters(const std::string& path, IUserPrompt& prompt);

// The password file pickers' filter: our files first, then every file. `allFilesPattern`
// is "*.*" where that means every file, "*" where "*.*" would miss names without a dot.
std::string PasswordFileFilter(const char* allFilesPattern = "*.*");

}  // namespace vk
