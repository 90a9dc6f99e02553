#include <gtest/gtest.h>

#include "gui/ui/wx_text.h"

// Stored bytes survive the trip through the toolkit's strings, whatever their encoding.
TEST(Toolkit, TextConversionKeepsEveryCharacter) {
    EXPECT_EQ(vk::FromWx(vk::ToWx("Caf\xC3\xA9")), "Caf\xC3\xA9");
    // Windows-1252 bytes become the same characters in UTF-8.
    EXPECT_EQ(vk::FromWx(vk::ToWx("Caf\xE9 \x80")), "Caf\xC3\xA9 \xE2\x82\xAC");
}
