#include "gui/ui/help_book.h"

#include <wx/dialog.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/fs_mem.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>

#include "gui/ui/help_book_data.h"
#include "platform/wx/native_window.h"

namespace vk {
namespace {

constexpr const char kBookFile[] = "vaultkeep_help.zip";
constexpr const char kBookPath[] = "memory:vaultkeep_help.zip#zip:vaultkeep.hhp";

// The book's file in memory, readable by the toolkit's file system as a zip archive.
void PutBookInMemory() {
    static bool done = false;
    if (done) return;
    done = true;
    wxFileSystem::AddHandler(new wxMemoryFSHandler);
    wxFileSystem::AddHandler(new wxArchiveFSHandler);
    wxMemoryFSHandler::AddFile(kBookFile, help_data::kHelpBookZip, help_data::kHelpBookZipSize);
}

// The help window opens in the middle of the screen at a size that shows a page beside the
// contents, rather than wherever the window manager puts it.
class CHelpController : public wxHtmlHelpController {
  public:
    CHelpController() : wxHtmlHelpController(wxHF_DEFAULT_STYLE | wxHF_FRAME) {}

    // The modal dialog help is asked from, or null: the window keeps above it. A window
    // manager keeps a dialog without an owner (the password prompt from the tray, say) above
    // all of the program's other windows, and the help would open out of reach underneath.
    void SetOwner(wxWindow* owner) { owner_ = owner; }

  protected:
    wxWindow* CreateHelpWindow() override {
        const bool fresh = GetFrame() == nullptr;
        wxWindow* window = wxHtmlHelpController::CreateHelpWindow();
        // Before the page shows: over a modal dialog, showing it runs until the help closes.
        KeepAboveOwner(GetFrame(), owner_);
        if (wxFrame* frame = GetFrame(); fresh && frame) {
            // Once it is on screen: the controller places a new window where the last one was.
            frame->CallAfter([frame] {
                frame->SetSize(frame->FromDIP(wxSize(760, 540)));
                frame->CentreOnScreen();
            });
            // Esc closes the help as it closes a dialog, and gives the keys back to the window
            // it was asked from.
            frame->Bind(wxEVT_CHAR_HOOK, [frame](wxKeyEvent& event) {
                if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers())
                    frame->Close(true);
                else
                    event.Skip();
            });
        }
        return window;
    }

  private:
    wxWindow* owner_ = nullptr;
};

std::unique_ptr<CHelpBook>& AppHelpHolder() {
    static std::unique_ptr<CHelpBook> book;
    return book;
}

}  // namespace

CHelpContext& HelpContext() {
    static CHelpContext context;
    return context;
}

CHelpBook::CHelpBook() {
    PutBookInMemory();
    controller_ = std::make_unique<CHelpController>();
    controller_->SetTitleFormat("Vaultkeep Help: %s");
    controller_->SetShouldPreventAppExit(false);
    // The window's place and fonts are not written to the settings behind the program's back.
    controller_->UseConfig(nullptr);
}

CHelpBook::~CHelpBook() {
    Close();
}

bool CHelpBook::Show(int topic) {
    if (!bookLoaded_) {
        wxLogNull quiet;
        bookLoaded_ = controller_->AddBook(wxString(kBookPath));
        if (!bookLoaded_) return false;
    }
    wxWindow* focus = wxWindow::FindFocus();
    auto* asking = focus ? dynamic_cast<wxDialog*>(wxGetTopLevelParent(focus)) : nullptr;
    static_cast<CHelpController*>(controller_.get())
        ->SetOwner(asking && asking->IsModal() ? asking : nullptr);
    return controller_->Display(wxString::FromUTF8(HelpPageOfTopic(topic)));
}

wxFrame* CHelpBook::Window() const {
    return controller_->GetFrame();
}

std::string CHelpBook::ShownPage() const {
    wxFrame* frame = Window();
    auto* helpFrame = dynamic_cast<wxHtmlHelpFrame*>(frame);
    if (!helpFrame || !helpFrame->GetHelpWindow()) return {};
    wxHtmlWindow* html = helpFrame->GetHelpWindow()->GetHtmlWindow();
    if (!html) return {};
    const wxString page = html->GetOpenedPage();
    return page.AfterLast(':').utf8_string();
}

void CHelpBook::Close() {
    if (wxFrame* frame = Window()) {
        // Over a modal dialog the window holds a grab of its own: closing it releases that.
        frame->Close(true);
    }
}

CHelpBook& AppHelp() {
    auto& book = AppHelpHolder();
    if (!book) book = std::make_unique<CHelpBook>();
    return *book;
}

void ShowCurrentHelp() {
    AppHelp().Show(HelpContext().TopicToShow());
}

void CloseHelp() {
    AppHelpHolder().reset();
}

}  // namespace vk
