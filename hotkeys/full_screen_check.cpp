#include "hotkeys/full_screen_check.h"

#include <algorithm>
#include <iterator>

namespace {

// Windows that span a monitor as part of the desktop itself; compared
// exactly, case and all.
const char* const kExcludedClasses[] = {
    "Progman",
    "Shell_TrayWnd",
    "CanvasWindow",
    "ThumbnailDeviceHelperWnd",
    "DragFileWindowClass",
    "ApplicationFrameWindow",
    "Tao Thread Event Target",
    "Windows.UI.Core.CoreWindow",
};

bool Excluded(const platform::top_level_window& window)
{
    return window.desktop_or_dock
        || std::any_of(std::begin(kExcludedClasses), std::end(kExcludedClasses),
            [&](const char* name) { return window.class_name == name; });
}

} // namespace

bool FullScreenWindowShown(const std::vector<platform::rect>& monitors,
    const std::vector<platform::top_level_window>& windows)
{
    for (const platform::top_level_window& window : windows) {
        if (Excluded(window))
            continue;
        if (std::find(monitors.begin(), monitors.end(), window.bounds) != monitors.end())
            return true;
    }
    return false;
}

bool FullScreenWindowShown(platform::layer& os)
{
    const std::vector<platform::rect> monitors = os.Monitors();
    if (monitors.empty())
        return false;
    return FullScreenWindowShown(monitors, os.VisibleTopLevelWindows());
}
