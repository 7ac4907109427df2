// What the settings window edits, without the window: its working copy of
// the settings, the controls in their order with the field each writes, and
// the messages from other windows that change the copy.
#pragma once

#include "core/settings_record.h"

#include <cstdint>
#include <string>
#include <vector>

class settings_edits {
public:
    // A check box, or a stepper over labels when index is set. Texts are
    // source texts of the translation context "settings_widget".
    struct control {
        const char* text; // a check box's text
        const char* tool_tip;
        bool settings_record::*flag; // what a check box writes
        std::int64_t settings_record::*index; // what a stepper writes: its label's index
        std::vector<const char*> labels; // a stepper's labels, not translated
        bool starts_row; // the first control of a row of the window
    };
    struct slider {
        const char* name; // the value label shows name, value and ":"
        const char* tool_tip;
        std::int64_t settings_record::*field;
        int minimum;
        int maximum;
    };

    // Check boxes and steppers, in the order the window shows them.
    static const std::vector<control>& Controls();
    static const std::vector<slider>& Sliders();

    explicit settings_edits(const settings_record& current) { Load(current); }

    // The copy taken again from the settings as they are, with every value
    // the controls cannot show replaced by one they can: a slider's value
    // into its range (more than 500 entries kept become 500), a stepper's
    // index outside its labels 0. The window shows what closing applies.
    void Load(const settings_record& current);

    settings_record& edited() { return edited_; }
    const settings_record& edited() const { return edited_; }

    // msg_control_toggled from the night switch (10100) and the hotkey
    // editor's enable switch (20000), and msg_hotkeys_edited (a and b point
    // at the five cycling and the five fixed-slot texts). True when the
    // hotkey texts changed.
    bool OnMessage(std::int64_t id, std::int64_t a, std::int64_t b);

    // The five cycling and the five fixed-slot texts, in settings order.
    std::vector<std::string> Cycling() const;
    std::vector<std::string> FixedSlot() const;

    // A hotkey as the user reads it: "Meta" is the Windows key, "Win".
    static std::string ShownHotkey(const std::string& text);

private:
    settings_record edited_;
};
