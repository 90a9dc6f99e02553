#pragma once
#include <memory>
#include <string>

#include "core/ui/help_topics.h"

class wxFrame;
class wxHtmlHelpController;

namespace vk {

// The help topic in force for the whole program (windows set it as they open and close).
CHelpContext& HelpContext();

// The help window over the book compiled into the program (resources/help): its contents,
// index and search, titled "Vaultkeep Help: " and the page's title. Over a modal dialog the
// window stays usable; the dialog waits until it is closed.
class CHelpBook {
  public:
    CHelpBook();
    ~CHelpBook();
    CHelpBook(const CHelpBook&) = delete;
    CHelpBook& operator=(const CHelpBook&) = delete;

    // Shows the page of `topic`; false when the book cannot be read.
    bool Show(int topic);
    // The help window; null while it is not open.
    wxFrame* Window() const;
    // The page the window shows, as its file name in the book.
    std::string ShownPage() const;
    // Closes the window.
    void Close();

  private:
    std::unique_ptr<wxHtmlHelpController> controller_;
    bool bookLoaded_ = false;
};

// The program's help book, made when help is first asked for.
CHelpBook& AppHelp();
// Help and F1: the topic in force, or the main window's.
void ShowCurrentHelp();
// Closes the help window and lets the book go; the program calls it as it ends.
void CloseHelp();

}  // namespace vk
