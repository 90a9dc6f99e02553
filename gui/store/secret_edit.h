#pragma once
#include <wx/string.h>

#include <cstddef>
#include <string>

#include "core/store/secret_string.h"

class wxTextCtrl;

namespace vk {

// Overwrites the characters of `text` before emptying it, so the secret does not linger in
// freed memory.
void WipeWxString(wxString& text);

// The edit's text as stored text (UTF-8), with every intermediate copy wiped.
SecretString SecretFromEdit(const wxTextCtrl& edit);

// Shows `text` in the edit without sending a change event; no copy is left behind.
void ShowSecretInEdit(wxTextCtrl& edit, const SecretString& text);

// The number of bytes the edit's text takes as stored text.
std::size_t EditTextBytes(const wxTextCtrl& edit);

// Cuts the edit's text to `limit` bytes of stored text (never inside a character), without
// sending a change event, and puts the caret at its end; call it from the edit's change
// handler. The toolkit's own limit counts characters and, on GTK, refuses a longer paste
// whole, so the edits carry no toolkit limit: a paste is cut to fit, as typing stops at it.
// True when the text was cut.
bool CutEditToBytes(wxTextCtrl& edit, std::size_t limit);

}  // namespace vk
