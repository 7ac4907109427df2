// Whether a full-screen program is on screen: some visible top-level window
// covers a whole monitor exactly, in all four edges.
#pragma once

#include "platform/platform.h"

#include <vector>

// Windows are in Z order, topmost first; the desktop, the task bar and
// their like never count, whatever they cover.
bool FullScreenWindowShown(const std::vector<platform::rect>& monitors,
    const std::vector<platform::top_level_window>& windows);

// The same question asked of the desktop now. Asked at a hotkey press rather
// than on a timer, so an idle program never wakes for it and the answer is
// as fresh as the press.
bool FullScreenWindowShown(platform::layer& os);
