#include "core/tools/report_settings.h"

#include "core/shell/file_names.h"
#include "core/shell/messages.h"

namespace vk {

int ReportFontSizeFromText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kReportMaxFontSize) value = kReportMaxFontSize + 1;  // never overflows
    }
    if (negative || value < kReportMinFontSize) return kReportMinFontSize;
    return value > kReportMaxFontSize ? kReportMaxFontSize : static_cast<int>(value);
}

std::string ReportHeadingFor(const std::string& filePath) {
    return std::string(msg::kProgramName) + " - " + FileNamePart(filePath);
}

}  // namespace vk
