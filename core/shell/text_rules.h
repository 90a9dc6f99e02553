#pragma once
#include <string>
#include <vector>

namespace vk {

// "\"C:\\My files\\a.vk\"" -> "C:\\My files\\a.vk"; a text that is not enclosed stays.
std::string RemoveEnclosingQuotes(const std::string& text);

// A non-empty text that does not start with a double quote mark gets one at each end.
std::string AddEnclosingQuotes(const std::string& text);

// Every '&' doubled and control characters as blanks, so that a menu or label shows the
// name literally.
std::string MenuTextOfName(const std::string& name);

// The name of category 1..4 from the category names (the first names category 1);
// "INVALID COLUMN" for any other number or a name the list does not hold.
std::string CategoryName(long category, const std::vector<std::string>& names);

}  // namespace vk
