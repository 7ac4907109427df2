#include "actions/copy_shortcuts.h"

copy_shortcuts CopyShortcutsFor(
    clipboard_capture::outcome outcome, bool shift, bool ctrl, bool even_preview, bool even_search)
{
    using outcome_t = clipboard_capture::outcome;
    copy_shortcuts wanted;
    if (!shift)
        return wanted;
    switch (outcome) {
    case outcome_t::text:
        wanted.pin_text = !ctrl && even_preview;
        wanted.web_search = ctrl && even_search;
        break;
    case outcome_t::file_list:
        wanted.open_files = even_preview;
        break;
    case outcome_t::image:
    case outcome_t::image_file:
        wanted.pin_image = even_preview;
        break;
    default:
        break;
    }
    return wanted;
}
