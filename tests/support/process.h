#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vk::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with `input` on its standard input and collects what it prints.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input = "");

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The permission bits of what `path` names (a link itself, not what it leads to); 0 when
// nothing is there.
unsigned FileMode(const std::string& path);
// How many entries a folder holds.
std::size_t EntriesIn(const std::string& folder);

}  // namespace vk::test
