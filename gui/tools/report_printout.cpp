#include "gui/tools/report_printout.h"

#include <wx/dcmemory.h>

#include "core/shell/messages.h"
#include "gui/tools/report_dc_canvas.h"

namespace vk {

CReportPrintout::CReportPrintout(LayOut layOut)
    : wxPrintout(msg::kProgramName), layOut_(std::move(layOut)) {}

void CReportPrintout::OnPreparePrinting() {
    int ppiX = 0, ppiY = 0;
    GetPPIPrinter(&ppiX, &ppiY);
    const wxRect paper = GetPaperRectPixels();
    // Without a printer's figures the page is A4 at 72 units per inch.
    device_ = ppiX > 0 && ppiY > 0 && paper.width > 0 && paper.height > 0
                  ? ReportDevice{ppiX, ppiY, paper.width, paper.height}
                  : ReportDevice{};
    // Measured on a context of its own, so that printing and preview lay out alike.
    wxBitmap bitmap(1, 1);
    wxMemoryDC measure(bitmap);
    CReportDcCanvas canvas(measure, device_);
    document_ = layOut_(canvas);
}

void CReportPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *pageFrom = 1;
    *maxPage = *pageTo = PageCount();
}

bool CReportPrintout::HasPage(int page) {
    return page >= 1 && page <= PageCount();
}

bool CReportPrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    int width = 0, height = 0;
    GetPageSizePixels(&width, &height);
    if (!dc || !HasPage(page) || width <= 0 || height <= 0) return false;
    FitThisSizeToPaper(wxSize(device_.pageWidth, device_.pageHeight));
    CReportDcCanvas canvas(*dc, device_);
    document_->DrawPage(static_cast<std::size_t>(page - 1), canvas);
    return true;
}

}  // namespace vk
