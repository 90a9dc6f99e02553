#include "gui/tools/options_prop_sheet.h"

#include <wx/anybutton.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

#include "gui/app/app_context.h"
#include "gui/tools/options_column_names_page.h"
#include "gui/tools/options_column_settings_page.h"
#include "gui/tools/options_preferences_page.h"
#include "gui/tools/options_system_tray_page.h"

namespace vk {
namespace {

// The hooks are looked up when the effect happens: the application may set them later.
OptionsEffects EffectsOf(CAppContext& c) {
    OptionsEffects e;
    e.applyClipboardTimer = [&c] { c.applyClipboardTimer(); };
    e.applyTrayIcon = [&c] { c.applyTrayIcon(); };
    e.applyTransparency = [&c] { c.applyTransparency(); };
    e.applySkin = [&c] { c.applySkin(); };
    e.updateStartupEntry = [&c] { c.updateStartupEntry(); };
    e.editorSettingsChanged = [&c] { c.editorSettingsChanged(); };
    e.quickAccessChanged = [&c] { c.quickAccessChanged(); };
    return e;
}

}  // namespace

COptionsPropSheet::COptionsPropSheet(wxWindow* parent, CAppContext& context)
    : CDialogBase(parent, wxID_ANY, "Options"),
      context_(context),
      session_(std::make_unique<COptionsSession>(context.settings, context.settingsStore,
                                                 context.store, context.prompt,
                                                 EffectsOf(context))) {
    book_ = new wxNotebook(this, wxID_ANY);
    pages_ = {new CPreferencesPage(book_, *session_),
              new CSystemTrayPage(book_, *session_, CanSetTransparent()),
              new CColumnSettingsPage(book_, *session_), new CColumnNamesPage(book_, *session_)};
    const char* titles[kPageCount] = {"Preferences", "System tray", "Column settings",
                                      "Column names"};
    for (int i = 0; i < kPageCount; ++i) book_->AddPage(Page(i), titles[i]);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(book_, 1, wxEXPAND);
    LayOut(content, MakeButtons(wxOK | wxCANCEL));
    SetHelpTopic(Page(0)->HelpContext());
    Page(0)->FirstControl()->SetFocus();

    Bind(wxEVT_CHAR_HOOK, &COptionsPropSheet::OnCharHook, this);
    book_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &COptionsPropSheet::OnPageChanged, this);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Confirm(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Cancel(); }, wxID_CANCEL);
}

COptionsPropSheet::~COptionsPropSheet() = default;

CPreferencesPage* COptionsPropSheet::Preferences() const {
    return static_cast<CPreferencesPage*>(Page(0));
}
CSystemTrayPage* COptionsPropSheet::SystemTray() const {
    return static_cast<CSystemTrayPage*>(Page(1));
}
CColumnSettingsPage* COptionsPropSheet::ColumnSettings() const {
    return static_cast<CColumnSettingsPage*>(Page(2));
}
CColumnNamesPage* COptionsPropSheet::ColumnNames() const {
    return static_cast<CColumnNamesPage*>(Page(3));
}

void COptionsPropSheet::ShowPage(int index) {
    book_->SetSelection(static_cast<std::size_t>((index + kPageCount) % kPageCount));
    FocusCurrentPage();
}

void COptionsPropSheet::FocusCurrentPage() {
    const int current = book_->GetSelection();
    if (current == wxNOT_FOUND) return;
    SetHelpTopic(Page(current)->HelpContext());
    Page(current)->FirstControl()->SetFocus();
}

void COptionsPropSheet::OnPageChanged(wxBookCtrlEvent& event) {
    event.Skip();
    FocusCurrentPage();
    // A click on a tab leaves the focus on the tab once this event is over.
    CallAfter([this] { FocusCurrentPage(); });
}

void COptionsPropSheet::Confirm() {
    if (ended_) return;
    ended_ = true;
    for (COptionsPage* page : pages_) page->TakeEdits();
    session_->Confirm();
    EndWith(wxID_OK);
}

void COptionsPropSheet::Cancel() {
    if (ended_) return;
    ended_ = true;
    session_->Cancel();
    EndWith(wxID_CANCEL);
}

void COptionsPropSheet::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const int modifiers = event.GetModifiers();
    const bool pageDown = key == WXK_PAGEDOWN || key == WXK_NUMPAD_PAGEDOWN;
    const bool pageUp = key == WXK_PAGEUP || key == WXK_NUMPAD_PAGEUP;
    if (modifiers == wxMOD_CONTROL && (pageDown || pageUp)) {
        ShowPage(book_->GetSelection() + (pageDown ? 1 : -1));
        return;
    }
    if (key == WXK_TAB &&
        (modifiers == wxMOD_CONTROL || modifiers == (wxMOD_CONTROL | wxMOD_SHIFT))) {
        ShowPage(book_->GetSelection() + (modifiers & wxMOD_SHIFT ? -1 : 1));
        return;
    }
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && modifiers == wxMOD_NONE &&
        !dynamic_cast<wxAnyButton*>(FindFocus())) {
        Confirm();
        return;
    }
    if (key == WXK_ESCAPE && modifiers == wxMOD_NONE) {
        Cancel();
        return;
    }
    event.Skip();
}

void RunOptions(wxWindow* parent, CAppContext& context) {
    COptionsPropSheet sheet(parent, context);
    sheet.ShowModal();
}

}  // namespace vk
