#pragma once
#include "core/shell/date_text.h"

namespace vk {

// Record dates in the short date form of the user's locale, as the desktop shows them.
class CWxDateFormat : public IDateFormat {
  public:
    std::string DateText(const SystemTime& date) override;
};

}  // namespace vk
