#include "gui/tools/report_commands.h"

#include <memory>

#include "core/app/command_ids.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/tools/report_dlg.h"
#include "platform/local_date_clock.h"

namespace vk {

void AddReportCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent) {
    auto clock = std::make_shared<CLocalDateClock>();
    commands.Add(cmd::kReport, [&context, parent, clock] {
        CReportDlg dialog(parent, context, *clock);
        dialog.ShowModal();
    });
}

}  // namespace vk
