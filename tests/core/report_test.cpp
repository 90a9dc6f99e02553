// The report's layout on a canvas with fixed-width fonts: pages, headers, headings, bars,
// cuts and which records print.
#include <gtest/gtest.h>

#include <functional>

#include "core/tools/report_run.h"
#include "tests/support/fake_report_canvas.h"

namespace vk {
namespace {

constexpr char kToday[] = "June 15, 2024";

class ReportTest : public ::testing::Test {
  protected:
    int Folder(const std::string& path, std::int32_t category = 1) {
        return store.AddFolder(path, category);
    }
    CRecord& Add(int folder, const std::string& description, const std::string& user = "u") {
        CRecord r;
        r[kDescription] = description;
        r[kUsername] = user;
        return store.folders[static_cast<std::size_t>(folder)].records.emplace_back(r);
    }
    CReportDocument Run(const std::function<void(CReportSelection&)>& tick = nullptr) {
        tree.BuildFrom(store);
        CReportSelection selection(tree);
        if (tick) tick(selection);
        test::FakeReportCanvas canvas;
        return LayOutReport({store, selection, settings, items, options, now, kToday}, canvas);
    }
    static std::vector<std::string> Texts(const CReportDocument& doc, std::size_t page) {
        std::vector<std::string> texts;
        for (const ReportOp& op : doc.Page(page))
            if (op.kind == ReportOp::Kind::kText) texts.push_back(op.text);
        return texts;
    }
    static int Count(const CReportDocument& doc, std::size_t page, const std::string& text) {
        auto t = Texts(doc, page);
        return static_cast<int>(std::count(t.begin(), t.end(), text));
    }
    static const ReportOp* Find(const CReportDocument& doc, const std::string& text) {
        for (std::size_t p = 0; p < doc.PageCount(); ++p)
            for (const ReportOp& op : doc.Page(p))
                if (op.kind == ReportOp::Kind::kText && op.text == text) return &op;
        return nullptr;
    }

    CPasswordStore store;
    CSettings settings;
    CFolderTree tree;
    ReportItems items;
    CReportSettings options;
    SystemTime now{2024, 6, 0, 15, 12, 0, 0, 0};
};

TEST_F(ReportTest, EveryPageCarriesItsHeaderAndEveryRecordPrintsOnceInOrder) {
    options.heading = "Vaultkeep - mine.vk";
    options.fontSize = 10;
    const int f = Folder("Mail");
    std::vector<std::string> expected;
    for (int i = 0; i < 150; ++i) expected.push_back(Add(f, "rec" + std::to_string(i))[0]);
    const CReportDocument doc = Run();
    ASSERT_GE(doc.PageCount(), 3u);
    std::vector<std::string> printed;
    for (std::size_t p = 0; p < doc.PageCount(); ++p) {
        SCOPED_TRACE(p);
        const auto texts = Texts(doc, p);
        const ReportOp& number = doc.Page(p)[0];
        EXPECT_EQ(number.text, std::to_string(p + 1));
        EXPECT_EQ(number.align, ReportAlign::kRight);
        EXPECT_EQ(texts[1], kToday);
        EXPECT_EQ(texts[2], "Vaultkeep - mine.vk");
        EXPECT_EQ(1, std::count_if(doc.Page(p).begin(), doc.Page(p).end(), [](const ReportOp& op) {
                      return op.kind == ReportOp::Kind::kRule;
                  }));
        // The first page's headings head the group; later pages carry them in the header.
        EXPECT_EQ(Count(doc, p, "Description"), 1);
        for (const auto& t : texts)
            if (t.rfind("rec", 0) == 0) printed.push_back(t);
        for (const ReportOp& op : doc.Page(p)) {
            if (op.kind == ReportOp::Kind::kText) {
                EXPECT_EQ(op.font.points, 10);
            }
            EXPECT_LE(op.box.bottom, 1100 - 50);
        }
    }
    EXPECT_EQ(printed, expected);
}

TEST_F(ReportTest, ColumnHeadingsOncePerTopLevelGroupOrOnANewPagePerGroup) {
    Add(Folder("A"), "a1");
    Add(Folder("A~Sub"), "s1");
    Add(Folder("B", 4), "b1")[kTitle] = "b-title";
    const CReportDocument together = Run();
    ASSERT_EQ(together.PageCount(), 1u);
    EXPECT_EQ(Count(together, 0, "Description"), 1);  // A and A~Sub share one group
    EXPECT_EQ(Count(together, 0, "Title"), 1);        // B's category shows its own columns
    EXPECT_EQ(Count(together, 0, "Sub"), 1);          // a folder shows its own name

    options.pageBreak = true;
    const CReportDocument apart = Run();
    ASSERT_EQ(apart.PageCount(), 2u);
    EXPECT_EQ(Count(apart, 0, "Description"), 1);
    EXPECT_EQ(Count(apart, 0, "s1"), 1);
    EXPECT_EQ(Count(apart, 1, "Title"), 1);
    EXPECT_EQ(Count(apart, 1, "b-title"), 1);
}

TEST_F(ReportTest, BarsMarkTheFolderLineAndEverySecondRowAndRestartAfterNotes) {
    options.bars = true;
    items.comments = true;
    const int f = Folder("A");
    for (const char* d : {"r1", "r2", "r3", "r4", "r5"}) Add(f, d);
    store.folders[0].records[2][kNotes] = "note";
    const CReportDocument doc = Run();
    std::vector<int> bandTops;
    for (const ReportOp& op : doc.Page(0))
        if (op.kind == ReportOp::Kind::kBand) bandTops.push_back(op.box.top - 2);
    const std::vector<int> expected{Find(doc, "A")->box.top, Find(doc, "r2")->box.top,
                                    Find(doc, "r4")->box.top};
    EXPECT_EQ(bandTops, expected);
    options.bars = false;
    EXPECT_EQ(Count(Run(), 0, "note"), 1);
}

TEST_F(ReportTest, TooLongTextsEndInAnEllipsisWithinTheirBox) {
    items.comments = true;
    CRecord& r = Add(Folder("A"), std::string(200, 'd'));
    r[kNotes] = std::string(300, 'n') + "\r\nmore";
    Add(0, "short")[kNotes] = "one\r\ntwo\nthree";
    Add(0, "\xc3\xa9t\xc3\xa9")[kUsername] = std::string(40, '\xe2');  // not UTF-8
    Add(0, "huge")[kNotes] = std::string(1 << 20, 'h');
    const CReportDocument doc = Run();
    int cut = 0;
    for (const ReportOp& op : doc.Page(0)) {
        if (op.kind != ReportOp::Kind::kText) continue;
        test::FakeReportCanvas measure;
        measure.SetFont(op.font);
        EXPECT_LE(measure.TextWidth(op.text), op.box.Width()) << op.text;
        if (op.text.size() > 3 && op.text.substr(op.text.size() - 3) == "...") ++cut;
    }
    EXPECT_EQ(cut, 4);  // the description, the long notes, the odd user name, the huge notes
    EXPECT_NE(Find(doc, "one twothree"), nullptr);
    EXPECT_NE(Find(doc, "\xc3\xa9t\xc3\xa9"), nullptr);

    // At the largest font the date reaches past the page's centre: the heading still shows
    // between the date and the page number.
    options.fontSize = 30;
    options.heading = std::string(40, 'h');
    const CReportDocument big = Run();
    EXPECT_EQ(Texts(big, 0)[2], "hhhhhh...");
    EXPECT_GT(big.Page(0)[2].box.left, big.Page(0)[1].box.left + 13 * 30);
}

TEST_F(ReportTest, ExpiredOnlyPrintsRecordsThatExpiredBeforeNow) {
    options.expiredOnly = true;
    const int f = Folder("A");
    Add(f, "past").dateExpires = SystemTime{2024, 6, 0, 15, 11, 59, 0, 0};
    Add(f, "later").dateExpires = SystemTime{2024, 6, 0, 15, 12, 1, 0, 0};
    Add(f, "never");
    // Dates no calendar holds show no text anywhere, so they count as no date at all.
    Add(f, "month 13").dateExpires = SystemTime{2020, 13, 0, 1, 0, 0, 0, 0};
    const CReportDocument doc = Run();
    EXPECT_NE(Find(doc, "past"), nullptr);
    for (const char* hidden : {"later", "never", "month 13"})
        EXPECT_EQ(Find(doc, hidden), nullptr) << hidden;
}

TEST_F(ReportTest, OnlyTickedFoldersWithSomethingToShowPrint) {
    const int shown = Folder("Shown");
    Add(shown, "pw-row")[kPassword] = "secret";
    Add(shown, "", "")[kUrl] = "url";  // nothing in the category's columns
    Add(Folder("Shown~Empty"), "", "")[kUrl] = "x";
    Add(Folder("Unticked"), "hidden");
    const CReportDocument doc =
        Run([&](CReportSelection& s) { s.SetTicked(tree.TopLevel()[1].get(), false); });
    EXPECT_EQ(Find(doc, "Empty"), nullptr);
    EXPECT_EQ(Find(doc, "hidden"), nullptr);
    EXPECT_EQ(Find(doc, "secret"), nullptr);
    EXPECT_EQ(Find(doc, "Password"), nullptr);

    items = {true, true, true, false};
    const CReportDocument all = Run();
    EXPECT_NE(Find(all, "secret"), nullptr);
    EXPECT_EQ(Find(all, "url"), nullptr);  // a URL alone is not a reason to print
    std::vector<std::string> headings;
    for (const ReportOp& op : all.Page(0))
        if (op.font.underline && headings.size() < 7) headings.push_back(op.text);
    EXPECT_EQ(headings, (std::vector<std::string>{"Description", "Username", "Password",
                                                  "Date assi...", "Date expires", "URL", "Email"}));
}

TEST_F(ReportTest, ABlankLineNeverOpensAPage) {
    options.pageBreak = true;
    Add(Folder("Nothing"), "", "");
    EXPECT_EQ(Run().PageCount(), 1u);  // nothing printed: one page with its header
    Add(Folder("Some"), "row");
    const CReportDocument doc = Run();
    ASSERT_EQ(doc.PageCount(), 1u);
    EXPECT_EQ(Count(doc, 0, "row"), 1);
}

TEST(ReportSelection, ClearingClearsTheSubtreeTickingTicksOnlyTheFolder) {
    CPasswordStore store;
    for (const char* p : {"A", "A~B", "A~B~C", "D"}) store.AddFolder(p, 1);
    CFolderTree tree;
    tree.BuildFrom(store);
    CReportSelection s(tree);
    const auto* a = tree.TopLevel()[0].get();
    const auto* b = a->children[0].get();
    const auto* c = b->children[0].get();
    s.SetTicked(a, false);
    EXPECT_FALSE(s.IsTicked(b) || s.IsTicked(c));
    EXPECT_TRUE(s.IsTicked(tree.TopLevel()[1].get()));
    s.SetTicked(a, true);
    EXPECT_TRUE(s.IsTicked(a));
    EXPECT_FALSE(s.IsTicked(b));
    s.TickAll(false);
    EXPECT_FALSE(s.AnyFolderTicked(store));
    s.SetTicked(c, true);
    EXPECT_TRUE(s.AnyFolderTicked(store));
}

TEST(ReportOptions, FontSizeFromTypedTextAndHeading) {
    const std::pair<const char*, int> cases[] = {
        {"4", 6},   {"40", 30},   {"", 6},
        {"abc", 6}, {" 9pt", 9},  {"+7", 7},
        {"-12", 6}, {"11.9", 11}, {"99999999999999999999999999", 30}};
    for (const auto& [text, size] : cases) EXPECT_EQ(ReportFontSizeFromText(text), size) << text;
    EXPECT_EQ(ReportFontSizeOrDefault(std::nullopt), 8);
    EXPECT_EQ(ReportHeadingFor("/home/me/My file.vk"), "Vaultkeep - My file.vk");
}

}  // namespace
}  // namespace vk
