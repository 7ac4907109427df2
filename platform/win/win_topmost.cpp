// Keeping a window above all others on Windows without activating it.
#include "platform/win/win_layer.h"

#include <cstdint>
#include <windows.h>

namespace platform {

void win_layer::SetTopmost(WindowId window, const rect& frame, bool show)
{
    HWND target = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
    if (!target)
        return;
    SetWindowPos(target, HWND_TOPMOST, frame.x, frame.y, frame.width, frame.height,
        SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

} // namespace platform
