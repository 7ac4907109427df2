// What the hotkey settings ask to register: five cycling hotkeys, one per
// view, and nine fixed-slot hotkeys (a prefix and the digits 1 to 9) per view.
#pragma once

#include "core/settings_record.h"

#include <cstdint>
#include <string>
#include <vector>

struct hotkey_binding {
    std::string text; // "Ctrl+Alt+Q", "Ctrl+3"
    std::int64_t view = 0; // show_content_type code
    int slot = -1; // -1 cycles, 0 to 8 picks the row of digit slot + 1
};

constexpr int cycling_hotkey_count = 5;
constexpr int fixed_slot_digits = 9;

// A fixed-slot setting ("Ctrl+Shift+1~9") for one digit: the text without its
// last three characters, a text shorter than that taken whole, then the digit.
std::string FixedSlotText(const std::string& setting, int digit);

// The five cycling bindings in settings order (all, text, image, file,
// favourites), then for each digit 1 to 9 the five families in that order.
std::vector<hotkey_binding> HotkeyBindings(const settings_record& settings);
