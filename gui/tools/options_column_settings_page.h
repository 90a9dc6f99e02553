#pragma once
#include <array>

#include "gui/tools/options_page.h"

class wxCheckBox;
class wxChoice;
class wxStaticBox;
class wxTextCtrl;
class wxToggleButton;

namespace vk {

// "Column settings": the four categories, each with its name and the columns its folders show,
// and the category of new top-level folders.
class CColumnSettingsPage : public COptionsPage {
  public:
    static constexpr int kHelpContext = 1011;

    CColumnSettingsPage(wxWindow* parent, COptionsSession& session);

    wxWindow* FirstControl() override;
    void TakeEdits() override;

    // The button of category 1..4.
    wxToggleButton* CategoryButton(int category) const;
    wxCheckBox* ColumnBox(int field) const;

  private:
    void Refresh();
    void ShowCategoryNames();
    void ShowColumnBoxes();
    void FillDefaultCategories();
    void OnCategoryButton(int category);
    void OnColumnBox(int field);
    // The typed name becomes the category's; an empty one changes nothing.
    void TakeName();

    wxTextCtrl* name_ = nullptr;
    wxStaticBox* frame_ = nullptr;
    std::array<wxCheckBox*, kListFieldCount> boxes_{};
    std::array<wxToggleButton*, kCategoryCount> buttons_{};
    wxChoice* defaultCategory_ = nullptr;
    bool nameTyped_ = false;
};

}  // namespace vk
