// Synthesised keys and the modifiers held right now, on Windows.
#include "platform/win/win_layer.h"

#include <windows.h>

namespace platform {
namespace {

bool Held(int key)
{
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

} // namespace

void win_layer::SendKey(int virtual_key, bool down)
{
    keybd_event(static_cast<BYTE>(virtual_key), 0, down ? 0 : KEYEVENTF_KEYUP, 0);
}

int win_layer::HeldModifiers()
{
    int held = 0;
    if (Held(VK_SHIFT))
        held |= mod::shift;
    if (Held(VK_CONTROL))
        held |= mod::ctrl;
    if (Held(VK_MENU))
        held |= mod::alt;
    if (Held(VK_LWIN) || Held(VK_RWIN))
        held |= mod::meta;
    return held;
}

} // namespace platform
