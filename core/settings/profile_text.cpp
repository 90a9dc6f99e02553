#include "core/settings/profile_text.h"

#include <vector>

namespace vk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// One line of the profile without its line end.
struct Line {
    std::string_view text;
    bool crlf = false;
};

std::vector<Line> SplitLines(std::string_view profile) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < profile.size()) {
        std::size_t end = profile.find('\n', start);
        if (end == std::string_view::npos) end = profile.size();
        Line line{profile.substr(start, end - start)};
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.remove_suffix(1);
            line.crlf = true;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The section a "[name]" line opens; nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    return Trim(line.substr(0, close));
}

// The key of a "key=value" line; nothing for comments and lines without '='.
std::optional<std::string_view> KeyName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';') return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, equals));
}

// Where a section's lines are: its header and the line after its last line.
struct SectionSpan {
    std::size_t header = 0;
    std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i].text);
        if (!name || !EqualIgnoringCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end].text)) ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, const SectionSpan& span,
                                   std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto name = KeyName(lines[i].text);
        if (name && EqualIgnoringCase(*name, key)) return i;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view profile, std::string_view section,
                                            std::string_view key) {
    const std::vector<Line> lines = SplitLines(profile);
    const auto span = FindSection(lines, section);
    if (!span) return std::nullopt;
    const auto index = FindKey(lines, *span, key);
    if (!index) return std::nullopt;
    std::string_view line = lines[*index].text;
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string SetProfileValue(std::string_view profile, std::string_view section,
                            std::string_view key, std::string_view value) {
    std::vector<Line> lines = SplitLines(profile);
    const bool crlf = !lines.empty() && lines.front().crlf;
    const std::string entry = std::string(key) + "=" + std::string(value);
    const std::string header = "[" + std::string(section) + "]";

    const auto span = FindSection(lines, section);
    if (!span) {
        lines.push_back(Line{header, crlf});
        lines.push_back(Line{entry, crlf});
    } else if (const auto index = FindKey(lines, *span, key)) {
        lines[*index].text = entry;
    } else {
        // After the section's last non-empty line, so that a blank line before the next
        // section stays where it is.
        std::size_t at = span->end;
        while (at > span->header + 1 && Trim(lines[at - 1].text).empty()) --at;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{entry, crlf});
    }

    std::string out;
    for (const Line& line : lines) {
        out.append(line.text);
        out += line.crlf ? "\r\n" : "\n";
    }
    return out;
}

}  // namespace vk
