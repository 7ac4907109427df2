// What the full-screen check looks at on Windows: the monitor rectangles and
// the visible top-level windows in Z order.
#include "platform/win/win_layer.h"

#include <cstdint>
#include <windows.h>

namespace platform {
namespace {

rect FromRect(const RECT& r)
{
    return rect { r.left, r.top, r.right - r.left, r.bottom - r.top };
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM list)
{
    reinterpret_cast<std::vector<rect>*>(list)->push_back(FromRect(*bounds));
    return TRUE;
}

BOOL CALLBACK AddVisibleWindow(HWND window, LPARAM list)
{
    if (!IsWindowVisible(window))
        return TRUE;
    RECT bounds {};
    if (!GetWindowRect(window, &bounds))
        return TRUE;
    char class_name[256] = {};
    const int length = GetClassNameA(window, class_name, sizeof class_name);
    reinterpret_cast<std::vector<top_level_window>*>(list)->push_back(top_level_window {
        static_cast<WindowId>(reinterpret_cast<std::uintptr_t>(window)), FromRect(bounds),
        std::string(class_name, length > 0 ? static_cast<std::size_t>(length) : 0) });
    return TRUE;
}

} // namespace

std::vector<rect> win_layer::Monitors()
{
    std::vector<rect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

// EnumWindows walks the top-level windows in Z order, topmost first.
std::vector<top_level_window> win_layer::VisibleTopLevelWindows()
{
    std::vector<top_level_window> windows;
    EnumWindows(AddVisibleWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

int win_layer::RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated)
{
    return hotkeys_.Register(modifiers, virtual_key, std::move(activated));
}

void win_layer::UnregisterHotkey(int id)
{
    hotkeys_.Unregister(id);
}

} // namespace platform
