#include "actions/hover_rule.h"

hover_step HoverStep(const hover_state& state)
{
    if (!state.over_list || !state.on_row || state.menu_showing)
        return hover_step::hide;
    // Another program in front: a hidden preview stays hidden, a shown one
    // follows the pointer until it leaves.
    if (!state.window_active && !state.preview_visible)
        return hover_step::keep;
    if (!state.image_preview || !state.row_is_image)
        return hover_step::hide;
    return hover_step::show;
}
