#include "platform/wx/wx_config_storage.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#if !defined(__WINDOWS__)
#include <wx/fileconf.h>
#endif

#include "core/settings/settings_names.h"
#include "core/settings/stored_value.h"
#include "core/shell/text_encoding.h"

namespace vk {
namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(TextAsUtf8(text));
}

std::string Bytes(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

#if !defined(__WINDOWS__)
// The folder must exist before the file can be written there; made owner-only, like the
// file, because the settings name the user's password files.
bool MakeFolderOf(const std::string& filePath) {
    const wxString folder = wxFileName(Wx(filePath)).GetPath();
    return wxFileName::DirExists(folder) || wxFileName::Mkdir(folder, 0700, wxPATH_MKDIR_FULL);
}
#endif

}  // namespace

CWxConfigStorage::CWxConfigStorage() {
    // The toolkit reports unreadable or damaged files through its log, which would pop up a
    // window of its own; what the settings cannot read simply keeps its default.
    wxLogNull quiet;
#if defined(__WINDOWS__)
    config_ = std::make_unique<wxConfig>(setting::kAppName, setting::kVendorName);
#else
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    filePath_ = Bytes(wxFileConfig::GetLocalFileName(setting::kAppName));
    MakeFolderOf(filePath_);
    auto file =
        std::make_unique<wxFileConfig>(setting::kAppName, setting::kVendorName, Wx(filePath_),
                                       wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    file->SetUmask(077);
    config_ = std::move(file);
#endif
    // Paths such as "$HOME/x.vk" are names, not templates.
    config_->SetExpandEnvVars(false);
}

CWxConfigStorage::~CWxConfigStorage() {
    // Nothing is written behind the program's back: what was not committed is dropped.
    wxLogNull quiet;
#if !defined(__WINDOWS__)
    static_cast<wxFileConfig*>(config_.get())->DisableAutoSave();
#endif
    config_.reset();
}

bool CWxConfigStorage::OpenForRead() {
    return config_ != nullptr;
}

bool CWxConfigStorage::HasValue(const std::string& name) {
    return config_->HasEntry(Wx(name));
}

std::optional<std::string> CWxConfigStorage::ReadText(const std::string& name) {
    wxString text;
    if (!config_->Read(Wx(name), &text)) return std::nullopt;
    return Bytes(text);
}

std::optional<std::int64_t> CWxConfigStorage::ReadNumber(const std::string& name) {
    const wxString key = Wx(name);
    if (!config_->HasEntry(key)) return std::nullopt;
    if (config_->GetEntryType(key) == wxConfigBase::Type_Integer) {
        // A registry number: its 32 bits are the value, whatever the sign of a long.
        long value = 0;
        if (!config_->Read(key, &value)) return std::nullopt;
        return static_cast<std::uint32_t>(value);
    }
    wxString text;
    if (!config_->Read(key, &text)) return std::nullopt;
    return ParseStoredNumber(Bytes(text));
}

std::optional<std::vector<std::uint8_t>> CWxConfigStorage::ReadBytes(const std::string& name) {
    const wxString key = Wx(name);
    if (!config_->HasEntry(key)) return std::nullopt;
    // Text that is no base64 reads as no bytes at all.
    wxLogNull quiet;
    wxMemoryBuffer buffer;
    if (!config_->Read(key, &buffer)) return std::nullopt;
    const auto* data = static_cast<const std::uint8_t*>(buffer.GetData());
    return std::vector<std::uint8_t>(data, data + buffer.GetDataLen());
}

bool CWxConfigStorage::OpenForWrite() {
#if defined(__WINDOWS__)
    return true;
#else
    wxLogNull quiet;
    return MakeFolderOf(filePath_);
#endif
}

bool CWxConfigStorage::WriteText(const std::string& name, const std::string& value) {
    return config_->Write(Wx(name), Wx(value));
}

bool CWxConfigStorage::WriteNumber(const std::string& name, std::uint32_t value) {
#if defined(__WINDOWS__)
    // A registry DWORD holds the same 32 bits.
    return config_->Write(Wx(name), static_cast<long>(value));
#else
    return config_->Write(Wx(name), wxString::Format("%u", static_cast<unsigned>(value)));
#endif
}

bool CWxConfigStorage::WriteBytes(const std::string& name, const std::vector<std::uint8_t>& value) {
    wxMemoryBuffer buffer;
    buffer.AppendData(value.data(), value.size());
    return config_->Write(Wx(name), buffer);
}

bool CWxConfigStorage::Commit() {
    wxLogNull quiet;
    return config_->Flush();
}

}  // namespace vk
