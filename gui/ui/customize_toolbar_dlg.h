#pragma once
#include <functional>
#include <map>

#include "core/ui/toolbar_customization.h"
#include "gui/ui/dialog_base.h"

class wxButton;
class wxChoice;
class wxImageList;
class wxListView;

namespace vk {

// "Customize Toolbar": buttons move between "Available toolbar buttons:" and "Current toolbar
// buttons:", the current ones are ordered, and the text and icon options are chosen. Every
// change but the icon option shows on the toolbar at once; the icon option when the dialog
// closes. "&Close", Esc and the close box all keep the changes.
class CCustomizeDialog : public CDialogBase {
  public:
    static constexpr int kDialogId = 360;

    // `show` puts a layout on the toolbar; `closing` is true for the last call, as the dialog
    // ends, which carries the icon option too.
    using ShowLayout = std::function<void(const ToolbarLayout& layout, bool closing)>;

    CCustomizeDialog(wxWindow* parent, CToolbarCustomization& edit, ShowLayout show);
    ~CCustomizeDialog() override;

    wxListView* AvailableList() const { return available_; }
    wxListView* CurrentList() const { return current_; }
    wxChoice* TextOptions() const { return textOptions_; }
    wxChoice* IconOptions() const { return iconOptions_; }

    // The buttons' actions.
    void AddSelected();
    void RemoveSelected();
    void MoveSelected(bool up);
    void Reset();
    void Finish();

  private:
    wxSizer* MakeLists();
    wxSizer* MakeOptions();
    void Fill(wxListView* list, const std::vector<int>& entries, int select);
    void Changed(int selectCurrent);
    void UpdateButtons();

    CToolbarCustomization& edit_;
    ShowLayout show_;
    wxImageList* images_ = nullptr;
    std::map<int, int> imageOf_;  // command -> picture in the lists
    wxListView* available_ = nullptr;
    wxListView* current_ = nullptr;
    wxChoice* textOptions_ = nullptr;
    wxChoice* iconOptions_ = nullptr;
    wxButton* add_ = nullptr;
    wxButton* remove_ = nullptr;
    wxButton* up_ = nullptr;
    wxButton* down_ = nullptr;
    bool finished_ = false;
};

}  // namespace vk
