// Automatic folding of the list: narrow windows show one line per row.
#pragma once

#include <optional>

namespace fold_rule {

// The new folded flag after a resize to this width, or nothing when it stays.
// A window exactly 500 wide keeps whatever it had, so the flag does not flap.
std::optional<bool> NextFolded(int window_width, bool folded, bool auto_fold);

} // namespace fold_rule
