// The tips of the day through the rich-text reader, the next-tip rule, and help topics as
// dialogs open and close inside each other.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/ui/help_topics.h"
#include "core/ui/rich_text.h"
#include "core/ui/tips.h"

namespace vk {
namespace {

std::string Plain(const std::vector<TextRun>& runs) {
    std::string text;
    for (const TextRun& r : runs) text += r.text;
    return text;
}

TEST(RichText, ReadsStylesParagraphsAndEscapes) {
    using R = TextRun;
    struct Case {
        const char* source;
        std::vector<TextRun> runs;
    };
    const Case cases[] = {
        {"a \\b bold\\b0  c", {R{"a ", false, false}, R{"bold", true, false}, R{" c"}}},
        {"\\i x\\i0 .", {R{"x", false, true}, R{"."}}},
        {"\\b\\i both\\plain no", {R{"both", true, true}, R{"no"}}},
        {"one\\par  \\par two", {R{"one\n \ntwo"}}},
        {"\\\\ \\{ \\} {group} \\~", {R{"\\ { } group \xC2\xA0"}}},
        {"caf\\'e9 \\'zz", {R{"caf\xC3\xA9 zz"}}},
        {"\\unknown42 word \\fs20 x\\b1 y\\b-0 z", {R{"word x"}, R{"y", true}, R{"z"}}},
        {"end\\", {R{"end"}}},
        {"\\'4", {}},
        {"\\b0 \\i0 ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(ReadRichText(c.source), c.runs);
    }
}

TEST(Tips, AllNineReadAsPlainStyledText) {
    const auto& tips = TipTexts();
    ASSERT_EQ(tips.size(), 9u);
    for (const std::string& tip : tips) {
        SCOPED_TRACE(tip);
        EXPECT_LE(tip.size(), 512u);
        const std::string text = Plain(ReadRichText(tip));
        EXPECT_EQ(text.find('\\'), std::string::npos);
        EXPECT_FALSE(text.empty());
    }
    // Styles land on the words the tips mean; the words are true here, and spelled right.
    EXPECT_EQ(ReadRichText(tips[1])[1], (TextRun{"military-strength ", true, false}));
    const std::string all = Plain(ReadRichText(tips[0])) + Plain(ReadRichText(tips[2])) +
                            Plain(ReadRichText(tips[3])) + Plain(ReadRichText(tips[6]));
    for (const char* word : {"retrieval", "your web browser", "your file manager", "multiple"})
        EXPECT_NE(all.find(word), std::string::npos) << word;
    for (const char* word : {"retrival", "Internet Explorer", "Window's Explorer", "mutiple"})
        EXPECT_EQ(all.find(word), std::string::npos) << word;
}

TEST(Tips, NextTipStartsAtTheStoredPositionAndWraps) {
    struct Case {
        std::int64_t stored;
        std::size_t first;
    };
    for (const Case c : {Case{0, 0}, Case{8, 8}, Case{20, 0}, Case{-1, 0}, Case{9, 0},
                         Case{std::int64_t{1} << 40, 0}, Case{4294967295LL, 0}}) {
        CTipCursor cursor(c.stored);
        EXPECT_EQ(&cursor.Next(), &TipTexts()[c.first]) << c.stored;
        EXPECT_EQ(cursor.Position(), c.first + 1);
    }
    CTipCursor cursor(8);
    cursor.Next();
    EXPECT_EQ(&cursor.Next(), &TipTexts()[0]);  // "Next Tip" after the last
    EXPECT_EQ(CTipCursor(-5).Position(), 0u);
}

TEST(HelpTopics, NestedDialogsGiveBackTheTopicTheyFound) {
    // A page made active inside a dialog comes back when the dialog above it closes: checked
    // with F1 on real dialogs.
    CHelpContext help;
    EXPECT_EQ(help.TopicToShow(), help::kMainWindow);
    {
        CHelpContext::Scope generator(help, HelpTopicOfDialog(158));
        EXPECT_EQ(help.TopicToShow(), help::kGenerator);
        {
            // A dialog without a topic of its own shows the one under it.
            CHelpContext::Scope plain(help, HelpTopicOfDialog(4711));
            EXPECT_EQ(help.TopicToShow(), help::kGenerator);
        }
    }
    EXPECT_EQ(help.Current(), help::kNone);
    EXPECT_EQ(help.TopicToShow(), help::kMainWindow);

    // The numbers the program is known by (the sheets' own are checked on their windows), and
    // a page for every topic; a topic without a page shows the main window's.
    EXPECT_EQ(HelpTopicOfDialog(227), 1011);
    EXPECT_EQ(HelpTopicOfDialog(295), 1023);
    EXPECT_EQ(HelpTopicOfDialog(225), 1022);
    std::set<int> topics(HelpTopics().begin(), HelpTopics().end());
    for (int t : {1005, 1010, 1011, 1012, 1018, 1022, 1023}) EXPECT_EQ(topics.count(t), 1u) << t;
    EXPECT_STREQ(HelpPageOfTopic(99999), HelpPageOfTopic(help::kMainWindow));
}

}  // namespace
}  // namespace vk
