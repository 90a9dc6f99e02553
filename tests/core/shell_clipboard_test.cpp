// The timed clearing of copied text, with a hand-driven clock and an in-memory clipboard.
#include <gtest/gtest.h>

#include <string>

#include "core/shell/clipboard_clearer.h"
#include "core/shell/shell_messages.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class FakeClock : public IClock {
  public:
    std::uint64_t now = 5000;
    std::uint64_t TickMs() override { return now; }
};

class FakeClipboard : public IClipboard {
  public:
    std::string text;
    bool holdsText = false;
    bool usable = true;
    int clears = 0;

    bool SetText(const std::string& t) override {
        if (!usable) return false;
        text = t;
        holdsText = true;
        return true;
    }
    bool GetText(std::string* t) override {
        if (!usable || !holdsText) return false;
        *t = text;
        return true;
    }
    bool Clear() override {
        if (!usable) return false;
        ++clears;
        text.clear();
        holdsText = false;
        return true;
    }
    // The user copies something in another program.
    void UserCopies(const std::string& t) {
        text = t;
        holdsText = true;
    }
};

class ClipboardClearing : public ::testing::Test {
  protected:
    FakeClock clock;
    FakeClipboard clipboard;
    test::ScriptedPrompt prompt;
    CClipboardClearer clearer{clipboard, clock};
};

TEST_F(ClipboardClearing, ClearsOurTextOnlyAfterTheDelay) {
    ASSERT_TRUE(clearer.CopyText("s3cret", prompt));
    EXPECT_EQ(clipboard.text, "s3cret");

    clock.now += 29999;
    EXPECT_FALSE(clearer.CheckClipboard(30));
    EXPECT_TRUE(clipboard.holdsText);
    EXPECT_TRUE(clearer.IsPending());

    clock.now += 1;
    EXPECT_TRUE(clearer.CheckClipboard(30));
    EXPECT_FALSE(clipboard.holdsText);
    EXPECT_FALSE(clearer.IsPending());
    // Forgotten: a later tick leaves whatever comes next alone.
    clipboard.UserCopies("s3cret");
    clock.now += 60000;
    EXPECT_FALSE(clearer.CheckClipboard(30));
    EXPECT_TRUE(clipboard.holdsText);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ClipboardClearing, NeverRemovesWhatTheUserCopiedMeanwhile) {
    clearer.CopyText("password", prompt);
    clipboard.UserCopies("my own note");
    clock.now += 30000;
    EXPECT_FALSE(clearer.CheckClipboard(30));
    EXPECT_EQ(clipboard.text, "my own note");
    EXPECT_EQ(clipboard.clears, 0);
    EXPECT_FALSE(clearer.IsPending());

    // A text that merely starts like ours is the user's too.
    clearer.CopyText("pass", prompt);
    clipboard.UserCopies("passage");
    clock.now += 30000;
    EXPECT_FALSE(clearer.CheckClipboard(30));
    EXPECT_EQ(clipboard.text, "passage");
}

TEST_F(ClipboardClearing, LongTextIsRecognisedByItsFirst80Bytes) {
    const std::string longPassword(100, 'x');
    clearer.CopyText(longPassword, prompt);
    EXPECT_EQ(clipboard.text, longPassword);
    clock.now += 1000;
    EXPECT_TRUE(clearer.CheckClipboard(1));
    EXPECT_FALSE(clipboard.holdsText);

    // The same first 80 bytes with another ending still count as our copy.
    clearer.CopyText(longPassword, prompt);
    clipboard.UserCopies(std::string(80, 'x') + "yy");
    clock.now += 1000;
    EXPECT_TRUE(clearer.CheckClipboard(1));
}

TEST_F(ClipboardClearing, ZeroSecondsClearsAtTheNextTick) {
    clearer.CopyText("now", prompt);
    EXPECT_TRUE(clearer.CheckClipboard(0));
    EXPECT_FALSE(clipboard.holdsText);
    EXPECT_EQ(ClipboardTimerPeriodMs(0), 30000);
    EXPECT_EQ(ClipboardTimerPeriodMs(7), 7000);
    EXPECT_GT(ClipboardTimerPeriodMs(4000000000u), 0);  // never wraps to a negative period
}

TEST_F(ClipboardClearing, TextFromAWindowsFileIsRecognisedAfterConversion) {
    // Windows-1252 "caf\xe9" lands on the clipboard as UTF-8 and must still be ours.
    clearer.CopyText("caf\xE9", prompt);
    EXPECT_EQ(clipboard.text, "caf\xC3\xA9");
    EXPECT_TRUE(clearer.CheckClipboard(0));
}

TEST_F(ClipboardClearing, FailuresAreReportedAndForgetNothingTheyShouldNot) {
    clearer.CopyText("first", prompt);
    clipboard.usable = false;
    EXPECT_FALSE(clearer.CopyText("second", prompt));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], msg::kCopyFailed);
    clipboard.usable = true;

    // The first copy is still on the clipboard and still gets cleared.
    clock.now += 30000;
    EXPECT_TRUE(clearer.CheckClipboard(30));

    // A clipboard that cannot be opened at check time: the copy is forgotten anyway.
    clearer.CopyText("third", prompt);
    clipboard.usable = false;
    clock.now += 30000;
    EXPECT_FALSE(clearer.CheckClipboard(30));
    EXPECT_FALSE(clearer.IsPending());
    clipboard.usable = true;
    EXPECT_EQ(clipboard.text, "third");
    // An empty clipboard after our copy: nothing to clear, nothing pending.
    clearer.CopyText("fourth", prompt);
    clipboard.Clear();
    EXPECT_FALSE(clearer.CheckClipboard(0));
    EXPECT_FALSE(clearer.IsPending());
}

}  // namespace
}  // namespace vk
