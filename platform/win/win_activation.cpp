// Bringing the paste target back and keeping pinned windows from taking the
// focus, on Windows.
#include "platform/win/win_layer.h"

#include <cstdint>
#include <windows.h>

namespace platform {
namespace {

HWND Handle(WindowId window)
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

} // namespace

WindowId win_layer::FocusedChild(WindowId window)
{
    HWND target = Handle(window);
    if (!target)
        return 0;
    // GetFocus answers only for this thread's input queue: join the
    // target's for the question.
    const DWORD target_thread = GetWindowThreadProcessId(target, nullptr);
    const DWORD own_thread = GetCurrentThreadId();
    const bool attached
        = target_thread != own_thread && AttachThreadInput(own_thread, target_thread, TRUE);
    HWND focus = GetFocus();
    if (attached)
        AttachThreadInput(own_thread, target_thread, FALSE);
    return static_cast<WindowId>(reinterpret_cast<std::uintptr_t>(focus));
}

bool win_layer::BringToFront(WindowId window)
{
    HWND target = Handle(window);
    return target && SetForegroundWindow(target) != 0;
}

void win_layer::SetNoActivate(WindowId window)
{
    HWND target = Handle(window);
    if (!target)
        return;
    const LONG_PTR style = GetWindowLongPtrW(target, GWL_EXSTYLE);
    SetWindowLongPtrW(target, GWL_EXSTYLE, style | WS_EX_NOACTIVATE);
}

} // namespace platform
