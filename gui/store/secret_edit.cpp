#include "gui/store/secret_edit.h"

#include <wx/textctrl.h>

#include "core/shell/text_encoding.h"
#include "core/store/secure_wipe.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// The same conversions as ToWx/FromWx, done here so that each buffer on the way can be wiped.
wxString SecretToWx(const SecretString& text) {
    if (IsValidUtf8(text.view())) return wxString::FromUTF8(text.c_str(), text.size());
    return ToWx(text.str());
}

SecretString SecretFromWx(const wxString& text) {
    wxScopedCharBuffer utf8 = text.utf8_str();
    SecretString secret(std::string_view(utf8.data(), utf8.length()));
    if (utf8.length() > 0) SecureWipe(utf8.data(), utf8.length());
    return secret;
}

}  // namespace

void WipeWxString(wxString& text) {
    for (wxString::iterator it = text.begin(); it != text.end(); ++it) *it = wxUniChar(' ');
    text.clear();
}

SecretString SecretFromEdit(const wxTextCtrl& edit) {
    wxString value = edit.GetValue();
    SecretString secret = SecretFromWx(value);
    WipeWxString(value);
    return secret;
}

void ShowSecretInEdit(wxTextCtrl& edit, const SecretString& text) {
    wxString value = SecretToWx(text);
    edit.ChangeValue(value);
    WipeWxString(value);
}

std::size_t EditTextBytes(const wxTextCtrl& edit) {
    return SecretFromEdit(edit).size();
}

bool CutEditToBytes(wxTextCtrl& edit, std::size_t limit) {
    SecretString text = SecretFromEdit(edit);
    if (text.size() <= limit) return false;
    const SecretString cut(text.view().substr(0, FitToBytes(text.view(), limit)));
    ShowSecretInEdit(edit, cut);
    edit.SetInsertionPointEnd();
    return true;
}

}  // namespace vk
