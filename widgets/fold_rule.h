// Automatic folding of the list: narrow windows show one line per row.
#pragma once

#include <optional>

namespace fold_rule {

// The new folded flag after a resize to this width, or nothing when it stays.
// A window exactly 500 wide keeps whatever it had, so the flag does not flap.
std::optional<bool> NextFolded(int window_width, bool folded, bool auto_fold);

// The folded flag once small_view or auto_fold was changed in the settings:
// a window 500 or more wide unfolds, a narrower one folds when auto_fold is on.
bool FoldedAfterSettings(int window_width, bool auto_fold);

} // namespace fold_rule
