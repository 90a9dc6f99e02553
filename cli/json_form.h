#pragma once
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "core/store/password_store.h"

namespace vk::cli {

using Json = nlohmann::ordered_json;

// Raised for JSON that does not describe a password file; the text says what is wrong.
class JsonFormError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The machine form of a file: every live folder in file order with its records.
Json StoreToJson(const CPasswordStore& store);

// Fills `store` from the machine form. Checks every type, count and range, and refuses a text
// the file could not keep whole (too long for its slot, or holding a NUL) instead of cutting
// it; the search histories are kept as the program keeps its own. The master password and
// file path are left to the caller.
void StoreFromJson(const Json& json, CPasswordStore& store);

}  // namespace vk::cli
