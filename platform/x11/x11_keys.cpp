// Synthesised keys through XTest, and the modifiers held right now.
#include "platform/x11/x11_layer.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <X11/Xlib.h>

namespace platform {
namespace {

bool KeyHeld(Display* display, const char (&keymap)[32], KeySym keysym)
{
    const KeyCode code = XKeysymToKeycode(display, keysym);
    return code != 0 && (keymap[code / 8] & (1 << (code % 8))) != 0;
}

} // namespace

unsigned long KeysymForVirtualKey(int virtual_key)
{
    switch (virtual_key) {
    case vk::enter:
        return XK_Return;
    case vk::tab:
        return XK_Tab;
    case vk::shift:
        return XK_Shift_L;
    case vk::ctrl:
        return XK_Control_L;
    case vk::alt:
        return XK_Alt_L;
    default:
        break;
    }
    // Letters as the unshifted keysym, so V without Shift is "v".
    if (virtual_key >= 'A' && virtual_key <= 'Z')
        return XK_a + static_cast<unsigned long>(virtual_key - 'A');
    if (virtual_key >= '0' && virtual_key <= '9')
        return XK_0 + static_cast<unsigned long>(virtual_key - '0');
    if (virtual_key >= vk::f1 && virtual_key <= vk::f24)
        return XK_F1 + static_cast<unsigned long>(virtual_key - vk::f1);
    return 0;
}

void x11_layer::SendKey(int virtual_key, bool down)
{
    if (!display_)
        return;
    const KeySym keysym = KeysymForVirtualKey(virtual_key);
    const KeyCode code = keysym ? XKeysymToKeycode(display_, keysym) : 0;
    if (code == 0)
        return;
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    // Unflushed, the event would wait in our buffer while the caller sleeps.
    XFlush(display_);
}

int x11_layer::HeldModifiers()
{
    if (!display_)
        return 0;
    char keymap[32] = {};
    XQueryKeymap(display_, keymap);
    int held = 0;
    if (KeyHeld(display_, keymap, XK_Shift_L) || KeyHeld(display_, keymap, XK_Shift_R))
        held |= mod::shift;
    if (KeyHeld(display_, keymap, XK_Control_L) || KeyHeld(display_, keymap, XK_Control_R))
        held |= mod::ctrl;
    if (KeyHeld(display_, keymap, XK_Alt_L) || KeyHeld(display_, keymap, XK_Alt_R)
        || KeyHeld(display_, keymap, XK_ISO_Level3_Shift))
        held |= mod::alt;
    if (KeyHeld(display_, keymap, XK_Super_L) || KeyHeld(display_, keymap, XK_Super_R))
        held |= mod::meta;
    return held;
}

} // namespace platform
