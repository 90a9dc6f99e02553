#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>

#include "core/store/secure_wipe.h"
#include "core/tools/columns.h"
#include "core/tools/export_csv.h"
#include "core/tools/export_import_messages.h"
#include "gui/app/app_context.h"
#include "gui/tools/import_export_pages.h"
#include "gui/tools/import_export_tree.h"
#include "gui/ui/wx_text.h"
#include "platform/posix_file_system.h"

namespace vk {
namespace {

// The field boxes' own texts, shown where no column name is configured.
constexpr const char* kFieldBoxTexts[kFieldCount] = {
    "Description", "Username", "Password", "Software title", "Serial number", "Credit card number",
    "Bank",        "Account",  "Phone",    "Date assigned",  "Date expires",  "Web page or program",
    "Email",       "Notes"};

wxButton* AddButton(wxWindow* parent, wxSizer* sizer, int id, const char* text, int gap) {
    auto* button = new wxButton(parent, id, text);
    sizer->Add(button, 0, wxRIGHT, gap);
    return button;
}

}  // namespace

CExportPage::CExportPage(wxWindow* parent, CAppContext& context, const ExchangeFilePicker& pickFile)
    : wxPanel(parent, 249), context_(context), pickFile_(pickFile) {
    const int gap = FromDIP(6);

    auto* folders = new wxStaticBoxSizer(wxVERTICAL, this, msg::kExportFoldersFrame);
    tree_ = new CCheckFolderTree(folders->GetStaticBox(), kIdFolderTree, false);
    tree_->SetMinSize(FromDIP(wxSize(200, 240)));
    folders->Add(tree_, 1, wxEXPAND | wxALL, gap);
    auto* folderButtons = new wxBoxSizer(wxHORIZONTAL);
    AddButton(folders->GetStaticBox(), folderButtons, kIdSelectAllFolders, msg::kSelectAll, gap)
        ->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { tree_->TickAll(true); });
    AddButton(folders->GetStaticBox(), folderButtons, kIdSelectNoFolders, msg::kSelectNone, gap)
        ->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { tree_->TickAll(false); });
    folders->Add(folderButtons, 0, wxALL, gap);

    auto* items = new wxStaticBoxSizer(wxVERTICAL, this, msg::kExportItemsFrame);
    auto* grid = new wxFlexGridSizer(2, gap, FromDIP(12));
    const auto& names = context_.settings.columnNames;
    for (int field = 0; field < kFieldCount; ++field) {
        const std::string& name = names[static_cast<std::size_t>(field)];
        // A long stored name must not stretch the sheet past the screen.
        constexpr std::size_t kShownNameChars = 40;
        auto* box =
            new wxCheckBox(items->GetStaticBox(), kIdFirstField + field,
                           ToWx(LabelText(name.empty() ? kFieldBoxTexts[field]
                                                       : ShortName(name, kShownNameChars))));
        fields_[static_cast<std::size_t>(field)] = box;
    }
    // Down the first column, then down the second, in field order.
    constexpr int kRows = (kFieldCount + 1) / 2;
    for (int row = 0; row < kRows; ++row) {
        grid->Add(fields_[static_cast<std::size_t>(row)]);
        if (row + kRows < kFieldCount) grid->Add(fields_[static_cast<std::size_t>(row + kRows)]);
    }
    items->Add(grid, 0, wxALL, gap);
    auto* fieldButtons = new wxBoxSizer(wxHORIZONTAL);
    AddButton(items->GetStaticBox(), fieldButtons, kIdSelectAllFields, msg::kSelectAll, gap)
        ->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { TickFields(true); });
    AddButton(items->GetStaticBox(), fieldButtons, kIdSelectNoFields, msg::kSelectNone, gap)
        ->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { TickFields(false); });
    items->Add(fieldButtons, 0, wxALL, gap);

    auto* options = new wxStaticBoxSizer(wxHORIZONTAL, this, msg::kExportOptionsFrame);
    folderNames_ = new wxCheckBox(options->GetStaticBox(), kIdFolderNames, msg::kFolderNames);
    heading_ = new wxCheckBox(options->GetStaticBox(), kIdHeading, msg::kIncludeHeading);
    options->Add(folderNames_, 0, wxALL, gap);
    options->Add(heading_, 0, wxALL, gap);

    auto* exportButton = new wxButton(this, kIdFileButton, msg::kExportFileButton);
    exportButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ExportFile(); });

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(items, 0, wxEXPAND);
    right->Add(options, 0, wxEXPAND | wxTOP, gap);
    right->AddStretchSpacer();
    right->Add(exportButton, 0, wxALIGN_RIGHT | wxTOP, gap);
    auto* page = new wxBoxSizer(wxHORIZONTAL);
    page->Add(folders, 1, wxEXPAND | wxALL, gap);
    page->Add(right, 0, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, gap);
    SetSizer(page);

    // Every field and every folder ticked; the folder column and the heading off.
    tree_->Fill(context_.tree);
    TickFields(true);
    tree_->TickAll(true);
    folderNames_->SetValue(false);
}

void CExportPage::TickFields(bool ticked) {
    for (wxCheckBox* box : fields_) box->SetValue(ticked);
    folderNames_->SetValue(ticked);
}

bool CExportPage::ExportFile() {
    const auto path = pickFile_(this, ExchangeFile::kExport);
    if (!path) return false;
    if (IsSameExistingFile(*path, context_.store.filePath)) {
        context_.prompt.ShowMessage(msg::kExportOverPasswordFile + context_.store.filePath + ".",
                                    MessageButtons::kOk, MessageIcon::kExclamation);
        return false;
    }
    ExportChoice choice;
    choice.folders = tree_->TickedFolders(context_.store.folders.size());
    for (int field = 0; field < kFieldCount; ++field)
        choice.fields[static_cast<std::size_t>(field)] =
            fields_[static_cast<std::size_t>(field)]->GetValue();
    choice.folderNames = folderNames_->GetValue();
    choice.heading = heading_->GetValue();
    choice.columnNames = context_.settings.columnNames;
    std::string text = ExportText(context_.store, context_.tree, choice);
    const bool written = WriteExportFile(context_.fs, context_.prompt, *path, text);
    SecureWipe(text);
    if (!written) return false;
    CExportWarningDlg warning(this);
    warning.ShowModal();
    return true;
}

}  // namespace vk
