#include "core/ui/rich_text.h"

#include <cctype>
#include <cstddef>

#include "core/shell/text_encoding.h"

namespace vk {
namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Reader {
  public:
    explicit Reader(std::string_view source) : s_(source) {}

    std::vector<TextRun> Read() {
        while (at_ < s_.size()) {
            const char c = s_[at_];
            if (c == '{' || c == '}') {
                ++at_;
            } else if (c == '\\') {
                ++at_;
                Control();
            } else if (c == '\r' || c == '\n') {
                ++at_;  // line breaks in the source are not text
            } else {
                Text(std::string(1, c));
                ++at_;
            }
        }
        Flush();
        return std::move(runs_);
    }

  private:
    void Control() {
        if (at_ >= s_.size()) return;
        const char c = s_[at_];
        if (c == '\\' || c == '{' || c == '}') {
            Text(std::string(1, c));
            ++at_;
        } else if (c == '~') {
            Text("\xC2\xA0");
            ++at_;
        } else if (c == '\'') {
            ++at_;
            Byte();
        } else if (IsLetter(c)) {
            Word();
        } else {
            ++at_;  // another control symbol: nothing to show
        }
    }

    void Byte() {
        if (at_ + 1 >= s_.size()) {
            at_ = s_.size();
            return;
        }
        const int high = HexValue(s_[at_]);
        const int low = HexValue(s_[at_ + 1]);
        if (high < 0 || low < 0) return;
        at_ += 2;
        const char byte = static_cast<char>(high * 16 + low);
        Text(TextAsUtf8(std::string_view(&byte, 1)));
    }

    void Word() {
        const std::size_t start = at_;
        while (at_ < s_.size() && IsLetter(s_[at_])) ++at_;
        const std::string_view word = s_.substr(start, at_ - start);
        const std::size_t numberStart = at_;
        if (at_ < s_.size() && s_[at_] == '-') ++at_;
        while (at_ < s_.size() && IsDigit(s_[at_])) ++at_;
        std::string_view number = s_.substr(numberStart, at_ - numberStart);
        if (number == "-") number = {};
        if (at_ < s_.size() && s_[at_] == ' ') ++at_;

        const bool on = number.empty() || number.find_first_not_of("-0") != std::string_view::npos;
        if (word == "b") {
            SetStyle(on, italic_);
        } else if (word == "i") {
            SetStyle(bold_, on);
        } else if (word == "plain") {
            SetStyle(false, false);
        } else if (word == "par" || word == "line") {
            Text("\n");
        } else if (word == "tab") {
            Text("\t");
        }
    }

    void SetStyle(bool bold, bool italic) {
        if (bold == bold_ && italic == italic_) return;
        Flush();
        bold_ = bold;
        italic_ = italic;
    }

    void Text(const std::string& text) { pending_ += text; }

    void Flush() {
        if (pending_.empty()) return;
        if (!runs_.empty() && runs_.back().bold == bold_ && runs_.back().italic == italic_)
            runs_.back().text += pending_;
        else
            runs_.push_back(TextRun{pending_, bold_, italic_});
        pending_.clear();
    }

    std::string_view s_;
    std::size_t at_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    std::string pending_;
    std::vector<TextRun> runs_;
};

}  // namespace

std::vector<TextRun> ReadRichText(std::string_view source) {
    return Reader(source).Read();
}

}  // namespace vk
