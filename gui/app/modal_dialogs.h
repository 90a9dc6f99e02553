#pragma once
#include <wx/modalhook.h>

#include <vector>

class wxDialog;

namespace vk {

// The modal dialogs that run at the moment, nested ones included. Ending the program under
// one would destroy windows that the code waiting for its answer still uses.
class CModalDialogs : public wxModalDialogHook {
  public:
    CModalDialogs();
    ~CModalDialogs() override;
    CModalDialogs(const CModalDialogs&) = delete;
    CModalDialogs& operator=(const CModalDialogs&) = delete;

    bool AnyOpen() const { return !open_.empty(); }
    // Ends those that run the toolkit's own modal loop as if Cancel was pressed; a native
    // message box keeps waiting for its answer.
    void CancelAll();

  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

  private:
    std::vector<wxDialog*> open_;
};

}  // namespace vk
