// Global hotkeys on X11: passive key grabs on the root window. They use a
// display connection of their own, so that no round trip of the other window
// operations reads a key press off the socket before the notifier sees it.
// Free of Xlib headers, which must come after Qt's.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

struct _XDisplay;
class QSocketNotifier;

namespace platform {

class x11_hotkey_grabs {
public:
    // Opens the connection; without one every registration is refused.
    x11_hotkey_grabs();
    ~x11_hotkey_grabs();
    x11_hotkey_grabs(const x11_hotkey_grabs&) = delete;
    x11_hotkey_grabs& operator=(const x11_hotkey_grabs&) = delete;

    // modifiers are mod:: bits. 0 when the key has no keysym here, when this
    // program holds the combination already, or when another client grabbed
    // it (BadAccess). The callback runs on the thread that registered first,
    // from its event loop.
    int Register(int modifiers, int virtual_key, std::function<void()> activated);
    void Unregister(int id);

private:
    struct hotkey {
        int modifiers = 0;
        int virtual_key = 0;
        unsigned keycode = 0;
        unsigned x_modifiers = 0;
        // False after a layout change left the key without a keycode or
        // another client took it meanwhile.
        bool grabbed = false;
        std::function<void()> activated;
    };

    // Every Lock, NumLock and ScrollLock combination, so that a lit lock key
    // does not silence the hotkey.
    void ReadLockVariants();
    // All variants or none: a partial grab is released.
    bool Grab(hotkey& key);
    void Ungrab(const hotkey& key);
    void ReadEvents();
    // A keyboard layout or modifier map change moves keys to other keycodes.
    void GrabAgain();
    // Events that a round trip of ours read into Xlib's queue do not wake
    // the notifier; they are read on the next turn of the event loop.
    void ReadQueuedSoon();

    _XDisplay* display_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<unsigned> lock_variants_;
    std::map<int, hotkey> hotkeys_;
    int next_id_ = 1;
};

} // namespace platform
