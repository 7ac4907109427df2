// The key strokes of a paste with the waits between them, as data, so the
// exact sequence can be checked without sending anything.
#pragma once

#include "platform/platform.h"

#include <functional>
#include <vector>

struct key_step {
    int virtual_key = 0; // 0: a wait only
    bool down = false;
    int wait_ms = 0;
    bool operator==(const key_step& o) const
    {
        return virtual_key == o.virtual_key && down == o.down && wait_ms == o.wait_ms;
    }
};

using key_sequence = std::vector<key_step>;

// AutoPasteContent: optionally Alt+Tab back to the previous window, a Shift
// tap, Ctrl+V, optionally Enter.
key_sequence AutoPasteKeys(bool switch_window, bool auto_return);

// The hotkey-release road after the target is in front: no Alt+Tab, no Shift
// tap, and Enter held 150 ms.
key_sequence ReleasePasteKeys(bool auto_paste, bool auto_return);

// The virtual-key code of a Qt key among those a paste sends; 0 for others.
int VirtualKeyOf(int qt_key);

// Sends the keys through the platform, sleeping between them: for a thread
// that may wait (a test driver); the program plays them on timers.
void PlayKeys(
    const key_sequence& keys, platform::layer& platform, const std::function<void(int ms)>& sleep);
