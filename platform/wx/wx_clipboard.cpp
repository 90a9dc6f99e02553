#include "platform/wx/wx_clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "core/shell/text_encoding.h"

namespace vk {
namespace {

// Opens the clipboard or the primary selection for one call and always closes it again.
class ClipboardSession {
  public:
    explicit ClipboardSession(bool primary = false) {
        wxTheClipboard->UsePrimarySelection(primary);
        open_ = wxTheClipboard->Open();
    }
    ~ClipboardSession() {
        if (open_) wxTheClipboard->Close();
        wxTheClipboard->UsePrimarySelection(false);
    }
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

bool HoldsText() {
    return wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
}

// The text, and for clipboard managers the mark that keeps it out of their history.
wxDataObject* TextWithHint(const std::string& utf8) {
    auto* both = new wxDataObjectComposite;
    both->Add(new wxTextDataObject(wxString::FromUTF8(utf8)), true);
    auto* hint = new wxCustomDataObject(wxDataFormat(CWxClipboard::kPasswordHintTarget));
    static const char kSecret[] = "secret";
    hint->SetData(sizeof kSecret - 1, kSecret);
    both->Add(hint);
    return both;
}

bool ReadText(bool primary, std::string* text) {
    ClipboardSession session(primary);
    if (!session || !HoldsText()) return false;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return false;
    const wxString held = data.GetText();  // the buffer below lives in this string
    const wxScopedCharBuffer utf8 = held.utf8_str();
    text->assign(utf8.data(), utf8.length());
    return true;
}

// Clearing only gives up our own ownership, and a clipboard manager would then bring the
// text back. Owning the selection with an empty text takes the text away for good.
bool OwnEmpty(bool primary) {
    ClipboardSession session(primary);
    return session && wxTheClipboard->SetData(new wxTextDataObject(wxString()));
}

}  // namespace

bool CWxClipboard::SetText(const std::string& text) {
    ClipboardSession session;
    return session && wxTheClipboard->SetData(TextWithHint(TextAsUtf8(text)));
}

bool CWxClipboard::GetText(std::string* text) {
    return ReadText(false, text);
}

bool CWxClipboard::Clear() {
    return OwnEmpty(false);
}

bool CWxClipboard::GetPrimaryText(std::string* text) {
    return ReadText(true, text);
}

bool CWxClipboard::ClearPrimary() {
    return OwnEmpty(true);
}

}  // namespace vk
