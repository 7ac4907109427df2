#include "widgets/fold_rule.h"

namespace fold_rule {

std::optional<bool> NextFolded(int window_width, bool folded, bool auto_fold)
{
    if (!auto_fold)
        return std::nullopt;
    const int w = window_width - 1;
    if (w > 499 && folded)
        return false;
    if (w < 499 && !folded)
        return true;
    return std::nullopt;
}

bool FoldedAfterSettings(int window_width, bool auto_fold)
{
    return window_width < 500 && auto_fold;
}

} // namespace fold_rule
