// A global hotkey as the platform layer registers it: modifier bits and one
// virtual-key code, read from a key sequence.
#pragma once

#include <optional>
#include <QKeySequence>
#include <string>

struct hotkey_combination {
    int modifiers = 0; // platform::mod bits
    int virtual_key = 0;
    bool operator==(const hotkey_combination& o) const
    {
        return modifiers == o.modifiers && virtual_key == o.virtual_key;
    }
};

// A stored hotkey text ("Ctrl+Alt+Q") as a key sequence; modifier names in
// any case ("ALT+1" is Alt+1).
QKeySequence HotkeySequence(const std::string& text);

// The first key of the sequence; nothing for an empty sequence or a key that
// has no virtual-key code here (letters, digits and F1 to F24 have).
std::optional<hotkey_combination> CombinationOf(const QKeySequence& sequence);
