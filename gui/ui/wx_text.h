#pragma once
#include <wx/string.h>

#include <string>

namespace vk {

// Stored text to the toolkit's strings: valid UTF-8 as UTF-8, anything else as Windows-1252,
// so no byte is ever dropped.
wxString ToWx(const std::string& text);

// The toolkit's strings back to stored text, as UTF-8.
std::string FromWx(const wxString& text);

}  // namespace vk
