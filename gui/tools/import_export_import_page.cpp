#include <wx/artprov.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "core/tools/export_csv.h"
#include "core/tools/export_import_messages.h"
#include "core/tools/import_csv.h"
#include "gui/app/app_context.h"
#include "gui/tools/import_export_pages.h"
#include "gui/tools/import_export_tree.h"
#include "gui/ui/wx_text.h"

namespace vk {

// The arrows' pictures: "<-" and "->", and "^" and "v" both for an import order with entries
// and, greyed, for an empty one. They live as long as the page.
struct CImportPage::ArrowImages {
    wxBitmap add, remove, up, down, upEmpty, downEmpty;
};

namespace {

struct Arrow {
    int id;
    const char* text;
    const char* tip;
};
constexpr Arrow kArrows[] = {{kIdAddArrow, "<-", "Add the field to the import order"},
                             {kIdRemoveArrow, "->", "Take the entry out of the import order"},
                             {kIdUpArrow, "^", "Move the entry up"},
                             {kIdDownArrow, "v", "Move the entry down"}};

// The desktop's arrow in one of the system's colours on a transparent background, so that
// it reads as the button's text does (icon themes often draw arrows in a pale grey).
wxBitmap ArrowPicture(const wxArtID& id, wxSystemColour colour) {
    wxImage image = wxArtProvider::GetBitmap(id, wxART_BUTTON, wxSize(16, 16)).ConvertToImage();
    if (!image.IsOk() || !(image.HasAlpha() || image.HasMask())) return wxBitmap(image);
    if (!image.HasAlpha()) image.InitAlpha();
    const wxColour ink = wxSystemSettings::GetColour(colour);
    unsigned char* rgb = image.GetData();
    for (int i = 0, n = image.GetWidth() * image.GetHeight(); i < n; ++i, rgb += 3) {
        rgb[0] = ink.Red();
        rgb[1] = ink.Green();
        rgb[2] = ink.Blue();
    }
    return wxBitmap(image);
}

void Fill(wxListBox* list, const std::vector<CImportOrderLists::Entry>& entries, int selection) {
    wxArrayString names;
    for (const auto& e : entries) names.Add(ToWx(e.name));
    list->Set(names);
    if (selection >= 0) list->SetSelection(selection);
}

}  // namespace

CImportPage::CImportPage(wxWindow* parent, CAppContext& context, const ExchangeFilePicker& pickFile)
    : wxPanel(parent, 250),
      context_(context),
      pickFile_(pickFile),
      lists_(context.settings.columnNames),
      images_(std::make_shared<ArrowImages>()) {
    const int gap = FromDIP(6);
    images_->add = ArrowPicture(wxART_GO_BACK, wxSYS_COLOUR_BTNTEXT);
    images_->remove = ArrowPicture(wxART_GO_FORWARD, wxSYS_COLOUR_BTNTEXT);
    images_->up = ArrowPicture(wxART_GO_UP, wxSYS_COLOUR_BTNTEXT);
    images_->down = ArrowPicture(wxART_GO_DOWN, wxSYS_COLOUR_BTNTEXT);
    images_->upEmpty = ArrowPicture(wxART_GO_UP, wxSYS_COLOUR_GRAYTEXT);
    images_->downEmpty = ArrowPicture(wxART_GO_DOWN, wxSYS_COLOUR_GRAYTEXT);

    auto* folder = new wxStaticBoxSizer(wxVERTICAL, this, msg::kImportFolderFrame);
    tree_ = new CCheckFolderTree(folder->GetStaticBox(), kIdFolderTree, true);
    tree_->SetMinSize(FromDIP(wxSize(200, 240)));
    folder->Add(tree_, 1, wxEXPAND | wxALL, gap);

    auto* orderColumn = new wxBoxSizer(wxVERTICAL);
    orderColumn->Add(new wxStaticText(this, wxID_ANY, msg::kImportOrderList));
    orderList_ = new wxListBox(this, kIdOrderList, wxDefaultPosition, FromDIP(wxSize(150, 240)));
    orderColumn->Add(orderList_, 1, wxEXPAND | wxTOP, gap);

    auto* arrowColumn = new wxBoxSizer(wxVERTICAL);
    arrowColumn->AddStretchSpacer();
    for (std::size_t i = 0; i < arrows_.size(); ++i) {
        arrows_[i] = new wxBitmapButton(this, kArrows[i].id, images_->add);
        arrows_[i]->SetLabel(kArrows[i].text);
        arrows_[i]->SetToolTip(kArrows[i].tip);
        arrows_[i]->Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { Press(e.GetId()); });
        arrowColumn->Add(arrows_[i], 0, wxALL, gap / 2);
    }
    arrows_[1]->SetBitmap(images_->remove);
    arrowColumn->AddStretchSpacer();

    auto* fieldColumn = new wxBoxSizer(wxVERTICAL);
    fieldColumn->Add(new wxStaticText(this, wxID_ANY, msg::kImportFieldList));
    fieldList_ = new wxListBox(this, kIdFieldList, wxDefaultPosition, FromDIP(wxSize(150, 240)));
    fieldColumn->Add(fieldList_, 1, wxEXPAND | wxTOP, gap);

    orderList_->Bind(wxEVT_LISTBOX,
                     [this](wxCommandEvent&) { lists_.SelectOrder(orderList_->GetSelection()); });
    fieldList_->Bind(wxEVT_LISTBOX,
                     [this](wxCommandEvent&) { lists_.SelectField(fieldList_->GetSelection()); });
    // A double click moves an entry across, as the arrow beside it would.
    orderList_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Press(kIdRemoveArrow); });
    fieldList_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Press(kIdAddArrow); });

    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(orderColumn, 1, wxEXPAND);
    lists->Add(arrowColumn, 0, wxEXPAND | wxLEFT | wxRIGHT, gap);
    lists->Add(fieldColumn, 1, wxEXPAND);

    skipLines_ = new wxCheckBox(this, kIdSkipLines, msg::kSkipImportLines);
    skipLines_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { Press(kIdSkipLines); });
    skipCount_ = new wxSpinCtrl(this, kIdSkipCount, "0", wxDefaultPosition, wxDefaultSize,
                                wxSP_ARROW_KEYS, 0, kMaxSkipLines, 0);
    importButton_ = new wxButton(this, kIdFileButton, msg::kImportFileButton);
    importButton_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ImportFile(); });
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(skipLines_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
    bottom->Add(skipCount_, 0, wxALIGN_CENTER_VERTICAL);
    bottom->AddStretchSpacer();
    bottom->Add(importButton_, 0, wxALIGN_CENTER_VERTICAL);

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(lists, 1, wxEXPAND);
    right->Add(bottom, 0, wxEXPAND | wxTOP, gap * 2);
    auto* page = new wxBoxSizer(wxHORIZONTAL);
    page->Add(folder, 1, wxEXPAND | wxALL, gap);
    page->Add(right, 1, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, gap);
    SetSizer(page);

    tree_->Fill(context_.tree);
    ShowLists();
    UpdateControls();
}

wxBitmapButton* CImportPage::Arrow(int id) {
    for (std::size_t i = 0; i < arrows_.size(); ++i)
        if (kArrows[i].id == id) return arrows_[i];
    return nullptr;
}

void CImportPage::Press(int id) {
    switch (id) {
        case kIdAddArrow:
            lists_.Add();
            break;
        case kIdRemoveArrow:
            lists_.Remove();
            break;
        case kIdUpArrow:
            lists_.MoveUp();
            break;
        case kIdDownArrow:
            lists_.MoveDown();
            break;
        case kIdSkipLines:
            break;
        default:
            return;
    }
    ShowLists();
    UpdateControls();
}

void CImportPage::ShowLists() {
    Fill(fieldList_, lists_.Fields(), lists_.FieldSelection());
    Fill(orderList_, lists_.Order(), lists_.OrderSelection());
}

void CImportPage::UpdateControls() {
    importButton_->Enable(lists_.HasOrder());
    fullArrows_ = lists_.HasOrder();
    Arrow(kIdUpArrow)->SetBitmap(fullArrows_ ? images_->up : images_->upEmpty);
    Arrow(kIdDownArrow)->SetBitmap(fullArrows_ ? images_->down : images_->downEmpty);
    skipCount_->Enable(skipLines_->GetValue());
}

bool CImportPage::ImportFile() {
    // The first ticked folder in the order export walks the tree.
    const auto ticked = tree_->TickedFolders(context_.store.folders.size());
    int folder = -1;
    for (const CFolderTree::Node* node : ExportWalkOrder(context_.tree)) {
        if (node->folderIndex >= 0 && static_cast<std::size_t>(node->folderIndex) < ticked.size() &&
            ticked[static_cast<std::size_t>(node->folderIndex)]) {
            folder = node->folderIndex;
            break;
        }
    }
    if (folder < 0) {
        context_.prompt.ShowError(msg::kSelectImportFolder);
        return false;
    }
    const auto path = pickFile_(this, ExchangeFile::kImport);
    if (!path) return false;
    ImportChoice choice{lists_.ImportOrder(), skipLines_->GetValue() ? skipCount_->GetValue() : 0};
    if (!ImportIntoFolder(context_.store, folder, context_.fs, context_.prompt, context_.dates,
                          *path, choice))
        return false;
    imported_ = true;
    return true;
}

}  // namespace vk
