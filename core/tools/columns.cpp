#include "core/tools/columns.h"

#include <vector>

#include "core/shell/column_choice.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_format.h"
#include "core/shell/text_rules.h"
#include "core/tools/options_messages.h"

namespace vk {

ColumnChoice ShownColumns(const ColumnSet& set) {
    ColumnChoice shown{};
    for (std::int32_t field : set) {
        if (field >= 0 && field < kListFieldCount) shown[static_cast<std::size_t>(field)] = true;
    }
    return shown;
}

bool SetColumnsFromChoice(CSettings& settings, std::int32_t category, const ColumnChoice& ticked,
                          IUserPrompt& prompt) {
    std::vector<int> boxIds;
    for (int field = 0; field < kListFieldCount; ++field)
        boxIds.push_back(kFirstColumnCheckBoxId + field);
    const auto isTicked = [&ticked](int id) {
        return ticked[static_cast<std::size_t>(id - kFirstColumnCheckBoxId)];
    };
    return ColumnsFromCheckBoxes(boxIds, isTicked, settings.ColumnsOf(category), prompt);
}

void RestoreCategoryDefaults(CSettings& settings, std::int32_t category) {
    const std::int32_t c = NormaliseCategory(category);
    settings.ColumnsOf(c) = DefaultColumnSet(c);
    settings.categoryNames[static_cast<std::size_t>(c - 1)] =
        CSettings::DefaultCategoryNames()[static_cast<std::size_t>(c - 1)];
}

std::string CutName(const std::string& name, std::size_t limit) {
    return name.substr(0, FitToBytes(name, limit));
}

bool RenameCategory(CSettings& settings, std::int32_t category, const std::string& name) {
    if (name.empty()) return false;
    settings.categoryNames[static_cast<std::size_t>(NormaliseCategory(category) - 1)] =
        CutName(name, kMaxCategoryNameBytes);
    return true;
}

std::string LabelText(const std::string& name) {
    return MenuTextOfName(name);
}

std::string ColumnsFrameText(const std::string& categoryName) {
    return FormatText(msg::kColumnsFrameFormat, LabelText(categoryName).c_str());
}

std::string ShortName(const std::string& name, std::size_t maxChars) {
    const std::string text = TextAsUtf8(name);
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        if (chars == maxChars) return out + "\xE2\x80\xA6";
        const auto lead = static_cast<unsigned char>(text[i]);
        const bool c1Control =
            lead == 0xC2 && length == 2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (lead < 0x20 || lead == 0x7F || c1Control)
            out += ' ';
        else
            out.append(text, i, length);
        ++chars;
        i += length;
    }
    return out;
}

int IconIndex(std::int32_t iconId) {
    for (std::size_t i = 0; i < kColumnIconTable.size(); ++i) {
        if (kColumnIconTable[i] == iconId) return static_cast<int>(i);
    }
    return 0;
}

int IconIndexOfField(const CSettings& settings, int field) {
    if (field < 0 || field >= kListFieldCount) return 0;
    return IconIndex(settings.columnIcons[static_cast<std::size_t>(field)]);
}

IconRefusal IconChangeRefusal(int field) {
    if (field == kPassword) return IconRefusal::kPassword;
    if (field == kDateAssigned || field == kDateExpires) return IconRefusal::kDate;
    return IconRefusal::kNone;
}

const char* IconRefusalText(IconRefusal refusal) {
    switch (refusal) {
        case IconRefusal::kPassword:
            return msg::kCannotChangePasswordIcon;
        case IconRefusal::kDate:
            return msg::kCannotChangeDateIcon;
        case IconRefusal::kNone:
            break;
    }
    return "";
}

bool SetColumnIcon(CSettings& settings, int field, int iconIndex) {
    if (field < 0 || field >= kListFieldCount || IconChangeRefusal(field) != IconRefusal::kNone)
        return false;
    if (iconIndex < 0 || iconIndex >= static_cast<int>(kColumnIconTable.size())) return false;
    settings.columnIcons[static_cast<std::size_t>(field)] =
        kColumnIconTable[static_cast<std::size_t>(iconIndex)];
    return true;
}

void ResetColumnNamesAndIcons(CSettings& settings) {
    settings.columnNames = CSettings::DefaultColumnNames();
    settings.columnIcons = CSettings::DefaultColumnIcons();
}

}  // namespace vk
