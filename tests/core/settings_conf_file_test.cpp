// The settings file read without the toolkit, as the command-line tool reads it.
#include <gtest/gtest.h>

#include "core/settings/conf_file_text.h"

namespace vk {
namespace {

TEST(ConfFileText, ReadsTheToolkitsLayoutAndSettingsOverDefaults) {
    const std::string text =
        "; comment\n"
        "ColumnName0=Site\r\n"
        "ColumnName1=\" padded \"\n"
        "CategoryName1=Mail\\tand \\\"more\\\"\\\\\n"
        "Mask=0\n"
        "ExpirationDays=  99999999999\n"
        "junk line\n"
        "=no name\n"
        "[Toolbar]\n"
        "ToolBar0=AAAA\n";
    const auto entries = ParseConfFileText(text);
    EXPECT_EQ(entries.at("ColumnName1"), " padded ");
    EXPECT_EQ(entries.at("CategoryName1"), "Mail\tand \"more\"\\");
    EXPECT_EQ(entries.at("Toolbar/ToolBar0"), "AAAA");
    EXPECT_EQ(entries.count("junk line"), 0u);

    const CSettings s = SettingsFromConfFileText(text, [](const std::string&) { return false; });
    EXPECT_EQ(s.columnNames[0], "Site");
    EXPECT_EQ(s.categoryNames[1], "Mail\tand \"more\"\\");
    EXPECT_FALSE(s.mask);
    EXPECT_EQ(s.expirationDays, CSettings().expirationDays);  // not a 32-bit number: default
    EXPECT_EQ(s.columnNames[2], CSettings().columnNames[2]);
}

}  // namespace
}  // namespace vk
