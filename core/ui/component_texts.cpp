#include "core/ui/component_texts.h"

#include "core/shell/text_format.h"

namespace vk {

std::string HyperlinkFailureText(int code) {
    return std::string(msg::kUnableToOpenHyperlink) + FormatText(msg::kUnknownErrorFormat, code);
}

}  // namespace vk
