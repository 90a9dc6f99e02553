#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vk {

// The most bytes a user can give each field; a file keeps every one of them. Counted in the
// stored form (a line break of Notes is two bytes).
std::size_t FieldByteLimit(int field);

// Only Notes holds more than one line.
inline bool IsMultiLineField(int field) {
    return field == 13;
}

// Notes as the file keeps them: every line break CR LF. And as an edit box shows them: LF.
std::string NotesToStored(std::string_view text);
std::string NotesToShown(std::string_view text);

// What typing changed from `before` to `after` in a box holding at most `limit` bytes. A change
// that makes the text longer than the limit keeps only as much of the new text as fits, never
// half a character; a longer text that was already there stays whole until it is changed.
struct LimitedEdit {
    std::string text;
    std::size_t caret;  // byte offset just after what was kept of the new text
};
LimitedEdit LimitTypedText(std::string_view before, std::string_view after, std::size_t limit);
// The same for the edit box of `field`, which shows Notes with LF line breaks: measured as the
// file keeps the field; the text and caret come back as the box shows them.
LimitedEdit LimitFieldEdit(int field, std::string_view before, std::string_view after);

// A whole value put into a field at once (paste, drop, the generator) as the field keeps it:
// one line outside Notes (the first), Notes with CR LF, cut to the field's limit.
std::string FitFieldValue(int field, std::string_view text);

// Why a value cannot go into a field unchanged (too long, a line break outside Notes); empty
// when it can. Notes are measured in their stored form.
std::string FieldValueProblem(int field, std::string_view value);

}  // namespace vk
