// The timed clearing of copied text, with a hand-driven clock and an in-memory clipboard.
#include <gtest/gtest.h>

#include <string>

#include "core/shell/clipboard_clearer.h"
#include "core/shell/shell_messages.h"
#include "tests/support/fake_clipboard.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class ClipboardClearing : public ::testing::Test {
  protected:
    test::FakeClock clock;
    test::FakeClipboard clipboard;
    test::ScriptedPrompt prompt;
    CClipboardClearer clearer{clipboard, clock};
    // The timer's check `ms` milliseconds on, with the delay set to `seconds`.
    bool CheckAfter(std::uint64_t ms, std::uint32_t seconds = 30) {
        clock.now += ms;
        return clearer.CheckClipboard(seconds);
    }
};

TEST_F(ClipboardClearing, ClearsOurTextOnlyAfterTheDelay) {
    ASSERT_TRUE(clearer.CopyText("s3cret", prompt));
    EXPECT_EQ(clipboard.text, "s3cret");

    EXPECT_FALSE(CheckAfter(29999));
    EXPECT_TRUE(clipboard.holdsText);
    EXPECT_TRUE(clearer.IsPending());

    EXPECT_TRUE(CheckAfter(1));
    EXPECT_FALSE(clipboard.holdsText);
    EXPECT_FALSE(clearer.IsPending());
    // Forgotten: a later tick leaves whatever comes next alone.
    clipboard.UserCopies("s3cret");
    EXPECT_FALSE(CheckAfter(60000));
    EXPECT_TRUE(clipboard.holdsText);
    EXPECT_TRUE(prompt.messages.empty());

    // Zero seconds leave the text as long as the 30-second tick would, not a moment: it can
    // still be pasted. Windows-1252 text from an old file lands on the clipboard as UTF-8 and
    // is still ours.
    clearer.CopyText("caf\xE9", prompt);
    EXPECT_EQ(clipboard.text, "caf\xC3\xA9");
    EXPECT_FALSE(CheckAfter(29999, 0));
    EXPECT_TRUE(CheckAfter(1, 0));
    EXPECT_FALSE(clipboard.holdsText);
}

TEST_F(ClipboardClearing, NeverRemovesWhatTheUserCopiedMeanwhileTellingItByTheFirst80Bytes) {
    clearer.CopyText("password", prompt);
    clipboard.UserCopies("my own note");
    EXPECT_FALSE(CheckAfter(30000));
    EXPECT_EQ(clipboard.text, "my own note");
    EXPECT_EQ(clipboard.clears, 0);
    EXPECT_FALSE(clearer.IsPending());

    // A text that merely starts like ours is the user's too.
    clearer.CopyText("pass", prompt);
    clipboard.UserCopies("passage");
    EXPECT_FALSE(CheckAfter(30000));
    EXPECT_EQ(clipboard.text, "passage");

    // A long text is ours by its first 80 bytes, whatever follows them.
    const std::string longPassword(100, 'x');
    clearer.CopyText(longPassword, prompt);
    EXPECT_EQ(clipboard.text, longPassword);
    EXPECT_TRUE(CheckAfter(1000, 1));
    EXPECT_FALSE(clipboard.holdsText);

    // The same first 80 bytes with another ending still count as our copy.
    clearer.CopyText(longPassword, prompt);
    clipboard.UserCopies(std::string(80, 'x') + "yy");
    EXPECT_TRUE(CheckAfter(1000, 1));
}

TEST_F(ClipboardClearing, PrimarySelectionIsClearedByTheSameRule) {
    int pendingCalls = 0;
    clearer.onPending = [&] { ++pendingCalls; };
    clearer.CopyText("s3cret", prompt);
    EXPECT_EQ(pendingCalls, 1);
    // The text was also selected somewhere, or a clipboard manager mirrored it.
    clipboard.primary = {"s3cret", true};
    EXPECT_TRUE(CheckAfter(30000));
    EXPECT_FALSE(clipboard.board.holdsText);
    EXPECT_FALSE(clipboard.primary.holdsText);

    // The user's own selection stays; so does the clipboard's new text.
    clearer.CopyText("s3cret", prompt);
    clipboard.primary = {"selected by hand", true};
    clipboard.UserCopies("copied by hand");
    EXPECT_FALSE(clearer.ClearNow());
    EXPECT_EQ(clipboard.primary.text, "selected by hand");
    EXPECT_EQ(clipboard.text, "copied by hand");

    // Ending the program clears a pending copy at once, whatever the delay.
    clearer.CopyText("s3cret", prompt);
    EXPECT_TRUE(clearer.ClearNow());
    EXPECT_FALSE(clearer.IsPending());
}

TEST_F(ClipboardClearing, FailuresAreReportedAndForgetNothingTheyShouldNot) {
    clearer.CopyText("first", prompt);
    clipboard.usable = false;
    EXPECT_FALSE(clearer.CopyText("second", prompt));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], msg::kCopyFailed);
    clipboard.usable = true;

    // The first copy is still on the clipboard and still gets cleared.
    EXPECT_TRUE(CheckAfter(30000));

    // A clipboard that cannot be opened at check time: the copy is forgotten anyway.
    clearer.CopyText("third", prompt);
    clipboard.usable = false;
    EXPECT_FALSE(CheckAfter(30000));
    EXPECT_FALSE(clearer.IsPending());
    clipboard.usable = true;
    EXPECT_EQ(clipboard.text, "third");
    // An empty clipboard after our copy: nothing to clear, nothing pending.
    clearer.CopyText("fourth", prompt);
    clipboard.Clear();
    EXPECT_FALSE(CheckAfter(30000));
    EXPECT_FALSE(clearer.IsPending());
}

}  // namespace
}  // namespace vk
