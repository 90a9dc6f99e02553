#include "gui/app/app_context.h"

#include "core/shell/file_names.h"
#include "core/shell/messages.h"

namespace vk {

CAppContext::CAppContext(ISettingsStorage& storage, IFileSystem& fs, IUserPrompt& prompt,
                         IDateFormat& dates, IClipboard& clipboardService, IClock& clock,
                         std::string folder)
    : settingsStore(storage, prompt, [&fs](const std::string& p) { return fs.Exists(p); }),
      fs(fs),
      prompt(prompt),
      file(fs, prompt, dates),
      clipboard(clipboardService, clock),
      programFolder(std::move(folder)),
      profile(fs, prompt, programFolder) {}

std::string CAppContext::DefaultFilePath() const {
    return PathInFolder(programFolder, msg::kDefaultFileName);
}

void CAppContext::SaveSettings() {
    if (!store.filePath.empty()) settings.lastFile = store.filePath;
    settings.encryptFiles = store.encrypted;
    settingsStore.SaveSettings(settings);
    updateStartupEntry();
}

}  // namespace vk
