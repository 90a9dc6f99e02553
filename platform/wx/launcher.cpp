#include "platform/wx/launcher.h"

#include <sys/stat.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <cerrno>

#include "core/shell/launch_rules.h"
#include "core/shell/shell_messages.h"
#include "core/shell/text_encoding.h"
#include "platform/system_error.h"

#ifdef __WXMSW__
#include <wx/msw/registry.h>
#endif

namespace vk {
namespace {

wxString AsWx(const std::string& text) {
    return wxString::FromUTF8(TextAsUtf8(text));
}

#ifdef __WXMSW__
// The browser registered for web pages, run directly: for systems where the shell cannot
// open the address itself.
bool OpenWithRegisteredBrowser(const std::string& address) {
    wxRegKey htm(wxRegKey::HKCR, ".htm");
    wxString fileClass;
    if (!htm.Exists() || !htm.QueryValue(wxString(), fileClass)) return false;
    wxRegKey open(wxRegKey::HKCR, fileClass + "\\shell\\open\\command");
    wxString command;
    if (!open.Exists() || !open.QueryValue(wxString(), command)) return false;
    const wxScopedCharBuffer utf8 = command.utf8_str();
    return wxExecute(AsWx(BrowserCommandLine(std::string(utf8.data(), utf8.length()), address)),
                     wxEXEC_ASYNC) != 0;
}
#endif

bool BrowserOpens(const std::string& address) {
    wxLogNull quiet;  // failures are ours to report, not the toolkit's log window's
    if (wxLaunchDefaultBrowser(AsWx(address))) return true;
#ifdef __WXMSW__
    return OpenWithRegisteredBrowser(address);
#else
    return false;
#endif
}

}  // namespace

bool LaunchText(const std::string& text, IUserPrompt& prompt) {
    std::string reason;
    if (ClassifyLaunchText(text) == LaunchKind::kWebAddress) {
        if (!BrowserOpens(text)) reason = msg::kNoAssociatedProgram;
    } else {
        struct stat info {};
        if (::stat(text.c_str(), &info) != 0) {
            reason = SystemErrorText(errno);
        } else {
            wxLogNull quiet;
            if (!wxLaunchDefaultApplication(AsWx(text))) reason = msg::kNoAssociatedProgram;
        }
    }
    if (reason.empty()) return true;
    prompt.ShowMessage(LaunchFailedText(text, reason), MessageButtons::kOk, MessageIcon::kDefault);
    return false;
}

}  // namespace vk
