#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/editor/search_history.h"
#include "gui/ui/dialog_base.h"

class wxCheckBox;
class wxComboBox;

namespace vk {

// "Search folders" / "Search items": the search text with its drop-down history and two
// options. Each "Find next" remembers the text and hands it to the search of the mode; the
// dialog stays open until Cancel.
class CSearchDlg : public CDialogBase {
  public:
    // `history` and `options` are the store's history of the mode and the search options;
    // the dialog writes both back as the user goes.
    CSearchDlg(wxWindow* parent, SearchMode mode, std::vector<std::string>& history,
               std::uint32_t& options);

    // The search of the mode, run with the text on every "Find next".
    std::function<void(const std::string& text)> findNext = [](const std::string&) {};
    // After each "Find next" of the editor's modes: the histories are part of the file.
    std::function<void()> historyChanged = [] {};

    // "Find next", as the default button does it.
    void FindNext();

    wxComboBox* TextBox() const { return text_; }
    wxCheckBox* WholeWordOnlyBox() const { return wholeWord_; }
    wxCheckBox* MatchCaseBox() const { return matchCase_; }

  private:
    void OnOptionBox(wxCommandEvent& event);

    SearchMode mode_;
    std::vector<std::string>& history_;
    std::uint32_t& options_;
    wxComboBox* text_ = nullptr;
    wxCheckBox* wholeWord_ = nullptr;
    wxCheckBox* matchCase_ = nullptr;
};

}  // namespace vk
