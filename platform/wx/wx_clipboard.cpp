#include "platform/wx/wx_clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "core/shell/text_encoding.h"

namespace vk {
namespace {

// Opens the clipboard for one call and always closes it again.
class ClipboardSession {
  public:
    ClipboardSession() {
        wxTheClipboard->UsePrimarySelection(false);
        open_ = wxTheClipboard->Open();
    }
    ~ClipboardSession() {
        if (open_) wxTheClipboard->Close();
    }
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

bool HoldsText() {
    return wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
}

}  // namespace

bool CWxClipboard::SetText(const std::string& text) {
    ClipboardSession session;
    if (!session) return false;
    return wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(TextAsUtf8(text))));
}

bool CWxClipboard::GetText(std::string* text) {
    ClipboardSession session;
    if (!session || !HoldsText()) return false;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return false;
    const wxString held = data.GetText();
    const wxScopedCharBuffer utf8 = held.utf8_str();
    text->assign(utf8.data(), utf8.length());
    return true;
}

bool CWxClipboard::Clear() {
    ClipboardSession session;
    if (!session) return false;
    wxTheClipboard->Clear();
    // Clearing only gives up our own ownership. When a clipboard manager has taken the
    // text over, replace it with nothing so that the text is really gone.
    if (HoldsText()) {
        wxTheClipboard->SetData(new wxTextDataObject(wxString()));
        wxTheClipboard->Clear();
    }
    return true;
}

}  // namespace vk
