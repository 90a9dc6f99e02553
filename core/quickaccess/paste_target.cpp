#include "core/quickaccess/paste_target.h"

namespace vk {

std::optional<std::uint64_t> ChoosePasteTarget(const std::vector<WindowFacts>& topmostFirst) {
    for (const WindowFacts& w : topmostFirst) {
        if (!w.mapped || w.minimized || w.title.empty() || w.ours) continue;
        if (w.kind == WindowKind::kOther) continue;
        return w.id;
    }
    return std::nullopt;
}

}  // namespace vk
