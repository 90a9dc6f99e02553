#pragma once
#include <wx/cmndata.h>
#include <wx/treebase.h>

#include <map>
#include <memory>

#include "core/editor/folder_tree.h"
#include "core/tools/report_run.h"
#include "gui/ui/dialog_base.h"

class wxCheckBox;
class wxComboBox;
class wxTextCtrl;

namespace vk {

class CAppContext;
class CFolderTreeCtrl;
class CReportPrintout;
class IDateClock;

// "Report": which folders and items to print, the heading, font size and options; prints,
// previews or saves the report as a PDF file. The options are the application's report
// settings and change the moment they are clicked.
class CReportDlg : public CDialogBase {
  public:
    CReportDlg(wxWindow* parent, CAppContext& context, IDateClock& clock);
    ~CReportDlg() override;

    CFolderTreeCtrl* Tree() { return tree_; }
    // A click on an item's check box: a cleared box clears the item's subtree.
    void ToggleFolder(const wxTreeItemId& item);
    bool IsTicked(const wxTreeItemId& item) const;

    // The heading and font size as typed become the report settings; false with a message
    // when no folder is ticked.
    bool TakeChoices();
    // The report as it would print now, for the printer or the preview.
    std::unique_ptr<CReportPrintout> MakePrintout();

    void Print();
    void Preview();
    void SaveAsPdf();

  private:
    wxSizer* MakeFolderGroup();
    wxSizer* MakeItemGroup();
    wxSizer* MakeOptionGroup();
    void MapItems();
    void ShowTicks();
    ReportItems Items() const;
    CReportDocument BuildDocument(IReportCanvas& canvas) const;

    CAppContext& context_;
    IDateClock& clock_;
    CFolderTree model_;
    std::unique_ptr<CReportSelection> selection_;
    std::map<void*, const CFolderTree::Node*> nodes_;  // tree item id -> model node
    CFolderTreeCtrl* tree_ = nullptr;
    wxCheckBox* passwords_ = nullptr;
    wxCheckBox* urls_ = nullptr;
    wxCheckBox* emails_ = nullptr;
    wxCheckBox* comments_ = nullptr;
    wxTextCtrl* heading_ = nullptr;
    wxComboBox* fontSize_ = nullptr;
    wxPrintDialogData printData_;
};

}  // namespace vk
