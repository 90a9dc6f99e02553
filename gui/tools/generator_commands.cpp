#include "gui/tools/generator_commands.h"

#include "core/app/command_ids.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/tools/password_generator_dlg.h"
#include "platform/system_random.h"

namespace vk {

std::optional<std::string> RunPasswordGenerator(wxWindow* parent, CAppContext& context,
                                                GeneratorUse use) {
    CSystemRandom random;
    CPasswordGeneratorDlg dialog(parent, context.profile, random, context.prompt,
                                 use == GeneratorUse::kClipboard);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    std::string password = dialog.Result();
    if (use == GeneratorUse::kClipboard) context.clipboard.CopyText(password, context.prompt);
    return password;
}

void AddGeneratorCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent) {
    commands.Add(cmd::kGeneratePassword, [&context, parent] {
        RunPasswordGenerator(parent, context, GeneratorUse::kClipboard);
    });
}

}  // namespace vk
