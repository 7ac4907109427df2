// What the hover image preview does on a tick of the main window's 100 ms
// timer, from where the pointer is and what lies under it.
#pragma once

enum class hover_step { hide, keep, show };

struct hover_state {
    bool over_list = false;
    // A row lies under the pointer and within the shown list.
    bool on_row = false;
    bool menu_showing = false;
    bool window_active = false;
    bool preview_visible = false;
    bool image_preview = true; // the setting
    bool row_is_image = false;
};

hover_step HoverStep(const hover_state& state);
