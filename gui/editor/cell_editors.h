#pragma once
#include <wx/gdicmn.h>

#include <functional>
#include <memory>
#include <string>

#include "core/store/password_store.h"

class wxBitmapButton;
class wxDatePickerCtrl;
class wxTextCtrl;
class wxWindow;

namespace vk {

class CAutoCompleteList;
class CFieldByteLimit;

// The grid's in-place editors, laid over the cell being edited: a text box with completions
// (and, for a Password cell, the generator button at its right end) or a date picker for the
// two date columns. At most one is open.
class CCellEditors {
  public:
    enum class Kind { kNone, kText, kDate };

    CCellEditors(wxWindow* cells, CAutoCompleteList& completions);
    ~CCellEditors();

    // Opens the text box over `cell` holding `text`, held to the bytes of `field`. With
    // `typed` the caret follows the text, otherwise the whole text is selected.
    void OpenText(const wxRect& cell, const std::string& text, int field, bool typed);
    // Opens the picker over `cell`; a `date` without a day keeps the date the picker shows.
    void OpenDate(const wxRect& cell, const SystemTime& date);
    void Hide();

    Kind Open() const { return open_; }
    int Field() const { return field_; }
    std::string Text() const;
    SystemTime Date() const;
    // The generator's password in place of the text, cut to what the field keeps.
    void SetText(const std::string& text);
    // Moves the picker's date by days and months.
    void StepDate(int days, int months);
    // Whether `window` is one of the editors (or inside the picker).
    Kind KindOf(const wxWindow* window) const;

    wxTextCtrl* TextBox() const { return text_; }
    wxDatePickerCtrl* DatePicker() const { return date_; }
    wxBitmapButton* GeneratorButton() const { return generator_; }

    // The generator button was pressed.
    std::function<void()> onGenerate = [] {};
    // The user changed the text box.
    std::function<void()> onTyped = [] {};

  private:
    wxWindow* cells_;
    wxTextCtrl* text_;
    wxDatePickerCtrl* date_;
    wxBitmapButton* generator_;
    std::unique_ptr<CFieldByteLimit> limit_;
    Kind open_ = Kind::kNone;
    int field_ = -1;
};

}  // namespace vk
