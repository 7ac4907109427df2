// Every user preference, named by its key in config.json.
#pragma once

#include <cstdint>
#include <string>

struct settings_record {
    std::string hotkey;
    std::string hotkey_text;
    std::string hotkey_image;
    std::string hotkey_file;
    std::string hotkey_collect;
    std::string hotkey_extra;
    std::string hotkey_text_extra;
    std::string hotkey_image_extra;
    std::string hotkey_file_extra;
    std::string hotkey_collect_extra;
    bool auto_paste = true;
    bool auto_return = false;
    bool copy_in_progress = false; // not stored
    std::int64_t loop_count = 0;
    std::int64_t max_save_count = 0;
    bool start_paster = true;
    bool small_view = false;
    std::string position;
    std::int64_t show_content_type = 3;
    std::int64_t collect_sort_type = 0;
    bool folded_now = false; // not stored
    bool dark_mode = false;
    bool auto_run = true;
    bool image_preview = true;
    std::int64_t image_preview_scale = 1;
    bool paste_by_cloud = true;
    bool auto_fold = false;
    bool even_preview = true;
    bool remove_style = true;
    bool even_search = false;
    std::int64_t search_path = 1;
    bool full_screen_disable = true;
    bool save_text_type = true;
    bool save_image_type = true;
    bool save_file_type = true;
    bool auto_hide_window = true;
    bool enable_hotkey = true;
    std::int64_t language = 1;
};

// The one record of the process, with the built-in defaults until loaded.
settings_record& Settings();

// Field by field, the fields not stored included.
bool operator==(const settings_record& a, const settings_record& b);
inline bool operator!=(const settings_record& a, const settings_record& b)
{
    return !(a == b);
}

// The preferences of an edited copy, taken into live. What the main window
// keeps up itself stays as live has it (the view and favourites order, the
// recording switch, position, language, the fold and copy flags): a hotkey
// or a resize may have changed it while the copy was being edited.
void TakeEditedSettings(settings_record& live, const settings_record& edited);
