#include "gui/tools/import_export_sheet.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "core/shell/shell_messages.h"
#include "core/shell/text_format.h"
#include "core/tools/export_import_messages.h"
#include "gui/app/app_context.h"
#include "gui/tools/import_export_pages.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// Help topics of the pages.
constexpr int kExportHelpContext = 1018;
constexpr int kImportHelpContext = 1012;

// "*.*" asks for a dot in the name everywhere but on Windows.
#ifdef __WXMSW__
constexpr char kAllFilesPattern[] = "*.*";
#else
constexpr char kAllFilesPattern[] = "*";
#endif

}  // namespace

std::optional<std::string> PickExchangeFile(wxWindow* parent, ExchangeFile kind,
                                            const std::string& programFolder) {
    const bool exporting = kind == ExchangeFile::kExport;
    const char* name = exporting ? msg::kExportFilterName : msg::kImportFilterName;
    std::string filter =
        FormatText(msg::kFileFilterFormat, name, msg::kCsvExtension, msg::kCsvExtension);
    if (exporting) filter += msg::kTextFilesFilter;
    filter += std::string(msg::kAllFilesFilterName) + "|" + kAllFilesPattern;
    wxFileDialog picker(
        parent, exporting ? msg::kExportFileTitle : msg::kImportFileTitle, ToWx(programFolder), "",
        ToWx(filter),
        exporting ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (picker.ShowModal() != wxID_OK || picker.GetPath().empty()) return std::nullopt;
    return FromWx(picker.GetPath());
}

CImportExportPropSheet::CImportExportPropSheet(wxWindow* parent, CAppContext& context, Page first)
    : CDialogBase(parent, wxID_ANY, msg::kImportExportCaption,
                  wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      context_(context) {
    pickFile = [this](wxWindow* window, ExchangeFile kind) {
        return PickExchangeFile(window, kind, context_.programFolder);
    };
    tabs_ = new wxNotebook(this, wxID_ANY);
    export_ = new CExportPage(tabs_, context_, pickFile);
    import_ = new CImportPage(tabs_, context_, pickFile);
    tabs_->AddPage(export_, msg::kExportTab, first == kExportPage);
    tabs_->AddPage(import_, msg::kImportTab, first == kImportPage);
    tabs_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& e) {
        SetHelpContext();
        e.Skip();
    });
    SetHelpContext();
    // Ctrl+Tab and Ctrl+Page Down (with Shift, or Page Up, backwards) turn the page from any
    // control, also from the trees, which keep Page Down for themselves.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        const int key = e.GetKeyCode();
        const bool turn = e.GetModifiers() & wxMOD_CONTROL &&
                          (key == WXK_TAB || key == WXK_PAGEDOWN || key == WXK_PAGEUP);
        if (!turn) {
            e.Skip();
            return;
        }
        tabs_->AdvanceSelection(key == WXK_PAGEDOWN || (key == WXK_TAB && !e.ShiftDown()));
    });

    // No OK and no Apply: every page acts through its own buttons.
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_CANCEL, msg::kSheetClose));
    SetEscapeId(wxID_CANCEL);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(tabs_, 1, wxEXPAND);
    LayOut(content, buttons);
}

CImportExportPropSheet::~CImportExportPropSheet() = default;

bool CImportExportPropSheet::Imported() const {
    return import_->Imported();
}

void CImportExportPropSheet::SetHelpContext() {
    SetHelpTopic(tabs_->GetCurrentPage() == import_ ? kImportHelpContext : kExportHelpContext);
}

CExportWarningDlg::CExportWarningDlg(wxWindow* parent)
    : CDialogBase(parent, 278, msg::kExportWarningCaption) {
    auto* frame = new wxStaticBoxSizer(wxVERTICAL, this, msg::kExportWarningFrame);
    auto* complete = new wxStaticText(frame->GetStaticBox(), wxID_ANY, msg::kExportComplete);
    complete->SetFont(complete->GetFont().Bold());
    auto* text = new wxStaticText(frame->GetStaticBox(), wxID_ANY, msg::kExportWarning);
    text->Wrap(FromDIP(320));
    frame->Add(complete, 0, wxALL, Gap());
    frame->Add(text, 0, wxALL, Gap());
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, art::ProgramIcon(32)), 0, wxRIGHT, Padding());
    row->Add(frame, 1, wxEXPAND);
    LayOut(row, MakeButtons(wxOK));
}

}  // namespace vk
