#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "core/shell/date_text.h"

namespace vk {

// Reads date texts back into dates in the user's short date form: the form the date text
// interface writes. The order of day, month and year is learnt once from how that interface
// writes a known date; a text is then read as three numbers in that order, whatever stands
// between them (no letters). Years of one or two digits fall in 1969..2068, as the system's
// date reading takes them; longer years stand as written.
class CDateTextReader {
  public:
    explicit CDateTextReader(IDateFormat& dates);

    // The date a text names; nothing when it names no real calendar date.
    std::optional<SystemTime> Read(std::string_view text) const;

  private:
    enum Part { kDay, kMonth, kYear };
    std::array<Part, 3> order_{kMonth, kDay, kYear};
    bool known_ = false;
};

}  // namespace vk
