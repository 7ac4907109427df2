// What the keys held while copying ask for: Shift shows the copy at once,
// Ctrl+Shift searches the web for a copied text.
#pragma once

#include "history/clipboard_capture.h"

struct copy_shortcuts {
    bool pin_text = false;
    bool pin_image = false;
    bool web_search = false;
    // A file copy: its text opened as an address.
    bool open_files = false;
    bool any() const { return pin_text || pin_image || web_search || open_files; }
};

// Only a copy that made an entry has anything to show.
copy_shortcuts CopyShortcutsFor(
    clipboard_capture::outcome outcome, bool shift, bool ctrl, bool even_preview, bool even_search);
