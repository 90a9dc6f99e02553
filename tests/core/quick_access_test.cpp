// The quick-access tree, its search, the dialog's placement, balloons and the paste rules.
#include <gtest/gtest.h>

#include "core/editor/folder_tree.h"
#include "core/editor/search_history.h"
#include "core/quickaccess/dialog_placement.h"
#include "core/quickaccess/paste_to_application.h"
#include "core/quickaccess/quick_access_messages.h"
#include "core/quickaccess/quick_access_tree.h"
#include "core/shell/clipboard_clearer.h"
#include "core/ui/balloon_layout.h"
#include "tests/support/fake_clipboard.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

CRecord Record(std::initializer_list<std::pair<int, const char*>> fields) {
    CRecord r;
    for (const auto& [field, text] : fields) r[field] = text;
    return r;
}

class QuickAccessTree : public ::testing::Test {
  protected:
    QuickAccessTree() {
        const int internet = store.AddFolder("Internet", 2);  // Description, Username, Password
        store.folders[internet].records = {
            Record({{kDescription, "Mail"}, {kUsername, "bob"}, {kPassword, "p{TAB}+^%~"}}),
            Record({{kUrl, "https://only.url"}, {kNotes, "nothing shown"}}),
            Record({{kPassword, "lonely"}, {kUrl, "https://x"}}),
        };
        // A subfolder of its own category 3 still shows the Internet columns.
        const int sub = store.AddFolder("Internet~Sub", 3);
        store.folders[sub].records = {Record({{kUsername, "sub user"}, {kBank, "hidden"}})};
        const int odd = store.AddFolder("Odd", 9);  // counts as category 1
        store.folders[odd].records = {Record({{kDateExpires, "2030"}, {kDescription, "Bank"}})};
        tree.BuildFrom(store);
        quick.Build(tree);
    }

    // Every item in display order as depth and shown text.
    std::vector<std::string> Shown() const {
        std::vector<std::string> lines;
        for (int id = quick.TopLevel().front(); id != CQuickAccessTree::kNone;
             id = quick.NextPreOrder(id)) {
            int depth = 0;
            for (int p = quick.At(id).parent; p != CQuickAccessTree::kNone; p = quick.At(p).parent)
                ++depth;
            lines.push_back(std::string(static_cast<std::size_t>(depth), '.') +
                            quick.DisplayText(id));
        }
        return lines;
    }
    int ItemShowing(const std::string& text) const {
        for (std::size_t i = 0; i < quick.Size(); ++i)
            if (quick.DisplayText(static_cast<int>(i)) == text) return static_cast<int>(i);
        return CQuickAccessTree::kNone;
    }

    CPasswordStore store;
    CSettings settings;
    CFolderTree tree;
    CQuickAccessTree quick{store, settings};
};

TEST_F(QuickAccessTree, RecordsHangTheirShownFieldsUnderTheirFirstOne) {
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Internet", ".Mail", "..bob", "..*****", ".*****",
                                                 ".Sub", "..sub user", "Odd", ".Bank", "..2030"}));
    const int password = ItemShowing("*****");
    EXPECT_EQ(quick.ValueText(password), "p{TAB}+^%~");  // copied and typed unmasked
    EXPECT_EQ(quick.At(password).data.slot, 2);
    EXPECT_TRUE(quick.At(password).data.showsPassword);
    EXPECT_EQ(quick.At(password).image, CQuickAccessTree::kFirstFieldImage + 2);
    EXPECT_EQ(quick.At(ItemShowing("sub user")).data.category, 2);
    EXPECT_EQ(quick.At(ItemShowing("Odd")).data.category, 1);
    // A folder names its first record: Copy gives its Description, the menu its URL.
    const int internet = quick.TopLevel().front();
    EXPECT_EQ(quick.ValueText(internet), "Mail");
    EXPECT_EQ(quick.RecordField(ItemShowing("2030"), kDescription), "Bank");

    settings.mask = false;
    settings.columnIcons[kUsername] = 4242;  // an icon the table lacks shows the first one
    quick.Build(tree);
    EXPECT_EQ(Shown()[3], "..p{TAB}+^%~");
    EXPECT_EQ(quick.At(ItemShowing("bob")).image, CQuickAccessTree::kFirstFieldImage);

    // The store changed before the tree was rebuilt: stale items read nothing, never past
    // the end.
    const int lonely = ItemShowing("lonely");
    store.folders[0].records.resize(1);
    EXPECT_EQ(quick.ValueText(lonely), "");
    store.folders.clear();
    EXPECT_EQ(quick.RecordField(lonely, kUrl), "");
}

TEST_F(QuickAccessTree, FindNextWrapsAndNeverSeesMaskedPasswords) {
    const std::uint32_t partIgnoreCase = 3;
    const int mail = ItemShowing("Mail");
    EXPECT_EQ(quick.FindNext("B", mail, partIgnoreCase), ItemShowing("bob"));
    EXPECT_EQ(quick.FindNext("USER", ItemShowing("bob"), partIgnoreCase), ItemShowing("sub user"));
    // Past the end the search starts again at the top.
    EXPECT_EQ(quick.FindNext("mail", ItemShowing("2030"), partIgnoreCase), mail);
    // The starting item is never tested, so the only match is not found from itself.
    EXPECT_EQ(quick.FindNext("Mail", mail, 0), CQuickAccessTree::kNone);
    EXPECT_EQ(quick.FindNext("lonely", CQuickAccessTree::kNone, partIgnoreCase),
              CQuickAccessTree::kNone);
    EXPECT_EQ(quick.FindNext("", mail, partIgnoreCase), CQuickAccessTree::kNone);
    EXPECT_EQ(quick.FindNext("Internet", CQuickAccessTree::kNone, 0), CQuickAccessTree::kNone);
    EXPECT_EQ(quick.Find(quick.At(ItemShowing("bob")).data), ItemShowing("bob"));
}

TEST(QuickAccessPlacement, BesideTheTaskbarOnEachEdge) {
    const ScreenRect screen{0, 0, 1280, 1024};
    const ScreenRect work{0, 0, 1280, 1000};
    struct Case {
        ScreenRect dock;
        TaskbarEdge edge;
        ScreenPoint at;
    };
    const Case cases[] = {
        {{0, 1000, 1280, 1024}, TaskbarEdge::kBottom, {1079, 751}},
        {{1100, 0, 1280, 24}, TaskbarEdge::kTop, {1079, 24}},
        {{0, 100, 30, 700}, TaskbarEdge::kLeft, {30, 751}},
        {{1250, 0, 1280, 60}, TaskbarEdge::kRight, {1049, 751}},  // exactly twice as tall
        {{1200, 980, 1280, 1024}, TaskbarEdge::kBottom, {1079, 731}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DockEdge(c.dock, screen), c.edge);
        EXPECT_EQ(PlaceQuickAccessBeside(c.dock, screen, work, 201, 249), c.at);
    }
    EXPECT_EQ(PlaceQuickAccessBeside(std::nullopt, screen, work, 201, 249),
              (ScreenPoint{1079, 751}));
    // A panel reported off screen keeps the dialog in sight.
    EXPECT_EQ(PlaceQuickAccessBeside(ScreenRect{0, 2000, 1280, 2024}, screen, work, 201, 249),
              (ScreenPoint{1079, 775}));
}

TEST(QuickAccessPlacement, WindowsOpenedOverTheDialogLeaveItInSight) {
    const ScreenRect work{0, 24, 1280, 1024};
    struct Case {
        ScreenRect dialog;
        int width, height;
        ScreenPoint at;
    };
    const Case cases[] = {
        {{1079, 24, 1280, 273}, 290, 200, {789, 24}},  // left of it, under the top panel
        {{0, 775, 201, 1024}, 290, 300, {201, 724}},   // right of it, pulled up into the area
        {{0, 24, 201, 273}, 1200, 200, {0, 273}},      // too wide for a side: below it
        {{0, 500, 201, 749}, 1200, 600, {80, 424}},    // nowhere without overlap: beside, inside
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceBesideQuickAccess(c.dialog, work, c.width, c.height), c.at);
}

TEST(Balloon, PointsAtItsAnchorFromInsideTheWorkArea) {
    const ScreenRect work{0, 0, 1000, 800};
    const BalloonContent content{{16, 16}, {}, {40, 14}, {100, 30}};
    // Lower right: above and to the left of the point, tail at the bottom right.
    BalloonLayout l = LayOutBalloon(content, {900, 700}, work);
    EXPECT_FALSE(l.tailAtTop);
    EXPECT_TRUE(l.tailOnRight);
    EXPECT_EQ(l.window.Width(), 100 + 16);
    EXPECT_EQ(l.window.Height(), 16 + 30 + 8 + 36);
    EXPECT_EQ((ScreenPoint{l.window.left + l.tail[1].x, l.window.top + l.tail[1].y}),
              (ScreenPoint{900, 700}));
    EXPECT_LT(l.window.right, 900 + 30);
    // Upper left corner: below and right of it, and never off the work area.
    l = LayOutBalloon(content, {2, 2}, work);
    EXPECT_TRUE(l.tailAtTop);
    EXPECT_FALSE(l.tailOnRight);
    EXPECT_GE(l.window.left, 0);
    EXPECT_GE(l.window.top, 0);
    for (const ScreenPoint& p : l.tail) {
        EXPECT_GE(p.x, kBalloonMargin);
        EXPECT_LE(p.x, l.window.Width() - kBalloonMargin);
    }
    // Notes taller than the screen: as many lines as leave the whole balloon on it.
    const int lines = BalloonLinesThatFit(16, 14, work);
    EXPECT_LE(LayOutBalloon({{16, 16}, {}, {40, 16}, {300, lines * 14}}, {500, 400}, work)
                  .window.Height(),
              work.Height());
    EXPECT_EQ(BalloonLinesThatFit(16, 14, ScreenRect{0, 0, 100, 50}), 1);
}

TEST(Balloon, CloseEventsFollowTheOptions) {
    // The notes balloon's own options are checked on its window.
    std::uint32_t options = balloon::kCloseOnMouseMove;
    EXPECT_EQ(BalloonReactionToMove(options, {100, 100}, {103, 97}, 3), BalloonAction::kNone);
    EXPECT_EQ(BalloonReactionToMove(options, {100, 100}, {104, 100}, 3), BalloonAction::kClose);

    // Delayed: the first click starts the timeout instead, and no click closes after it.
    options = balloon::kDelayClose | balloon::kCloseOnLeftUp | balloon::kCloseOnKeyDown;
    EXPECT_EQ(BalloonReaction(options, BalloonEvent::kLeftUp), BalloonAction::kStartTimeout);
    EXPECT_EQ(BalloonReaction(options, BalloonEvent::kLeftUp), BalloonAction::kNone);
    EXPECT_EQ(BalloonReaction(options, BalloonEvent::kKeyDown), BalloonAction::kClose);
}

TEST(PasteTarget, TheTopmostOrdinaryWindowThatIsNotOurs) {
    const std::vector<WindowFacts> windows = {
        {1, true, false, "Vaultkeep", WindowKind::kNormal, true},
        {2, true, false, "", WindowKind::kNormal, false},
        {3, true, false, "Panel", WindowKind::kOther, false},
        {4, true, true, "Minimized editor", WindowKind::kNormal, false},
        {5, false, false, "Unmapped", WindowKind::kNormal, false},
        {6, true, false, "Save as", WindowKind::kDialog, false},
        {7, true, false, "Browser", WindowKind::kNormal, false},
    };
    EXPECT_EQ(ChoosePasteTarget(windows), 6u);
    EXPECT_EQ(ChoosePasteTarget({windows.begin(), windows.begin() + 5}), std::nullopt);
}

TEST(PasteTarget, TypesOnlyIntoAnActivatedTarget) {
    test::FakeDesktop desktop;
    test::FakeClock clock;
    test::FakeClipboard clipboard;
    test::ScriptedPrompt prompt;
    CClipboardClearer clearer(clipboard, clock);
    CPasteToApplication paste(desktop, desktop, clearer, prompt);
    using Outcome = CPasteToApplication::Outcome;

    // Nothing qualifies: nothing typed anywhere, and the user is told.
    EXPECT_EQ(paste.Paste("secret", true), Outcome::kNotActivated);
    desktop.windows = {{9, true, false, "Form", WindowKind::kNormal, false}};
    desktop.takesFocus = false;
    EXPECT_EQ(paste.Paste("secret", true), Outcome::kNotActivated);
    EXPECT_EQ(desktop.typed, "");
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{msg::kNotActivated, msg::kNotActivated}));

    // Key notation in the text is typed as it stands; the Tab is a key of its own.
    desktop.takesFocus = true;
    EXPECT_EQ(paste.Paste("{TAB}+^%~\xE9", true), Outcome::kTyped);
    EXPECT_EQ(paste.Paste("user", false), Outcome::kTyped);
    EXPECT_EQ(paste.Paste("", true), Outcome::kNothingTyped);
    EXPECT_EQ(desktop.typed, "{TAB}+^%~\xC3\xA9<Tab>user");
    EXPECT_EQ(desktop.activated, (std::vector<std::uint64_t>{9, 9, 9, 9}));

    // Under Wayland the text is copied instead, and the user is told so once.
    desktop.reachable = false;
    EXPECT_EQ(paste.Paste("first", true), Outcome::kCopiedInstead);
    EXPECT_EQ(paste.Paste("second", true), Outcome::kCopiedInstead);
    EXPECT_EQ(clipboard.text, "second");
    EXPECT_TRUE(clearer.IsPending());
    EXPECT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(prompt.messages.back(), msg::kTypingNotPossible);
}

// The history's own rules are the combo history's; here, that a search feeds it and the
// boxes give back the options they were set from.
TEST(SearchHistory, SearchTextGoesOnTopAndBoxesMatchTheOptions) {
    std::vector<std::string> list = {"e", "d", "c", "b", "a"};
    CPasswordStore store;
    RememberSearchText(list, "f", SearchHistoryOf(store, SearchMode::kQuickAccess));
    EXPECT_EQ(store.itemHistory, (std::vector<std::string>{"f", "e", "d", "c", "b"}));
    for (std::uint32_t options = 0; options < 4; ++options)
        EXPECT_EQ(SearchOptionsFromBoxes(WholeWordOnlyBox(options), MatchCaseBox(options)),
                  options);
    EXPECT_EQ(SearchOptionsFromBoxes(false, false), 3u);
}

}  // namespace
}  // namespace vk
