#pragma once
#include <istream>
#include <optional>
#include <string>

#include "core/store/secret_string.h"

namespace vk::cli {

// Where the tool's passwords come from: lines of standard input with --password-stdin,
// otherwise a no-echo prompt when a person sits at a terminal.
class PasswordSource {
  public:
    PasswordSource(bool fromStdin, std::istream& in) : fromStdin_(fromStdin), in_(in) {}

    // The next password, or nothing when none can be had.
    std::optional<SecretString> Next(const std::string& prompt);
    bool Interactive() const;

  private:
    bool fromStdin_;
    std::istream& in_;
};

}  // namespace vk::cli
