#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "core/tools/random_source.h"

namespace vk {

// The word list compiled into the program: entries of a shared count S (characters taken
// over from the word before), a new count N and N characters; two zero bytes end it.
std::string_view CompiledWordList();

// Reads a front-coded word list in order. Each word is built on the one before, so reading
// always starts at the beginning of the list. Entries that would read past the end, take
// over more characters than the previous word has, or carry a count of 128 or more are
// damaged: reading ends there as at the end entry.
class CWordListReader {
  public:
    // The reader keeps a view of `list`, which must outlive it.
    explicit CWordListReader(std::string_view list = CompiledWordList()) : list_(list) {}
    explicit CWordListReader(std::string&&) = delete;

    // Back to the first word.
    void Reset() { cursor_ = 0; }
    // The next word into `word`. At the end of the list: false, `word` untouched, and the
    // next read starts again with the first word.
    bool ReadNext(std::string& word);
    // The number of words from the start to the end entry.
    std::size_t CountWords();
    // A word chosen by `random` from a list of `count` words: k = a draw below `count`, at
    // least 1, and the k-th word. So the first word comes twice as often as the others and
    // the last never. Empty when `count` is 0.
    std::string PickRandomWord(std::size_t count, IRandomSource& random);

  private:
    // Decodes the next entry into the word buffer; false at the end or a damaged entry.
    bool Advance();

    static constexpr std::size_t kMaxCount = 127;  // the counts are signed bytes

    std::string_view list_;
    std::size_t cursor_ = 0;
    char buffer_[2 * kMaxCount] = {};
    std::size_t length_ = 0;
};

}  // namespace vk
