#pragma once
#include <optional>
#include <string>

namespace vk {

// The report's options, kept by the application for the whole run and never stored: every
// run of the program starts with these defaults.
struct CReportSettings {
    std::string heading = "Vaultkeep";
    std::optional<int> fontSize;  // unset until the first report; shown as 8
    bool bars = false;
    bool expiredOnly = false;
    bool pageBreak = false;
};

// Which of the optional items a report prints besides the category's columns.
struct ReportItems {
    bool passwords = false;
    bool urls = false;
    bool emails = false;
    bool comments = false;
};

constexpr int kReportMinFontSize = 6;
constexpr int kReportMaxFontSize = 30;
constexpr int kReportDefaultFontSize = 8;
// The sizes the font size box offers; others can be typed.
constexpr int kReportListedFontSizes[] = {6, 7, 8, 9, 10, 11, 12};

// The font size a typed text asks for: its leading whole number (blanks before it and a sign
// allowed), at least 6 (also when the text holds no number) and at most 30.
int ReportFontSizeFromText(const std::string& text);

// The size shown and used while none was chosen yet.
inline int ReportFontSizeOrDefault(const std::optional<int>& size) {
    return size ? *size : kReportDefaultFontSize;
}

// "Vaultkeep - NAME" for the password file at `filePath` (its name without the folder).
std::string ReportHeadingFor(const std::string& filePath);

// The date on every page: today as "%B %d, %Y" in `locale`.
inline constexpr const char kReportDatePicture[] = "%B %d, %Y";

namespace msg {
inline constexpr const char kNoFoldersSelected[] = "No folders are selected.";
inline constexpr const char kReportCaption[] = "Report";
}  // namespace msg

}  // namespace vk
