#pragma once
#include "core/settings/memory_settings_storage.h"
#include "gui/app/app_context.h"
#include "gui/ui/wx_date_format.h"
#include "tests/support/fake_clipboard.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk::test {

// What windows reach through the application, over in-memory settings, files and clipboard.
struct TestAppContext {
    CMemorySettingsStorage storage;
    MemFileSystem fs;
    ScriptedPrompt prompt;
    CWxDateFormat dates;
    FakeClipboard clipboard;
    FakeClock clock;
    CAppContext context{storage, fs, prompt, dates, clipboard, clock, "/prog/"};
};

}  // namespace vk::test
