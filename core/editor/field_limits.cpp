#include "core/editor/field_limits.h"

#include <algorithm>

#include "core/editor/edit_messages.h"
#include "core/shell/date_text.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_format.h"
#include "core/store/password_store.h"

namespace vk {
namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// The text cut at `limit` bytes; a cut between the CR and LF of a line break drops the CR.
std::string CutStored(std::string_view text, std::size_t limit) {
    std::string out(text.substr(0, FitToBytes(text, limit)));
    if (out.size() < text.size() && !out.empty() && out.back() == '\r') out.pop_back();
    return out;
}

}  // namespace

std::size_t FieldByteLimit(int field) {
    switch (field) {
        case kPassword:
        case kSerial:
        case kEmail:
            return 63;
        case kCreditCard:
        case kPhone:
            return 23;
        case kDateAssigned:
        case kDateExpires:
            return kMaxDateTextBytes;
        case kUrl:
            return 64;
        case kNotes:
            return 1023;
        default:
            return 31;
    }
}

std::string NotesToStored(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (IsLineBreak(text[i]))
            out += "\r\n";
        else
            out += text[i];
    }
    return out;
}

std::string NotesToShown(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    return out;
}

LimitedEdit LimitTypedText(std::string_view before, std::string_view after, std::size_t limit) {
    // The changed part lies between what both texts start and end with.
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    // Never start or end the changed part inside a character.
    if (IsValidUtf8(after)) {
        auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
        while (head > 0 && continuation(after[head])) --head;
        while (tail > 0 && continuation(after[after.size() - tail])) --tail;
    }
    const std::size_t inserted = after.size() - head - tail;
    if (after.size() <= limit || after.size() <= before.size())
        return {std::string(after), head + inserted};
    const std::size_t kept = after.size() - inserted;
    const std::size_t room = limit > kept ? limit - kept : 0;
    const std::string_view added = after.substr(head, inserted);
    std::string text(after.substr(0, head));
    text += CutStored(added, room);
    const std::size_t caret = text.size();
    text += after.substr(after.size() - tail);
    return {text, caret};
}

LimitedEdit LimitFieldEdit(int field, std::string_view before, std::string_view after) {
    if (!IsMultiLineField(field)) return LimitTypedText(before, after, FieldByteLimit(field));
    const LimitedEdit stored =
        LimitTypedText(NotesToStored(before), NotesToStored(after), FieldByteLimit(field));
    const std::string_view head = std::string_view(stored.text).substr(0, stored.caret);
    std::size_t breaks = 0;
    for (std::size_t at = head.find("\r\n"); at != std::string_view::npos;
         at = head.find("\r\n", at + 2))
        ++breaks;
    return {NotesToShown(stored.text), stored.caret - breaks};
}

std::string FitFieldValue(int field, std::string_view text) {
    if (IsMultiLineField(field)) return CutStored(NotesToStored(text), FieldByteLimit(field));
    const auto firstLine = std::find_if(text.begin(), text.end(), IsLineBreak) - text.begin();
    return CutStored(text.substr(0, static_cast<std::size_t>(firstLine)), FieldByteLimit(field));
}

std::string FieldValueProblem(int field, std::string_view value) {
    const char* name = DefaultFieldName(field);
    if (!IsMultiLineField(field) &&
        std::find_if(value.begin(), value.end(), IsLineBreak) != value.end())
        return FormatText(msg::kFieldLineBreakFormat, name);
    const std::size_t size = IsMultiLineField(field) ? NotesToStored(value).size() : value.size();
    if (size > FieldByteLimit(field))
        return FormatText(msg::kFieldTooLongFormat, name,
                          static_cast<unsigned>(FieldByteLimit(field)));
    return {};
}

}  // namespace vk
