#include "core/settings_record.h"

#include <tuple>

namespace {

auto Fields(const settings_record& r)
{
    return std::tie(r.hotkey, r.hotkey_text, r.hotkey_image, r.hotkey_file, r.hotkey_collect,
        r.hotkey_extra, r.hotkey_text_extra, r.hotkey_image_extra, r.hotkey_file_extra,
        r.hotkey_collect_extra, r.auto_paste, r.auto_return, r.copy_in_progress, r.loop_count,
        r.max_save_count, r.start_paster, r.small_view, r.position, r.show_content_type,
        r.collect_sort_type, r.folded_now, r.dark_mode, r.auto_run, r.image_preview,
        r.image_preview_scale, r.paste_by_cloud, r.auto_fold, r.even_preview, r.remove_style,
        r.even_search, r.search_path, r.full_screen_disable, r.save_text_type, r.save_image_type,
        r.save_file_type, r.auto_hide_window, r.enable_hotkey, r.language);
}

} // namespace

settings_record& Settings()
{
    static auto* record = new settings_record; // kept until exit, read during shutdown
    return *record;
}

bool operator==(const settings_record& a, const settings_record& b)
{
    return Fields(a) == Fields(b);
}

void TakeEditedSettings(settings_record& live, const settings_record& edited)
{
    settings_record taken = edited;
    taken.copy_in_progress = live.copy_in_progress;
    taken.start_paster = live.start_paster;
    taken.position = live.position;
    taken.show_content_type = live.show_content_type;
    taken.collect_sort_type = live.collect_sort_type;
    taken.folded_now = live.folded_now;
    taken.language = live.language;
    live = std::move(taken);
}
