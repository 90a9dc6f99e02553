#pragma once
#include <string>

#include "core/settings/settings.h"
#include "core/store/password_store.h"
#include "core/tools/report_canvas.h"
#include "core/tools/report_document.h"
#include "core/tools/report_selection.h"
#include "core/tools/report_settings.h"

namespace vk {

// Everything one report is made from.
struct ReportRequest {
    const CPasswordStore& store;
    const CReportSelection& selection;  // the ticked folders, over the store's folder tree
    const CSettings& settings;          // column sets and column names
    ReportItems items;
    CReportSettings options;
    SystemTime now;        // expired-only compares with it
    std::string dateText;  // today's date as every page shows it
};

// Lays the report out for `canvas`: every ticked folder in the tree's order, a table of its
// printable records under its name, the column headings once per top-level group or on a
// new page per group. Measures with the canvas; draws nothing.
CReportDocument LayOutReport(const ReportRequest& request, IReportCanvas& canvas);

}  // namespace vk
