// Typing into another X client, the window list a paste chooses from, and the selections of
// the command-line tool, on the test display.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "core/quickaccess/paste_target.h"
#include "core/shell/clipboard_clearer.h"
#include "platform/steady_clock.h"
#include "platform/x11_clipboard.h"
#include "platform/x11_desktop_windows.h"
#include "platform/x11_key_typer.h"
#include "tests/support/desktop_session.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

using namespace std::chrono_literals;

// A window of the probe, with the id it reports once it is on screen.
struct ProbeWindow {
    explicit ProbeWindow(std::vector<std::string> args)
        : process([&] {
              args.insert(args.begin(), {VK_X11_PROBE, "window"});
              return args;
          }()) {
        const auto ready = process.ReadLine();
        if (ready && ready->rfind("ready ", 0) == 0) id = std::stoull(ready->substr(6));
    }
    test::ChildProcess process;
    std::uint64_t id = 0;
};

class X11 : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!test::HasDisplay()) GTEST_SKIP() << "no X display";
    }
    test::WindowManagerForTest manager;
};

TEST_F(X11, TheTopmostOrdinaryWindowGetsEveryCharacterAsItStands) {
    ProbeWindow target({"Typing target"});
    // Only a window manager minimizes; without one the window would simply be on top.
    std::optional<ProbeWindow> minimized;
    if (manager.Running()) minimized.emplace(std::vector<std::string>{"Minimized", "iconic"});
    ProbeWindow tool({"Tool", "utility"});
    ProbeWindow untitled({""});
    ASSERT_NE(untitled.id, 0u);
    CX11DesktopWindows desktop;
    ASSERT_TRUE(desktop.CanReachOtherWindows());
    std::this_thread::sleep_for(200ms);  // the manager stacks and iconifies them
    const auto windows = desktop.TopLevelWindows();
    ASSERT_EQ(ChoosePasteTarget(windows), target.id);
    ASSERT_TRUE(desktop.Activate(target.id));

    CX11KeyTyper typer;
    ASSERT_TRUE(typer.Available());
    // Letters, digits, symbols, key notation and letters no US keyboard has.
    const std::string text = "aZ9 !\"#{TAB}+^%~\xC3\xA9\xC3\x9F\xE2\x82\xAC\xD0\x96";
    ASSERT_TRUE(typer.TypeText(text));
    ASSERT_TRUE(typer.PressTab());
    std::string typed;
    for (;;) {
        const auto line = target.process.ReadLine(10s);
        ASSERT_TRUE(line) << "typed so far: " << typed;
        if (*line == "<Tab>") break;
        typed += *line;
    }
    EXPECT_EQ(typed, text);
}

// What another program reads, and the hint, are checked through the command-line tool; here,
// a clipboard manager that takes the text over.
TEST_F(X11, CopiesAreClearedAlsoFromAClipboardManager) {
    CX11Clipboard clipboard;
    ASSERT_TRUE(clipboard.Available());
    std::atomic<bool> stop{false};
    // Serves the clipboard until `line` is read from `from`.
    auto serveUntilLine = [&](test::ChildProcess& from) {
        std::thread serve([&] { clipboard.Serve(std::chrono::steady_clock::now() + 5s, stop); });
        const auto line = from.ReadLine(5s);
        stop = true;
        serve.join();
        stop = false;
        return line.value_or("(nothing)");
    };
    CSteadyClock clock;
    test::ScriptedPrompt prompt;
    CClipboardClearer clearer(clipboard, clock);
    ASSERT_TRUE(clearer.CopyText("s\xC3\xA9", prompt));

    test::ChildProcess manager({VK_X11_PROBE, "manager"});
    ASSERT_EQ(manager.ReadLine(), "ready");
    ASSERT_EQ(serveUntilLine(manager), "took 3");
    std::string held;
    ASSERT_TRUE(clipboard.GetText(&held));
    EXPECT_EQ(held, "s\xC3\xA9");
    EXPECT_TRUE(clearer.ClearNow());
    test::ChildProcess reader({VK_X11_PROBE, "read", "CLIPBOARD", "UTF8_STRING"});
    EXPECT_EQ(serveUntilLine(reader), "text:");
}

}  // namespace
}  // namespace vk
