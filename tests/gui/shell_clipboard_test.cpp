// The real clipboard on the test display, with the clearing rule on top of it.
#include <gtest/gtest.h>

#include "core/shell/clipboard_clearer.h"
#include "platform/steady_clock.h"
#include "platform/wx/wx_clipboard.h"
#include "tests/support/child_process.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

// Another program reads what the clipboard holds now, while the toolkit serves it from its
// event loop.
std::string ReadFromAnotherProgram(const char* target = "UTF8_STRING") {
    test::ChildProcess reader({VK_X11_PROBE, "read", "CLIPBOARD", target});
    while (!reader.HasEnded()) wxTheApp->Yield(true);
    return reader.ReadLine().value_or("");
}

TEST(ShellClipboard, AnotherProgramReadsTheCopyAndItsSecretHintUntilItIsCleared) {
    CWxClipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("p\xC3\xA4ss word"));
    std::string held;
    ASSERT_TRUE(clipboard.GetText(&held));
    EXPECT_EQ(held, "p\xC3\xA4ss word");
    EXPECT_EQ(ReadFromAnotherProgram(), "text:p\xC3\xA4ss word");
    EXPECT_EQ(ReadFromAnotherProgram("x-kde-passwordManagerHint"), "text:secret");

    // Cleared, the clipboard gives no text to anyone.
    ASSERT_TRUE(clipboard.Clear());
    held.clear();
    clipboard.GetText(&held);
    EXPECT_EQ(held, "");
    EXPECT_EQ(ReadFromAnotherProgram().rfind("text:p", 0), std::string::npos);
}

TEST(ShellClipboard, ClearerLeavesTheUsersTextOnTheRealClipboard) {
    CWxClipboard clipboard;
    CSteadyClock clock;
    test::ScriptedPrompt prompt;
    CClipboardClearer clearer(clipboard, clock);
    ASSERT_TRUE(clearer.CopyText(std::string(100, 'k'), prompt));
    EXPECT_TRUE(clearer.ClearNow());
    EXPECT_EQ(ReadFromAnotherProgram().rfind("text:k", 0), std::string::npos);

    ASSERT_TRUE(clearer.CopyText("secret", prompt));
    ASSERT_TRUE(clipboard.SetText("the user's own text"));
    EXPECT_FALSE(clearer.ClearNow());
    EXPECT_EQ(ReadFromAnotherProgram(), "text:the user's own text");
    EXPECT_TRUE(prompt.messages.empty());
    clipboard.Clear();
}

}  // namespace
}  // namespace vk
