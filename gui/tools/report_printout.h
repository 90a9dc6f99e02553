#pragma once
#include <wx/print.h>

#include <functional>
#include <optional>

#include "core/tools/report_document.h"

namespace vk {

// The report for the printer and the preview: laid out once for the printer's resolution
// and paper, then drawn page by page, so the preview shows exactly the printed pages.
class CReportPrintout : public wxPrintout {
  public:
    using LayOut = std::function<CReportDocument(IReportCanvas&)>;
    explicit CReportPrintout(LayOut layOut);

    void OnPreparePrinting() override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;

    int PageCount() const { return document_ ? static_cast<int>(document_->PageCount()) : 0; }

  private:
    LayOut layOut_;
    ReportDevice device_;
    std::optional<CReportDocument> document_;
};

}  // namespace vk
