// The front-coded word list: the compiled-in list, crafted and damaged lists, the pick rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/tools/word_list.h"
#include "tests/support/scripted_random.h"

namespace vk {
namespace {

using namespace std::string_literals;

std::vector<std::string> ReadAll(CWordListReader& reader) {
    std::vector<std::string> words;
    std::string word;
    while (reader.ReadNext(word)) words.push_back(word);
    return words;
}

TEST(WordListTest, CompiledListHasItsProperties) {
    const std::string_view bytes = CompiledWordList();
    EXPECT_EQ(bytes.size(), 4508u);
    EXPECT_EQ(bytes.substr(0, 11), "\0\4able\2\3out"s);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\0\0"s);

    CWordListReader reader;
    EXPECT_EQ(reader.CountWords(), 971u);
    const auto words = ReadAll(reader);
    ASSERT_EQ(words.size(), 971u);
    EXPECT_EQ(words.front(), "able");
    EXPECT_EQ(words[1], "about");
    EXPECT_EQ(words.back(), "your");
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
    EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size());
    std::set<char> initials;
    for (const auto& w : words) {
        EXPECT_TRUE(w.size() >= 3 && w.size() <= 10) << w;
        EXPECT_EQ(w.find_first_not_of("abcdefghijklmnopqrstuvwxyz'"), std::string::npos) << w;
        initials.insert(w[0]);
    }
    EXPECT_EQ(initials.size(), 24u);

    // At the end entry: false, the word untouched, then the first word again.
    std::string word;
    for (int i = 0; i < 971; ++i) reader.ReadNext(word);
    word = "kept";
    EXPECT_FALSE(reader.ReadNext(word));
    EXPECT_EQ(word, "kept");
    ASSERT_TRUE(reader.ReadNext(word));
    EXPECT_EQ(word, "able");
}

TEST(WordListTest, CraftedAndDamagedListsEndReadingSafely) {
    struct Case {
        std::string bytes;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"", {}},
        {"\0\0"s, {}},
        {"\0\5alpha\1\4mple\0\0"s, {"alpha", "ample"}},
        {"\0\3abc\2\0\0\0"s, {"abc", "ab"}},  // a word may be its predecessor's prefix
        {"\0\3abc"s, {"abc"}},                // no end entry
        {"\0\3abc\4\1d\0\0"s, {"abc"}},       // takes over more than the word before has
        {"\1\2ab\0\0"s, {}},                  // the first word has nothing before it
        {"\0\3abc\0\11de"s, {"abc"}},         // characters past the end
        {"\0\x80"s + std::string(128, 'a') + "\0\0"s, {}},  // counts are signed bytes
        {"\0\1"s, {}},                                      // cut inside the first entry
    };
    for (const Case& c : cases) {
        CWordListReader reader(c.bytes);
        EXPECT_EQ(ReadAll(reader), c.words) << testing::PrintToString(c.bytes);
        EXPECT_EQ(reader.CountWords(), c.words.size());
        EXPECT_EQ(ReadAll(reader), c.words) << "the second pass starts at the beginning";
    }
    test::ScriptedRandom random({5});
    CWordListReader empty("\0\0"s);
    EXPECT_EQ(empty.PickRandomWord(0, random), "");
    EXPECT_TRUE(random.bounds.empty());
}

TEST(WordListTest, PickTakesTheFirstWordTwiceAndTheLastNever) {
    const std::string list = "\0\5alpha\0\4beta\0\5gamma\0\0"s;
    CWordListReader reader(list);
    struct Case {
        std::uint32_t draw;
        const char* word;
    };
    for (const Case& c : {Case{0, "alpha"}, Case{1, "alpha"}, Case{2, "beta"}}) {
        test::ScriptedRandom random({c.draw});
        EXPECT_EQ(reader.PickRandomWord(3, random), c.word) << c.draw;
        EXPECT_EQ(random.bounds, std::vector<std::uint32_t>{3});
    }
    CWordListReader compiled;
    test::ScriptedRandom random({970, 0});
    EXPECT_EQ(compiled.PickRandomWord(971, random), "young");
    EXPECT_EQ(compiled.PickRandomWord(971, random), "able");
}

}  // namespace
}  // namespace vk
