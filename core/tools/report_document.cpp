#include "core/tools/report_document.h"

namespace vk {

void CReportDocument::DrawPage(std::size_t index, IReportCanvas& canvas) const {
    bool fontSet = false;
    ReportFont current;
    for (const ReportOp& op : Page(index)) {
        switch (op.kind) {
            case ReportOp::Kind::kText:
                if (!fontSet || op.font != current) {
                    canvas.SetFont(op.font);
                    current = op.font;
                    fontSet = true;
                }
                canvas.DrawText(op.text, op.box, op.align);
                break;
            case ReportOp::Kind::kBand:
                canvas.FillBand(op.box);
                break;
            case ReportOp::Kind::kRule:
                canvas.DrawRule(op.box.left, op.box.right, op.box.top);
                break;
        }
    }
}

void CReportDocument::DrawAll(IReportCanvas& canvas) const {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        canvas.StartPage();
        DrawPage(i, canvas);
        canvas.EndPage();
    }
}

}  // namespace vk
