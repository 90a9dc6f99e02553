#include "gui/ui/wx_date_format.h"

#include <wx/datetime.h>
#include <wx/uilocale.h>

#include "core/shell/text_encoding.h"
#include "gui/ui/wx_text.h"

namespace vk {

std::string CWxDateFormat::DateText(const SystemTime& date) {
    if (!IsCalendarDate(date)) return {};
    const wxDateTime when(static_cast<wxDateTime::wxDateTime_t>(date.day),
                          static_cast<wxDateTime::Month>(date.month - 1),
                          static_cast<int>(date.year));
    if (!when.IsValid()) return {};
    const wxString format = wxUILocale::GetCurrent().GetInfo(wxLOCALE_SHORT_DATE_FMT);
    std::string text = FromWx(when.Format(format.empty() ? wxString("%x") : format));
    text.resize(FitToBytes(text, kMaxDateTextBytes));
    return text;
}

}  // namespace vk
