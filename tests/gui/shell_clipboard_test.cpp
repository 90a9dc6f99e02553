// The real clipboard on the test display, with the clearing rule on top of it.
#include <gtest/gtest.h>

#include "core/shell/clipboard_clearer.h"
#include "platform/steady_clock.h"
#include "platform/wx/wx_clipboard.h"
#include "tests/support/child_process.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

TEST(ShellClipboard, TextMakesTheRoundTripAndIsCleared) {
    CWxClipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("p\xC3\xA4ss word"));
    std::string held;
    ASSERT_TRUE(clipboard.GetText(&held));
    EXPECT_EQ(held, "p\xC3\xA4ss word");

    // Cleared, the clipboard gives no text to anyone.
    ASSERT_TRUE(clipboard.Clear());
    held.clear();
    clipboard.GetText(&held);
    EXPECT_EQ(held, "");
}

TEST(ShellClipboard, ClearerLeavesTheUsersTextOnTheRealClipboard) {
    CWxClipboard clipboard;
    CSteadyClock clock;
    test::ScriptedPrompt prompt;
    CClipboardClearer clearer(clipboard, clock);

    ASSERT_TRUE(clearer.CopyText(std::string(100, 'k'), prompt));
    EXPECT_TRUE(clearer.CheckClipboard(0));
    std::string held;
    clipboard.GetText(&held);
    EXPECT_EQ(held, "");

    ASSERT_TRUE(clearer.CopyText("secret", prompt));
    ASSERT_TRUE(clipboard.SetText("the user's own text"));
    EXPECT_FALSE(clearer.CheckClipboard(0));
    ASSERT_TRUE(clipboard.GetText(&held));
    EXPECT_EQ(held, "the user's own text");
    EXPECT_TRUE(prompt.messages.empty());
    clipboard.Clear();
}

TEST(ShellClipboard, AnotherProgramReadsTheCopyAndItsSecretHint) {
    CWxClipboard clipboard;
    ASSERT_TRUE(
        clipboard.SetText("s\xC3\xA9"
                          "cret"));
    // The probe asks while the toolkit serves the clipboard from its event loop.
    auto read = [](const char* target) {
        test::ChildProcess reader({VK_X11_PROBE, "read", "CLIPBOARD", target});
        while (!reader.HasEnded()) wxTheApp->Yield(true);
        return reader.ReadLine().value_or("");
    };
    EXPECT_EQ(read("UTF8_STRING"),
              "text:s\xC3\xA9"
              "cret");
    EXPECT_EQ(read("x-kde-passwordManagerHint"), "text:secret");
    ASSERT_TRUE(clipboard.Clear());
    EXPECT_EQ(read("UTF8_STRING").rfind("text:s", 0), std::string::npos);
}

}  // namespace
}  // namespace vk
