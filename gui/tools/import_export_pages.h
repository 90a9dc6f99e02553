#pragma once
#include <wx/panel.h>

#include <array>
#include <memory>

#include "core/store/password_store.h"
#include "core/tools/import_order.h"
#include "gui/tools/import_export_sheet.h"

class wxBitmapButton;
class wxButton;
class wxCheckBox;
class wxListBox;
class wxSpinCtrl;

namespace vk {

class CCheckFolderTree;

// Control numbers the pages share with the program's resources.
enum ImportExportIds : int {
    kIdFolderTree = 1089,
    kIdFileButton = 2150,
    kIdSelectAllFolders = 1090,
    kIdSelectNoFolders = 1091,
    kIdSelectAllFields = 1103,
    kIdSelectNoFields = 1104,
    kIdFirstField = 2000,  // .. 2013
    kIdFolderNames = 3033,
    kIdHeading = 3037,
    kIdOrderList = 3047,
    kIdAddArrow = 3048,
    kIdRemoveArrow = 3049,
    kIdUpArrow = 3050,
    kIdFieldList = 3051,
    kIdSkipCount = 3053,
    kIdSkipLines = 3054,
    kIdDownArrow = 3055,
};

// Export: folders and fields to write, the folder column and the heading.
class CExportPage : public wxPanel {
  public:
    CExportPage(wxWindow* parent, CAppContext& context, const ExchangeFilePicker& pickFile);

    CCheckFolderTree* Tree() { return tree_; }
    wxCheckBox* FieldBox(int field) { return fields_[static_cast<std::size_t>(field)]; }
    wxCheckBox* FolderNames() { return folderNames_; }
    wxCheckBox* Heading() { return heading_; }

    // "Export file...": asks for the file and writes it; true when it was written.
    bool ExportFile();

  private:
    void TickFields(bool ticked);

    CAppContext& context_;
    const ExchangeFilePicker& pickFile_;
    CCheckFolderTree* tree_ = nullptr;
    std::array<wxCheckBox*, kFieldCount> fields_{};
    wxCheckBox* folderNames_ = nullptr;
    wxCheckBox* heading_ = nullptr;
};

// Import: the folder to add to, the field each column feeds, lines to skip.
class CImportPage : public wxPanel {
  public:
    CImportPage(wxWindow* parent, CAppContext& context, const ExchangeFilePicker& pickFile);

    CCheckFolderTree* Tree() { return tree_; }
    wxListBox* FieldList() { return fieldList_; }
    wxListBox* OrderList() { return orderList_; }
    wxCheckBox* SkipLines() { return skipLines_; }
    wxSpinCtrl* SkipCount() { return skipCount_; }
    wxButton* ImportButton() { return importButton_; }
    wxBitmapButton* Arrow(int id);
    // The pictures "^" and "v" show now: with entries in the import order, or without.
    bool ShowsFullArrows() const { return fullArrows_; }

    // The arrows and "Skip import lines" as the user presses them.
    void Press(int id);
    // "Import file...": true when a file was imported.
    bool ImportFile();
    bool Imported() const { return imported_; }

  private:
    void ShowLists();
    void UpdateControls();

    CAppContext& context_;
    const ExchangeFilePicker& pickFile_;
    CImportOrderLists lists_;
    CCheckFolderTree* tree_ = nullptr;
    wxListBox* fieldList_ = nullptr;
    wxListBox* orderList_ = nullptr;
    wxCheckBox* skipLines_ = nullptr;
    wxSpinCtrl* skipCount_ = nullptr;
    wxButton* importButton_ = nullptr;
    std::array<wxBitmapButton*, 4> arrows_{};
    struct ArrowImages;
    std::shared_ptr<ArrowImages> images_;
    bool fullArrows_ = false;
    bool imported_ = false;
};

}  // namespace vk
