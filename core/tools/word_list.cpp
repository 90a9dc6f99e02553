#include "core/tools/word_list.h"

#include <cstring>

#include "core/tools/word_list_data.h"

namespace vk {

std::string_view CompiledWordList() {
    return {reinterpret_cast<const char*>(kWordListData), kWordListDataBytes};
}

bool CWordListReader::Advance() {
    if (cursor_ + 2 > list_.size()) return false;
    const auto shared = static_cast<unsigned char>(list_[cursor_]);
    const auto fresh = static_cast<unsigned char>(list_[cursor_ + 1]);
    if (shared == 0 && fresh == 0) return false;
    // The first entry has no word before it: whatever an earlier pass left is no prefix.
    const std::size_t previous = cursor_ == 0 ? 0 : length_;
    if (shared > kMaxCount || fresh > kMaxCount || shared > previous ||
        cursor_ + 2 + fresh > list_.size())
        return false;
    std::memcpy(buffer_ + shared, list_.data() + cursor_ + 2, fresh);
    length_ = shared + std::size_t{fresh};
    cursor_ += 2 + std::size_t{fresh};
    return true;
}

bool CWordListReader::ReadNext(std::string& word) {
    if (!Advance()) {
        cursor_ = 0;
        return false;
    }
    word.assign(buffer_, length_);
    return true;
}

std::size_t CWordListReader::CountWords() {
    Reset();
    std::size_t count = 0;
    while (Advance()) ++count;
    Reset();
    return count;
}

std::string CWordListReader::PickRandomWord(std::size_t count, IRandomSource& random) {
    if (count == 0) return {};
    Reset();
    std::uint32_t k = random.Draw(static_cast<std::uint32_t>(count));
    if (k < 1) k = 1;
    std::size_t read = 0;
    while (read < k && Advance()) ++read;
    std::string word = read > 0 ? std::string(buffer_, length_) : std::string();
    Reset();
    return word;
}

}  // namespace vk
