#include "platform/x11/x11_hotkey_grabs.h"

#include "platform/platform.h"
#include "platform/x11/scoped_error_trap.h"
#include "platform/x11/x11_layer.h"

#include <cstdio>
#include <QMetaObject>
#include <QSocketNotifier>
#include <X11/keysym.h>
#include <X11/Xlib.h>

namespace platform {
namespace {

// The modifiers a hotkey is told apart by; the lock keys are not among them.
constexpr unsigned kHotkeyMask = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

unsigned XModifiers(int modifiers)
{
    unsigned x = 0;
    if (modifiers & mod::shift)
        x |= ShiftMask;
    if (modifiers & mod::ctrl)
        x |= ControlMask;
    if (modifiers & mod::alt)
        x |= Mod1Mask;
    if (modifiers & mod::meta)
        x |= Mod4Mask;
    return x;
}

// The modifier bit a lock key is mapped to, 0 when it is not mapped.
unsigned ModifierMaskOf(Display* display, KeySym keysym)
{
    const KeyCode code = XKeysymToKeycode(display, keysym);
    XModifierKeymap* map = XGetModifierMapping(display);
    if (!map)
        return 0;
    unsigned mask = 0;
    for (int modifier = 0; modifier < 8 && code != 0 && mask == 0; ++modifier)
        for (int k = 0; k < map->max_keypermod; ++k)
            if (map->modifiermap[modifier * map->max_keypermod + k] == code)
                mask = 1u << modifier;
    XFreeModifiermap(map);
    return mask;
}

} // namespace

x11_hotkey_grabs::x11_hotkey_grabs()
{
    display_ = XOpenDisplay(nullptr);
    if (!display_) {
        std::fprintf(stderr, "platform: cannot open the X display; global hotkeys are off\n");
        return;
    }
    ReadLockVariants();
    notifier_
        = std::make_unique<QSocketNotifier>(ConnectionNumber(display_), QSocketNotifier::Read);
    QObject::connect(
        notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { ReadEvents(); });
}

x11_hotkey_grabs::~x11_hotkey_grabs()
{
    notifier_.reset();
    if (display_)
        XCloseDisplay(display_);
}

void x11_hotkey_grabs::ReadLockVariants()
{
    const unsigned locks[] = { LockMask, ModifierMaskOf(display_, XK_Num_Lock),
        ModifierMaskOf(display_, XK_Scroll_Lock) };
    lock_variants_ = { 0 };
    for (unsigned lock : locks) {
        if (lock == 0 || (lock & kHotkeyMask) != 0)
            continue;
        const std::size_t before = lock_variants_.size();
        for (std::size_t i = 0; i < before; ++i)
            if ((lock_variants_[i] & lock) == 0)
                lock_variants_.push_back(lock_variants_[i] | lock);
    }
}

int x11_hotkey_grabs::Register(int modifiers, int virtual_key, std::function<void()> activated)
{
    if (!display_)
        return 0;
    for (const auto& [id, key] : hotkeys_)
        if (key.modifiers == modifiers && key.virtual_key == virtual_key)
            return 0;
    hotkey key;
    key.modifiers = modifiers;
    key.virtual_key = virtual_key;
    key.x_modifiers = XModifiers(modifiers);
    key.activated = std::move(activated);
    if (!Grab(key))
        return 0;
    const int id = next_id_++;
    hotkeys_.emplace(id, std::move(key));
    ReadQueuedSoon();
    return id;
}

void x11_hotkey_grabs::Unregister(int id)
{
    const auto found = hotkeys_.find(id);
    if (found == hotkeys_.end())
        return;
    Ungrab(found->second);
    XSync(display_, False);
    hotkeys_.erase(found);
    ReadQueuedSoon();
}

bool x11_hotkey_grabs::Grab(hotkey& key)
{
    const KeySym keysym = KeysymForVirtualKey(key.virtual_key);
    key.keycode = keysym ? XKeysymToKeycode(display_, keysym) : 0;
    key.grabbed = false;
    if (key.keycode == 0)
        return false;
    const Window root = DefaultRootWindow(display_);
    scoped_error_trap trap(display_);
    for (unsigned lock : lock_variants_)
        XGrabKey(display_, static_cast<int>(key.keycode), key.x_modifiers | lock, root, False,
            GrabModeAsync, GrabModeAsync);
    // BadAccess: another client holds one of the variants.
    if (trap.failed()) {
        Ungrab(key);
        return false;
    }
    key.grabbed = true;
    return true;
}

void x11_hotkey_grabs::Ungrab(const hotkey& key)
{
    if (key.keycode == 0)
        return;
    // Releasing a variant another client holds is refused; that is no harm.
    scoped_error_trap trap(display_);
    const Window root = DefaultRootWindow(display_);
    for (unsigned lock : lock_variants_)
        XUngrabKey(display_, static_cast<int>(key.keycode), key.x_modifiers | lock, root);
}

void x11_hotkey_grabs::ReadEvents()
{
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == MappingNotify) {
            if (event.xmapping.request == MappingKeyboard
                || event.xmapping.request == MappingModifier) {
                XRefreshKeyboardMapping(&event.xmapping);
                GrabAgain();
            }
            continue;
        }
        if (event.type != KeyPress)
            continue;
        std::function<void()> activated;
        for (const auto& [id, key] : hotkeys_)
            if (key.grabbed && key.keycode == event.xkey.keycode
                && key.x_modifiers == (event.xkey.state & kHotkeyMask))
                activated = key.activated;
        // A copy: the callback may unregister its own hotkey.
        if (activated)
            activated();
    }
}

void x11_hotkey_grabs::GrabAgain()
{
    for (auto& [id, key] : hotkeys_)
        if (key.grabbed)
            Ungrab(key);
    ReadLockVariants();
    for (auto& [id, key] : hotkeys_)
        if (!Grab(key))
            std::fprintf(
                stderr, "platform: hotkey %d is lost after a keyboard mapping change\n", id);
}

void x11_hotkey_grabs::ReadQueuedSoon()
{
    if (notifier_ && XQLength(display_) > 0)
        QMetaObject::invokeMethod(
            notifier_.get(), [this] { ReadEvents(); }, Qt::QueuedConnection);
}

} // namespace platform
