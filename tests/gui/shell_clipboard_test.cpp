// The real clipboard on the test display, with the clearing rule on top of it.
#include <gtest/gtest.h>

#include "core/shell/clipboard_clearer.h"
#include "platform/steady_clock.h"
#include "platform/wx/wx_clipboard.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

TEST(ShellClipboard, TextMakesTheRoundTripAndIsCleared) {
    CWxClipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("p\xC3\xA4ss word"));
    std::string held;
    ASSERT_TRUE(clipboard.GetText(&held));
    EXPECT_EQ(held, "p\xC3\xA4ss word");

    ASSERT_TRUE(clipboard.Clear());
    EXPECT_FALSE(clipboard.GetText(&held));
}

TEST(ShellClipboard, ClearerLeavesTheUsersTextOnTheRealClipboard) {
    CWxClipboard clipboard;
    CSteadyClock clock;
    test::ScriptedPrompt prompt;
    CClipboardClearer clearer(clipboard, clock);

    ASSERT_TRUE(clearer.CopyText(std::string(100, 'k'), prompt));
    EXPECT_TRUE(clearer.CheckClipboard(0));
    std::string held;
    EXPECT_FALSE(clipboard.GetText(&held));

    ASSERT_TRUE(clearer.CopyText("secret", prompt));
    ASSERT_TRUE(clipboard.SetText("the user's own text"));
    EXPECT_FALSE(clearer.CheckClipboard(0));
    ASSERT_TRUE(clipboard.GetText(&held));
    EXPECT_EQ(held, "the user's own text");
    EXPECT_TRUE(prompt.messages.empty());
    clipboard.Clear();
}

}  // namespace
}  // namespace vk
