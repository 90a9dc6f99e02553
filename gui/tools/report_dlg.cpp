#include "gui/tools/report_dlg.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/imaglist.h>
#include <wx/printdlg.h>
#include <wx/renderer.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/shell/clock.h"
#include "core/shell/date_text.h"
#include "core/shell/file_names.h"
#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "gui/app/app_context.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/tools/report_printout.h"
#include "gui/ui/message_box.h"
#include "gui/ui/wait_cursor.h"
#include "gui/ui/wx_text.h"
#include "platform/pdf/report_pdf.h"
#include "platform/posix_file_system.h"

namespace vk {
namespace {

enum : int {
    kTreeId = 1089,
    kAllFoldersId = 1090,
    kNoFoldersId = 1091,
    kPasswordsId = 2002,
    kUrlsId = 2011,
    kEmailsId = 2012,
    kCommentsId = 2013,
    kHeadingId = 1102,
    kAllItemsId = 1103,
    kNoItemsId = 1104,
    kBarsId = 1105,
    kPrintId = 2150,
    kExpiredId = 2151,
    kPageBreakId = 4016,
    kFontSizeId = 10630,
    kPreviewId = 2152,
    kSavePdfId = 2153,
};
constexpr int kUnticked = 0;
constexpr int kTicked = 1;

// Cleared and ticked check boxes as the tree's state images, drawn the desktop's way.
wxImageList* CheckBoxImages(wxWindow* window) {
    const wxSize size = window->FromDIP(wxSize(16, 16));
    auto* images = new wxImageList(size.x, size.y, true);
    for (int flags : {0, static_cast<int>(wxCONTROL_CHECKED)}) {
        wxBitmap bitmap(size);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(window->GetBackgroundColour());
            dc.Clear();
            wxRendererNative::Get().DrawCheckBox(window, dc, wxRect(size), flags);
        }
        images->Add(bitmap);
    }
    return images;
}

wxCheckBox* AddCheckBox(wxWindow* parent, wxSizer* sizer, int id, const char* label, bool value) {
    auto* box = new wxCheckBox(parent, id, label);
    box->SetValue(value);
    sizer->Add(box, 0, wxBOTTOM, parent->FromDIP(4));
    return box;
}

}  // namespace

CReportDlg::CReportDlg(wxWindow* parent, CAppContext& context, IDateClock& clock)
    : CDialogBase(parent, 206, msg::kReportCaption), context_(context), clock_(clock) {
    model_.BuildFrom(context_.store);
    CFolderTree::ExpandAll(model_.First());
    selection_ = std::make_unique<CReportSelection>(model_);
    context_.report.heading = ReportHeadingFor(context_.store.filePath);

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(MakeFolderGroup(), 1, wxEXPAND | wxRIGHT, Padding());
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(MakeItemGroup(), 0, wxEXPAND | wxBOTTOM, Padding());
    right->Add(MakeOptionGroup(), 0, wxEXPAND);
    columns->Add(right, 0, wxEXPAND);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, kPrintId, "Print report"), 0, wxRIGHT, Gap());
    buttons->Add(new wxButton(this, kPreviewId, "Preview..."), 0, wxRIGHT, Gap());
    buttons->Add(new wxButton(this, kSavePdfId, "Save as PDF..."), 0, wxRIGHT, Gap());
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_CANCEL, "Close"));
    LayOut(columns, buttons);

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Print(); }, kPrintId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Preview(); }, kPreviewId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { SaveAsPdf(); }, kSavePdfId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndWith(wxID_CANCEL); }, wxID_CANCEL);
}

CReportDlg::~CReportDlg() = default;

wxSizer* CReportDlg::MakeFolderGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Select folders for report");
    tree_ = new CFolderTreeCtrl(group->GetStaticBox(), kTreeId);
    tree_->SetMinSize(FromDIP(wxSize(240, 280)));
    tree_->AssignStateImageList(CheckBoxImages(tree_));
    tree_->Fill(model_);
    MapItems();
    ShowTicks();
    wxTreeItemIdValue cookie;
    const wxTreeItemId first = tree_->GetFirstChild(tree_->GetRootItem(), cookie);
    if (first.IsOk()) tree_->SelectItem(first);
    group->Add(tree_, 1, wxEXPAND | wxALL, Gap());

    tree_->Bind(wxEVT_TREE_STATE_IMAGE_CLICK, [this](wxTreeEvent& e) {
        const wxTreeItemId item = e.GetItem();
        // Read once the tree has finished with the click.
        CallAfter([this, item] { ToggleFolder(item); });
    });
    tree_->Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, [](wxTreeEvent& e) { e.Veto(); });
    tree_->Bind(wxEVT_TREE_KEY_DOWN, [this](wxTreeEvent& e) {
        if (e.GetKeyCode() == WXK_SPACE && tree_->GetSelection().IsOk())
            ToggleFolder(tree_->GetSelection());
        else
            e.Skip();
    });

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* all = new wxButton(group->GetStaticBox(), kAllFoldersId, "Select all");
    auto* none = new wxButton(group->GetStaticBox(), kNoFoldersId, "Select none");
    buttons->Add(all, 0, wxRIGHT, Gap());
    buttons->Add(none);
    group->Add(buttons, 0, wxALL, Gap());
    all->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        selection_->TickAll(true);
        ShowTicks();
    });
    none->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        selection_->TickAll(false);
        ShowTicks();
    });
    return group;
}

wxSizer* CReportDlg::MakeItemGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Include these items in the report");
    wxWindow* box = group->GetStaticBox();
    auto* boxes = new wxBoxSizer(wxVERTICAL);
    passwords_ = AddCheckBox(box, boxes, kPasswordsId, "Passwords", false);
    urls_ = AddCheckBox(box, boxes, kUrlsId, "Web address or program", false);
    emails_ = AddCheckBox(box, boxes, kEmailsId, "Email address", false);
    comments_ = AddCheckBox(box, boxes, kCommentsId, "Comments", false);
    group->Add(boxes, 0, wxALL, Gap());
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* all = new wxButton(box, kAllItemsId, "Select all");
    auto* none = new wxButton(box, kNoItemsId, "Select none");
    buttons->Add(all, 0, wxRIGHT, Gap());
    buttons->Add(none);
    group->Add(buttons, 0, wxALL, Gap());
    auto setAll = [this](bool value) {
        for (wxCheckBox* b : {passwords_, urls_, emails_, comments_}) b->SetValue(value);
    };
    all->Bind(wxEVT_BUTTON, [setAll](wxCommandEvent&) { setAll(true); });
    none->Bind(wxEVT_BUTTON, [setAll](wxCommandEvent&) { setAll(false); });
    return group;
}

wxSizer* CReportDlg::MakeOptionGroup() {
    CReportSettings& report = context_.report;
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Report options");
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, Gap(), Gap());
    grid->AddGrowableCol(1);
    grid->Add(new wxStaticText(box, wxID_ANY, "Report heading:"), 0, wxALIGN_CENTER_VERTICAL);
    heading_ = new wxTextCtrl(box, kHeadingId, ToWx(report.heading));
    heading_->SetMinSize(FromDIP(wxSize(220, -1)));
    grid->Add(heading_, 1, wxEXPAND);
    grid->Add(new wxStaticText(box, wxID_ANY, "Report font size:"), 0, wxALIGN_CENTER_VERTICAL);
    wxArrayString sizes;
    for (int size : kReportListedFontSizes) sizes.Add(wxString::Format("%u", size));
    fontSize_ = new wxComboBox(box, kFontSizeId,
                               wxString::Format("%d", ReportFontSizeOrDefault(report.fontSize)),
                               wxDefaultPosition, wxDefaultSize, sizes);
    grid->Add(fontSize_, 0);
    group->Add(grid, 0, wxEXPAND | wxALL, Gap());

    auto* boxes = new wxBoxSizer(wxVERTICAL);
    const struct {
        int id;
        const char* label;
        bool* setting;
    } options[] = {{kExpiredId, "Print expired passwords only", &report.expiredOnly},
                   {kBarsId, "Print report bars", &report.bars},
                   {kPageBreakId, "Page break after each top level folder", &report.pageBreak}};
    for (const auto& o : options) {
        wxCheckBox* check = AddCheckBox(box, boxes, o.id, o.label, *o.setting);
        bool* setting = o.setting;
        check->Bind(wxEVT_CHECKBOX, [setting](wxCommandEvent& e) { *setting = e.IsChecked(); });
    }
    group->Add(boxes, 0, wxALL, Gap());
    return group;
}

void CReportDlg::MapItems() {
    // The control holds one item per model node, added in the model's order.
    nodes_.clear();
    std::vector<const CFolderTree::Node*> order;
    model_.ForEachPreOrder([&order](CFolderTree::Node& node) { order.push_back(&node); });
    std::size_t next = 0;
    std::vector<wxTreeItemId> pending{tree_->GetRootItem()};
    while (!pending.empty()) {
        const wxTreeItemId item = pending.back();
        pending.pop_back();
        if (item != tree_->GetRootItem() && next < order.size())
            nodes_[item.GetID()] = order[next++];
        std::vector<wxTreeItemId> children;
        wxTreeItemIdValue cookie;
        for (auto c = tree_->GetFirstChild(item, cookie); c.IsOk();
             c = tree_->GetNextChild(item, cookie))
            children.push_back(c);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}

void CReportDlg::ShowTicks() {
    for (const auto& [id, node] : nodes_)
        tree_->SetItemState(wxTreeItemId(id), selection_->IsTicked(node) ? kTicked : kUnticked);
}

void CReportDlg::ToggleFolder(const wxTreeItemId& item) {
    const auto found = nodes_.find(item.GetID());
    if (found == nodes_.end()) return;
    selection_->SetTicked(found->second, !selection_->IsTicked(found->second));
    ShowTicks();
}

bool CReportDlg::IsTicked(const wxTreeItemId& item) const {
    return tree_->GetItemState(item) == kTicked;
}

ReportItems CReportDlg::Items() const {
    return ReportItems{passwords_->GetValue(), urls_->GetValue(), emails_->GetValue(),
                       comments_->GetValue()};
}

bool CReportDlg::TakeChoices() {
    if (!selection_->AnyFolderTicked(context_.store)) {
        ShowMessageBox(msg::kNoFoldersSelected);
        return false;
    }
    context_.report.heading = FromWx(heading_->GetValue());
    context_.report.fontSize = ReportFontSizeFromText(FromWx(fontSize_->GetValue()));
    return true;
}

CReportDocument CReportDlg::BuildDocument(IReportCanvas& canvas) const {
    const SystemTime now = clock_.LocalNow();
    const ReportRequest request{context_.store,
                                *selection_,
                                context_.settings,
                                Items(),
                                context_.report,
                                now,
                                FormatDate(now, kReportDatePicture, UserLocale())};
    return LayOutReport(request, canvas);
}

std::unique_ptr<CReportPrintout> CReportDlg::MakePrintout() {
    return std::make_unique<CReportPrintout>(
        [this](IReportCanvas& canvas) { return BuildDocument(canvas); });
}

void CReportDlg::Print() {
    if (!TakeChoices()) return;
    printData_.EnablePageNumbers(false);
    printData_.EnablePrintToFile(false);
    printData_.EnableSelection(false);
    wxPrintDialog ask(this, &printData_);
    if (ask.ShowModal() != wxID_OK) return;
    printData_ = ask.GetPrintDialogData();
    wxPrinter printer(&printData_);
    auto printout = MakePrintout();
    CWaitCursor wait(this);
    printer.Print(this, printout.get(), false);
}

void CReportDlg::Preview() {
    if (!TakeChoices()) return;
    auto* preview = new wxPrintPreview(MakePrintout().release(), MakePrintout().release(),
                                       &printData_.GetPrintData());
    if (!preview->IsOk()) {
        delete preview;
        return;
    }
    auto* frame = new wxPreviewFrame(preview, this, msg::kReportCaption, wxDefaultPosition,
                                     FromDIP(wxSize(800, 900)));
    frame->InitializeWithModality(wxPreviewFrame_WindowModal);
    frame->Show();
}

void CReportDlg::SaveAsPdf() {
    if (!TakeChoices()) return;
    const std::string& file = context_.store.filePath;
    std::string name = FileNamePart(file);
    const std::string folder = file.substr(0, file.size() - name.size());
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
    wxFileDialog picker(this, "Save report as PDF", ToWx(folder), ToWx(name + ".pdf"),
                        "PDF files (*.pdf)|*.pdf|All files (*)|*",
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (picker.ShowModal() != wxID_OK) return;
    const std::string path = FromWx(picker.GetPath());
    if (IsSameExistingFile(path, context_.store.filePath)) {
        ShowMessageBox(
            "The report cannot replace the password file " + context_.store.filePath + ".",
            wxOK | wxICON_EXCLAMATION);
        return;
    }
    const PaperSize paper = printData_.GetPrintData().GetPaperId() == wxPAPER_LETTER
                                ? PaperSize::kLetter
                                : PaperSize::kA4;
    FileStatus status;
    {
        CWaitCursor wait(this);
        status = WriteReportPdf(context_.fs, path, paper,
                                [this](IReportCanvas& canvas) { return BuildDocument(canvas); });
    }
    if (!status.ok())
        ShowMessageBox(FileExceptionShortText(msg::kErrorWritingFile, status.error, path),
                       wxOK | wxICON_ERROR);
}

}  // namespace vk
