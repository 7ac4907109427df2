// The list's context menu as a table: what each entry says and runs, and
// which plain keys of the main window run the same actions.
#pragma once

#include <optional>
#include <vector>

enum class list_action {
    copy,
    copy_file,
    paste,
    reverse_paste,
    flip_paste,
    preview,
    pin,
    favourite,
    remove,
    md5,
    base64,
    settings,
    login
};

struct list_menu_entry {
    list_action action;
    const char* text;
    const char* shortcut; // empty: none
    // Translated one by one; a second part is joined with a line feed.
    const char* tooltip;
    const char* tooltip_extra; // empty: none
    bool in_encoding_menu;
};

namespace list_menu_entries {

// Display order; the encoding submenu sits where its first entry is.
const std::vector<list_menu_entry>& Entries();

const char* EncodingMenuText();

// The action of a key event of the main window, if any: the letter keys,
// Space and Return on release while the search box does not hold the
// focus; Delete on press. An auto-repeated event runs nothing, so holding
// a key never pastes or copies again and again.
std::optional<list_action> ActionForKey(
    int key, bool pressed, bool search_focused, bool auto_repeat);

} // namespace list_menu_entries
