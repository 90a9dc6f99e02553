#pragma once
#include "core/settings/memory_settings_storage.h"
#include "gui/app/app_context.h"
#include "gui/ui/wx_date_format.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/null_services.h"
#include "tests/support/scripted_prompt.h"

namespace vk::test {

// The application's context over in-memory settings and files, a scripted prompt, the
// desktop's date form and services that do nothing: what windows under test reach.
struct AppContextFixture {
    CMemorySettingsStorage storage;
    MemFileSystem fs;
    ScriptedPrompt prompt;
    CWxDateFormat dates;
    NullClipboard clipboard;
    NullClock clock;
    CAppContext context{storage, fs, prompt, dates, clipboard, clock, "/prog/"};
};

}  // namespace vk::test
