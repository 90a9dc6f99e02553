#include "gui/editor/field_byte_limit.h"

#include <wx/textctrl.h>

#include "core/editor/field_limits.h"
#include "gui/ui/wx_text.h"

namespace vk {

void CFieldByteLimit::Reset(int field) {
    field_ = field;
    before_ = FromWx(edit_.GetValue());
}

bool CFieldByteLimit::Apply() {
    const std::string after = FromWx(edit_.GetValue());
    const LimitedEdit kept = LimitFieldEdit(field_, before_, after);
    before_ = kept.text;
    if (kept.text == after) return false;
    const wxString shown = ToWx(kept.text);
    edit_.ChangeValue(shown);
    // The toolkit counts characters, not bytes.
    edit_.SetInsertionPoint(static_cast<long>(ToWx(kept.text.substr(0, kept.caret)).length()));
    return true;
}

}  // namespace vk
