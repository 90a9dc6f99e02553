#include "gui/quickaccess/quick_access_dlg.h"

#include <wx/bmpbuttn.h>
#include <wx/dataobj.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/dnd.h>
#include <wx/graphics.h>
#include <wx/imaglist.h>
#include <wx/menu.h>

#include "core/app/command_ids.h"
#include "core/quickaccess/paste_to_application.h"
#include "core/quickaccess/quick_access_messages.h"
#include "core/shell/search_match.h"
#include "gui/app/app_context.h"
#include "gui/editor/search_dlg.h"
#include "gui/quickaccess/quick_access_tree_ctrl.h"
#include "gui/ui/artwork.h"
#include "gui/ui/balloon_help_wnd.h"
#include "gui/ui/screen_area.h"
#include "gui/ui/wx_text.h"
#include "platform/wx/native_window.h"

namespace vk {
namespace {

// Control and command numbers of the dialog and its item menu.
enum : int {
    kDialogId = 180,
    kTreeId = 1070,
    kSearchId = 1031,
    kCopyId = 1074,
    kPasteId = 1075,
    kEditorId = 1076,
    kCloseId = 8,
    kPinId = 9,
    kMenuCopy = cmd::WxId(32819),
    kMenuPaste = cmd::WxId(32820),
    kMenuLaunchEmail = cmd::WxId(32821),
    kMenuLaunchSite = cmd::WxId(32822),
    kMenuDisplayNotes = cmd::WxId(32835),
    kMenuExpandAll = cmd::WxId(32818),
    kMenuCollapseAll = cmd::WxId(32817),
};

// The corners of the window's rounded outline.
constexpr double kCornerRadius = 19.0;
// How long a paste may keep the dialog from hiding while the focus finds its way back.
constexpr int kFocusBackPatienceMs = 1500;
// Keeps the dialog from hiding while a menu, a balloon or a drag is under way.
class HoldOpen {
  public:
    explicit HoldOpen(int& count) : count_(count) { ++count_; }
    ~HoldOpen() { --count_; }
    HoldOpen(const HoldOpen&) = delete;
    HoldOpen& operator=(const HoldOpen&) = delete;

  private:
    int& count_;
};

// How long after losing the activation the dialog looks again before it hides.
constexpr int kSettleMs = 150;

}  // namespace

CQuickAccessDlg::CQuickAccessDlg(CAppContext& context, QuickAccessServices services)
    : CDialogBase(nullptr, kDialogId, "Vaultkeep",
                  wxBORDER_NONE | wxSTAY_ON_TOP | wxFRAME_SHAPED | wxFRAME_NO_TASKBAR |
                      wxFRAME_TOOL_WINDOW),
      context_(context),
      services_(std::move(services)),
      model_(context.store, context.settings),
      focusBackTimer_(this),
      hideCheck_(this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetClientSize(kWidth, kHeight);
    MakeControls();
    ApplyTransparency();
    ApplySkin();

    wxGraphicsPath outline = wxGraphicsRenderer::GetDefaultRenderer()->CreatePath();
    outline.AddRoundedRectangle(0, 0, kWidth, kHeight, kCornerRadius);
    SetShape(outline);

    RebuildNow();
    PlaceBeside(std::nullopt);

    Bind(wxEVT_ACTIVATE, &CQuickAccessDlg::OnActivate, this);
    Bind(wxEVT_CHAR_HOOK, &CQuickAccessDlg::OnCharHook, this);
    Bind(wxEVT_PAINT, &CQuickAccessDlg::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CQuickAccessDlg::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &CQuickAccessDlg::OnMouse, this);
    Bind(wxEVT_MOTION, &CQuickAccessDlg::OnMouse, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { dragging_ = false; });
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { awaitingFocus_ = busy_ = false; },
        focusBackTimer_.GetId());
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { HideIfDeactivated(); }, hideCheck_.GetId());
    // Escape and the window manager's close only hide it.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { HideDialog(); });
}

CQuickAccessDlg::~CQuickAccessDlg() {
    focusBackTimer_.Stop();
    hideCheck_.Stop();
}

void CQuickAccessDlg::MakeControls() {
    tree_ = new CQuickAccessTreeCtrl(this, kTreeId, wxPoint(14, 47), wxSize(187 - 14, 229 - 47));
    images_ = std::make_unique<wxImageList>(16, 16, true, 2 + art::kColumnIconCount);
    images_->Add(art::FolderBitmap());
    images_->Add(art::OpenFolderBitmap());
    for (int i = 0; i < art::kColumnIconCount; ++i)
        images_->Add(art::ArtworkById(kColumnIconTable[static_cast<std::size_t>(i)]));
    tree_->SetImageList(images_.get());

    auto button = [this](int id, int left, const char* tip) {
        auto* b = new wxBitmapButton(this, id, wxBitmap(24, 24), wxPoint(left, 16), wxSize(24, 24),
                                     wxBORDER_NONE);
        // The tree keeps the keyboard: buttons are for the mouse.
        b->SetCanFocus(false);
        if (tip) b->SetToolTip(tip);
        return b;
    };
    pin_ = button(kPinId, 8, nullptr);
    copy_ = button(kCopyId, 36, msg::kCopyTip);
    paste_ = button(kPasteId, 63, msg::kPasteTip);
    editor_ = button(kEditorId, 90, msg::kEditorTip);
    search_ = button(kSearchId, 117, msg::kSearchTip);
    close_ = button(kCloseId, 162, msg::kCloseTip);

    auto run = [this](int id, void (CQuickAccessDlg::*command)()) {
        Bind(
            wxEVT_BUTTON,
            [this, command](wxCommandEvent&) {
                (this->*command)();
                if (IsShown()) tree_->SetFocus();
            },
            id);
    };
    run(kPinId, &CQuickAccessDlg::TogglePin);
    run(kCopyId, &CQuickAccessDlg::Copy);
    run(kPasteId, &CQuickAccessDlg::Paste);
    run(kEditorId, &CQuickAccessDlg::OpenInEditor);
    run(kSearchId, &CQuickAccessDlg::Search);
    run(kCloseId, &CQuickAccessDlg::HideDialog);

    tree_->Bind(wxEVT_SET_FOCUS, &CQuickAccessDlg::OnTreeFocus, this);
    tree_->Bind(wxEVT_RIGHT_DOWN, &CQuickAccessDlg::OnTreeRightDown, this);
    tree_->Bind(wxEVT_TREE_ITEM_ACTIVATED, &CQuickAccessDlg::OnItemActivated, this);
    tree_->Bind(wxEVT_TREE_BEGIN_DRAG, &CQuickAccessDlg::OnBeginDrag, this);
}

void CQuickAccessDlg::PlaceBeside(const std::optional<ScreenRect>& dock) {
    const wxPoint probe = dock ? wxPoint(dock->left, dock->top) : wxGetMousePosition();
    const wxDisplay display = DisplayOrFirst(wxDisplay::GetFromPoint(probe));
    const ScreenPoint at =
        PlaceQuickAccessBeside(dock, ScreenRectOf(display.GetGeometry()),
                               ScreenRectOf(display.GetClientArea()), kWidth, kHeight);
    Move(at.x, at.y);
}

void CQuickAccessDlg::KeepInSight(wxWindow& window) const {
    const wxDisplay display = DisplayOrFirst(wxDisplay::GetFromWindow(this));
    const wxSize size = window.GetSize();
    const ScreenPoint at = PlaceBesideQuickAccess(
        ScreenRectOf(GetScreenRect()), ScreenRectOf(display.GetClientArea()), size.x, size.y);
    window.Move(at.x, at.y);
}

void CQuickAccessDlg::ShowInFront() {
    dialogShown_ = true;
    if (refreshPending_) RebuildNow();
    Show();
    Raise();
    if (!tree_->GetSelection().IsOk() && !model_.TopLevel().empty())
        tree_->SelectItem(tree_->ItemOf(model_.TopLevel().front()));
    tree_->SetFocus();
    // A window manager may keep the focus where it was for a window that merely appears:
    // once the window is on screen, ask for the focus as a user's click would.
    CallAfter([this] {
        if (IsShown()) TakeFocusBack();
    });
}

void CQuickAccessDlg::HideDialog() {
    dialogShown_ = false;
    hideCheck_.Stop();
    // The notes go with the dialog: they must not stay on screen once it is out of sight.
    if (notes_) notes_->Close();
    Hide();
}

void CQuickAccessDlg::RequestRefresh() {
    refreshPending_ = true;
    tree_->CollapseAllItems();
}

void CQuickAccessDlg::RebuildNow() {
    refreshPending_ = false;
    // The selection survives the rebuild where its folder, record and field still exist.
    const int selected = tree_->NodeOf();
    std::optional<QuickItemData> keep;
    if (model_.IsValid(selected) && model_.At(selected).hasData) keep = model_.At(selected).data;
    model_.Build(context_.tree);
    tree_->Fill(model_);
    const int again = keep ? model_.Find(*keep) : CQuickAccessTree::kNone;
    if (again != CQuickAccessTree::kNone)
        tree_->SelectNode(again);
    else if (!model_.TopLevel().empty())
        tree_->SelectItem(tree_->ItemOf(model_.TopLevel().front()));
}

void CQuickAccessDlg::ApplyTransparency() {
    if (CanSetTransparent())
        SetTransparent(static_cast<wxByte>(std::min(context_.settings.transparency, 255u)));
}

void CQuickAccessDlg::ApplySkin() {
    const bool skinned = context_.settings.skinDialog;
    background_ = art::QuickAccessBackground(skinned);
    const std::pair<wxBitmapButton*, art::QuickButton> buttons[] = {
        {search_, art::QuickButton::kSearch},
        {copy_, art::QuickButton::kCopy},
        {paste_, art::QuickButton::kPaste},
        {editor_, art::QuickButton::kEditor},
        {close_, art::QuickButton::kClose}};
    for (const auto& [button, which] : buttons) {
        const std::vector<wxBitmap> pictures = art::QuickAccessButton(which, skinned);
        button->SetBitmap(pictures[0]);
        button->SetBitmapPressed(pictures.size() > 1 ? pictures[1] : pictures[0]);
        if (pictures.size() > 2) button->SetBitmapCurrent(pictures[2]);
    }
    ApplyPinImage();
    if (IsShown()) Refresh();
}

void CQuickAccessDlg::ApplyPinImage() {
    pin_->Hide();
    pin_->SetBitmap(art::PinBitmap(context_.settings.pinTrayDlg));
    pin_->Show();
}

std::string CQuickAccessDlg::SelectedValue() const {
    return model_.ValueText(tree_->NodeOf());
}

std::string CQuickAccessDlg::SelectedRecordField(int field) const {
    return model_.RecordField(tree_->NodeOf(), field);
}

void CQuickAccessDlg::SearchNext(const std::string& text) {
    if (text.empty()) return;
    const int found = model_.FindNext(text, tree_->NodeOf(), context_.settings.searchOptions);
    if (found == CQuickAccessTree::kNone) {
        context_.prompt.ShowMessage(msg::kSearchNotFound, MessageButtons::kOk,
                                    MessageIcon::kDefault);
        return;
    }
    tree_->SelectNode(found);
}

void CQuickAccessDlg::Copy() {
    if (tree_->NodeOf() == CQuickAccessTree::kNone) return;
    context_.clipboard.CopyText(SelectedValue(), context_.prompt);
}

void CQuickAccessDlg::Paste() {
    if (!services_.paste) return;
    busy_ = true;
    services_.paste->Paste(SelectedValue(), context_.settings.sendTab);
    TakeFocusBack();
    SetBusyUntilFocusReturns();
}

void CQuickAccessDlg::TakeFocusBack() {
    if (!IsShown()) return;
    Raise();
    if (services_.desktop) services_.desktop->Activate(NativeWindowId(this));
    tree_->SetFocus();
}

void CQuickAccessDlg::SetBusyUntilFocusReturns() {
    // The toolkit reports the lost and regained activation only later, from its queue: until
    // the dialog hears that it is active again, the target's activation is no reason to hide.
    awaitingFocus_ = true;
    focusBackTimer_.StartOnce(kFocusBackPatienceMs);
}

void CQuickAccessDlg::LaunchSite() {
    const std::string url = SelectedRecordField(kUrl);
    if (!url.empty()) services_.launch(url);
}

void CQuickAccessDlg::LaunchEmail() {
    const std::string email = SelectedRecordField(kEmail);
    if (!email.empty()) services_.launch("mailto:" + email);
}

void CQuickAccessDlg::DisplayNotes() {
    const std::string notes = SelectedRecordField(kNotes);
    const wxTreeItemId item = tree_->GetSelection();
    if (notes.empty() || !item.IsOk()) return;
    wxRect text;
    tree_->GetBoundingRect(item, text, true);
    // Making the balloon runs the toolkit's events, and it may take the activation.
    const HoldOpen hold(holdOpen_);
    if (notes_) notes_->Close();
    notes_ = CBalloonHelpWnd::Create(this, msg::kNotesTitle, notes,
                                     tree_->ClientToScreen(text.GetTopLeft()), art::NotesIcon(),
                                     balloon::kNotesOptions);
    notes_->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& e) {
        if (e.GetEventObject() == notes_) notes_ = nullptr;
        e.Skip();
    });
    notes_->ShowWithoutActivating();
}

void CQuickAccessDlg::OpenInEditor() {
    services_.showEditor();
    const int node = tree_->NodeOf();
    if (!model_.IsValid(node) || !model_.At(node).hasData) return;
    const QuickItemData& d = model_.At(node).data;
    context_.jumpToRecord(d.folderIndex, d.recordIndex, d.slot);
}

void CQuickAccessDlg::Search() {
    if (searching_) return;
    searching_ = busy_ = true;
    {
        CSearchDlg search(this, SearchMode::kQuickAccess, context_.store.itemHistory,
                          context_.settings.searchOptions);
        search.findNext = [this](const std::string& text) { SearchNext(text); };
        KeepInSight(search);
        search.ShowModal();
    }
    searching_ = false;
    TakeFocusBack();
    SetBusyUntilFocusReturns();
}

void CQuickAccessDlg::TogglePin() {
    context_.settings.pinTrayDlg = !context_.settings.pinTrayDlg;
    ApplyPinImage();
}

std::unique_ptr<wxMenu> CQuickAccessDlg::BuildItemMenu() const {
    auto menu = std::make_unique<wxMenu>();
    menu->Append(kMenuCopy, "&Copy to clipboard");
    menu->Append(kMenuPaste, "&Paste to application");
    menu->AppendSeparator();
    menu->Append(kMenuLaunchEmail, "Launch &email")->Enable(!SelectedRecordField(kEmail).empty());
    menu->Append(kMenuLaunchSite, "Launch &site")->Enable(!SelectedRecordField(kUrl).empty());
    menu->Append(kMenuDisplayNotes, "&Display notes")->Enable(!SelectedRecordField(kNotes).empty());
    menu->AppendSeparator();
    menu->Append(kMenuExpandAll, "&Expand all");
    menu->Append(kMenuCollapseAll, "Co&llapse all");
    return menu;
}

void CQuickAccessDlg::RunMenuCommand(int id) {
    switch (id) {
        case kMenuCopy:
            Copy();
            break;
        case kMenuPaste:
            Paste();
            break;
        case kMenuLaunchEmail:
            LaunchEmail();
            break;
        case kMenuLaunchSite:
            LaunchSite();
            break;
        case kMenuDisplayNotes:
            DisplayNotes();
            break;
        case kMenuExpandAll:
            tree_->ExpandAll();
            break;
        case kMenuCollapseAll:
            tree_->CollapseAllItems();
            break;
        default:
            return;
    }
    if (IsShown()) tree_->SetFocus();
}

void CQuickAccessDlg::ShowItemMenu(const wxPoint& at) {
    std::unique_ptr<wxMenu> menu = BuildItemMenu();
    const HoldOpen hold(holdOpen_);  // the menu takes the keyboard for a while
    const int id = tree_->GetPopupMenuSelectionFromUser(*menu, at);
    if (id != wxID_NONE) RunMenuCommand(id);
}

void CQuickAccessDlg::OnTreeRightDown(wxMouseEvent& event) {
    int flags = 0;
    const wxTreeItemId item = tree_->HitTest(event.GetPosition(), flags);
    if (!item.IsOk() || !(flags & wxTREE_HITTEST_ONITEM)) return;
    tree_->SelectItem(item);
    ShowItemMenu(event.GetPosition());
}

void CQuickAccessDlg::OnItemActivated(wxTreeEvent& event) {
    // Enter arrives through the key hook; here a double click on a field without children.
    if (context_.settings.doubleClick && event.GetItem().IsOk() &&
        !tree_->ItemHasChildren(event.GetItem()))
        Paste();
    event.Skip();  // the tree still expands or collapses the item
}

void CQuickAccessDlg::OnBeginDrag(wxTreeEvent& event) {
    const std::string text = model_.ValueText(tree_->NodeOf(event.GetItem()));
    if (text.empty()) return;
    wxTextDataObject data(ToWx(text));
    wxDropSource source(data, tree_);
    const HoldOpen hold(holdOpen_);
    source.DoDragDrop(wxDrag_AllowMove);
}

void CQuickAccessDlg::OnTreeFocus(wxFocusEvent& event) {
    if (refreshPending_) RebuildNow();
    event.Skip();
}

void CQuickAccessDlg::OnActivate(wxActivateEvent& event) {
    event.Skip();
    if (event.GetActive()) {
        hideCheck_.Stop();
        if (awaitingFocus_) {
            awaitingFocus_ = busy_ = false;
            focusBackTimer_.Stop();
        }
        return;
    }
    // Menus, balloons and the toolkit's own windows take the activation for a moment, some
    // while they are still being made: decide once things have settled.
    if (!busy_) hideCheck_.StartOnce(kSettleMs);
}

void CQuickAccessDlg::HideIfDeactivated() {
    // A window manager that hands the activation to the notes balloon has not taken it away
    // from the dialog; another program that takes it has.
    const bool notesActive = notes_ && notes_->IsShown() && notes_->IsActive();
    if (IsActive() || context_.settings.pinTrayDlg || busy_ || holdOpen_ > 0 ||
        services_.trayMenuOpen() || !dialogShown_ || notesActive)
        return;
    HideDialog();
}

void CQuickAccessDlg::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE) {
        HideDialog();
    } else if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        Paste();
    } else if (event.GetModifiers() == wxMOD_CONTROL && (key == 'C' || key == 'c')) {
        Copy();
    } else if (key == WXK_MENU || key == WXK_WINDOWS_MENU ||
               (key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)) {
        wxRect text;
        const wxTreeItemId item = tree_->GetSelection();
        if (item.IsOk() && tree_->GetBoundingRect(item, text, true))
            ShowItemMenu(text.GetBottomLeft());
    } else {
        event.Skip();
    }
}

void CQuickAccessDlg::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (background_.IsOk()) dc.DrawBitmap(background_, 0, 0, true);
}

void CQuickAccessDlg::OnMouse(wxMouseEvent& event) {
    // The whole background works as a title bar: it drags the window.
    if (event.LeftDown()) {
        dragging_ = true;
        dragOffset_ = ClientToScreen(event.GetPosition()) - GetPosition();
        CaptureMouse();
    } else if (event.LeftUp() && dragging_) {
        dragging_ = false;
        if (HasCapture()) ReleaseMouse();
    } else if (event.Dragging() && dragging_) {
        Move(ClientToScreen(event.GetPosition()) - dragOffset_);
    }
}

}  // namespace vk
