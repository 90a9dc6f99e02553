#pragma once
#include <array>
#include <memory>

#include "core/tools/options.h"
#include "gui/ui/dialog_base.h"

class wxNotebook;
class wxBookCtrlEvent;
class wxKeyEvent;

namespace vk {

class CAppContext;
class COptionsPage;
class CPreferencesPage;
class CSystemTrayPage;
class CColumnSettingsPage;
class CColumnNamesPage;

// "Options": four pages over the settings, without an Apply button. The pages change the
// settings at once; OK saves them all, Cancel (Esc, the close box) reloads the stored ones
// and brings the running program back in line with them.
//
// By keyboard: Ctrl+Page Down / Ctrl+Page Up (and Ctrl+Tab) change pages, and a page that
// becomes current puts the focus on its first control; Enter is OK from every control but a
// button, Esc is Cancel.
class COptionsPropSheet : public CDialogBase {
  public:
    static constexpr int kPageCount = 4;

    COptionsPropSheet(wxWindow* parent, CAppContext& context);
    ~COptionsPropSheet() override;

    wxNotebook* Book() { return book_; }
    COptionsPage* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    CPreferencesPage* Preferences() const;
    CSystemTrayPage* SystemTray() const;
    CColumnSettingsPage* ColumnSettings() const;
    CColumnNamesPage* ColumnNames() const;
    COptionsSession& Session() { return *session_; }

    // Makes page `index` current and puts the focus on its first control.
    void ShowPage(int index);
    // OK: takes what the edits hold, saves every setting, refreshes what shows them.
    void Confirm();
    // Cancel: the stored settings come back and the program follows them.
    void Cancel();

  private:
    void OnCharHook(wxKeyEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
    void FocusCurrentPage();

    CAppContext& context_;
    std::unique_ptr<COptionsSession> session_;
    wxNotebook* book_ = nullptr;
    std::array<COptionsPage*, kPageCount> pages_{};
    bool ended_ = false;
};

// Tools "&Options...": runs the sheet modally over the application's settings.
void RunOptions(wxWindow* parent, CAppContext& context);

}  // namespace vk
