#include "gui/tools/options_commands.h"

#include "core/app/command_ids.h"
#include "gui/app/command_table.h"
#include "gui/tools/options_prop_sheet.h"

namespace vk {

void AddOptionsCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent) {
    commands.Add(cmd::kOptions, [&context, parent] { RunOptions(parent, context); });
}

}  // namespace vk
