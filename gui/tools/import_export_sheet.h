#pragma once
#include <functional>
#include <optional>
#include <string>

#include "gui/ui/dialog_base.h"

class wxNotebook;

namespace vk {

class CAppContext;
class CExportPage;
class CImportPage;

// The two files the sheet asks for.
enum class ExchangeFile { kExport, kImport };

// Asks the user for an export or import file; nothing when cancelled. Tests answer without
// a dialog.
using ExchangeFilePicker = std::function<std::optional<std::string>(wxWindow*, ExchangeFile)>;

// The system's file dialog as export ("Export password file", asking before replacing a
// file) or import ("Import password file", an existing file) show it, starting in the
// program's folder.
std::optional<std::string> PickExchangeFile(wxWindow* parent, ExchangeFile kind,
                                            const std::string& programFolder);

// "Import/Export": the Export and Import pages on tabs and one "Close" button.
class CImportExportPropSheet : public CDialogBase {
  public:
    enum Page { kExportPage, kImportPage };

    CImportExportPropSheet(wxWindow* parent, CAppContext& context, Page first);
    ~CImportExportPropSheet() override;

    CExportPage* Export() { return export_; }
    CImportPage* Import() { return import_; }
    wxNotebook* Tabs() { return tabs_; }
    // True once an import ran, so that the editor shows its folder again.
    bool Imported() const;

    ExchangeFilePicker pickFile;

  private:
    void SetHelpContext();

    CAppContext& context_;
    wxNotebook* tabs_ = nullptr;
    CExportPage* export_ = nullptr;
    CImportPage* import_ = nullptr;
};

// The dialog shown after an export: "Export Complete" and why the file should be deleted.
class CExportWarningDlg : public CDialogBase {
  public:
    explicit CExportWarningDlg(wxWindow* parent);
};

}  // namespace vk
