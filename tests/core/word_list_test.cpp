// The front-coded word list: the compiled-in list, crafted and damaged lists, the pick rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/tools/word_list.h"
#include "tests/support/scripted_random.h"

namespace vk {
namespace {

using namespace std::string_literals;

std::vector<std::string> ReadAll(CWordListReader& reader) {
    std::vector<std::string> words;
    for (std::string word; reader.ReadNext(word);) words.push_back(word);
    return words;
}

TEST(WordListTest, CompiledListHasItsProperties) {
    CWordListReader reader;
    EXPECT_EQ(reader.CountWords(), 971u);
    const auto words = ReadAll(reader);
    ASSERT_EQ(words.size(), 971u);
    EXPECT_EQ(words.back(), "your");
    EXPECT_TRUE(std::adjacent_find(words.begin(), words.end(), std::greater_equal<>()) ==
                words.end());  // ascending, no repeats
    for (const auto& w : words)
        EXPECT_TRUE(w.size() >= 3 && w.size() <= 10 &&
                    w.find_first_not_of("abcdefghijklmnopqrstuvwxyz'") == std::string::npos)
            << w;

    // At the end entry: false, the word untouched, and the next read starts again.
    std::string word;
    for (int i = 0; i < 971; ++i) reader.ReadNext(word);
    EXPECT_FALSE(reader.ReadNext(word));
    EXPECT_EQ(word, "your");
    ASSERT_TRUE(reader.ReadNext(word));
    EXPECT_EQ(word, "able");
}

TEST(WordListTest, CraftedAndDamagedListsEndReadingSafely) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"\0\0"s, {}},
        {"\0\5alpha\1\4mple\0\0"s, {"alpha", "ample"}},
        {"\0\3abc\2\0\0\0"s, {"abc", "ab"}},  // a word may be its predecessor's prefix
        {"\0\3abc"s, {"abc"}},                // no end entry
        {"\0\3abc\4\1d\0\0"s, {"abc"}},       // takes over more than the word before has
        {"\1\2ab\0\0"s, {}},                  // the first word has nothing before it
        {"\0\3abc\0\11de"s, {"abc"}},         // characters past the end
        {"\0\x80"s + std::string(128, 'a') + "\0\0"s, {}},  // counts are signed bytes
    };
    for (const auto& [bytes, expected] : cases) {
        CWordListReader reader(bytes);
        EXPECT_EQ(reader.CountWords(), expected.size()) << testing::PrintToString(bytes);
        EXPECT_EQ(ReadAll(reader), expected);
    }
    test::ScriptedRandom random;
    const std::string endOnly = "\0\0"s;
    CWordListReader empty(endOnly);
    EXPECT_EQ(empty.PickRandomWord(0, random), "");
    EXPECT_TRUE(random.bounds.empty());
}

TEST(WordListTest, PickTakesTheFirstWordTwiceAndTheLastNever) {
    const std::string list = "\0\5alpha\0\4beta\0\5gamma\0\0"s;
    CWordListReader reader(list);
    test::ScriptedRandom random({0, 1, 2});
    EXPECT_EQ(reader.PickRandomWord(3, random), "alpha");
    EXPECT_EQ(reader.PickRandomWord(3, random), "alpha");
    EXPECT_EQ(reader.PickRandomWord(3, random), "beta");
    EXPECT_EQ(random.bounds, (std::vector<std::uint32_t>{3, 3, 3}));
    CWordListReader compiled;
    test::ScriptedRandom highest({970});
    EXPECT_EQ(compiled.PickRandomWord(971, highest), "young");
}

}  // namespace
}  // namespace vk
