#pragma once
#include <array>

#include "gui/tools/options_page.h"

class wxBitmapButton;
class wxStaticText;
class wxTextCtrl;

namespace vk {

class CIconPicker;

// "Column names": the name and the icon of each list column.
class CColumnNamesPage : public COptionsPage {
  public:
    static constexpr int kHelpContext = 1023;

    CColumnNamesPage(wxWindow* parent, COptionsSession& session);

    wxWindow* FirstControl() override;

    wxTextCtrl* NameEdit(int field) const { return edits_[static_cast<std::size_t>(field)]; }
    wxBitmapButton* IconButton(int field) const {
        return buttons_[static_cast<std::size_t>(field)];
    }
    CIconPicker* Picker() const { return picker_; }
    // The explanations of the icons that cannot change.
    wxString PasswordMessage() const;
    wxString DateMessage() const;

  private:
    void Refresh();
    void ShowIcon(int field);
    void OnIconButton(int field);
    void OnIconChosen(int field, int iconIndex);

    std::array<wxTextCtrl*, kListFieldCount> edits_{};
    std::array<wxBitmapButton*, kListFieldCount> buttons_{};
    wxStaticText* passwordMessage_ = nullptr;
    wxStaticText* dateMessage_ = nullptr;
    CIconPicker* picker_ = nullptr;
};

}  // namespace vk
