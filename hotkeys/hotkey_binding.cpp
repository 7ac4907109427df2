#include "hotkeys/hotkey_binding.h"

#include "history/content_record.h"

namespace {

struct family {
    std::string settings_record::*cycling;
    std::string settings_record::*fixed_slot;
    std::int64_t view;
};

const family kFamilies[] = {
    { &settings_record::hotkey, &settings_record::hotkey_extra, content_all },
    { &settings_record::hotkey_text, &settings_record::hotkey_text_extra, content_text },
    { &settings_record::hotkey_image, &settings_record::hotkey_image_extra, content_image },
    { &settings_record::hotkey_file, &settings_record::hotkey_file_extra, content_file },
    { &settings_record::hotkey_collect, &settings_record::hotkey_collect_extra, content_favourite },
};

} // namespace

std::string FixedSlotText(const std::string& setting, int digit)
{
    const std::string prefix = setting.size() < 3 ? setting : setting.substr(0, setting.size() - 3);
    return prefix + std::to_string(digit);
}

std::vector<hotkey_binding> HotkeyBindings(const settings_record& settings)
{
    std::vector<hotkey_binding> bindings;
    bindings.reserve(cycling_hotkey_count * (1 + fixed_slot_digits));
    for (const family& f : kFamilies)
        bindings.push_back({ settings.*f.cycling, f.view, -1 });
    for (int digit = 1; digit <= fixed_slot_digits; ++digit)
        for (const family& f : kFamilies)
            bindings.push_back({ FixedSlotText(settings.*f.fixed_slot, digit), f.view, digit - 1 });
    return bindings;
}
