#include "platform/win/win_hotkeys.h"

#include "platform/platform.h"

#include <cstdio>
#include <exception>
#include <windows.h>

namespace platform {
namespace {

constexpr const wchar_t* kClassName = L"quillbox_hotkey_sink";
// RegisterHotKey takes ids 0x0000..0xBFFF from an application.
constexpr int kLastId = 0xBFFF;

HWND Handle(void* window)
{
    return static_cast<HWND>(window);
}

UINT NativeModifiers(int modifiers)
{
    UINT native = 0;
    if (modifiers & mod::shift)
        native |= MOD_SHIFT;
    if (modifiers & mod::ctrl)
        native |= MOD_CONTROL;
    if (modifiers & mod::alt)
        native |= MOD_ALT;
    if (modifiers & mod::meta)
        native |= MOD_WIN;
    return native;
}

LRESULT CALLBACK SinkProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_HOTKEY) {
        auto* hotkeys = reinterpret_cast<win_hotkeys*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (hotkeys)
            hotkeys->Activate(static_cast<int>(wparam));
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

bool RegisterSinkClass()
{
    static const bool registered = [] {
        WNDCLASSEXW window_class {};
        window_class.cbSize = sizeof window_class;
        window_class.lpfnWndProc = SinkProcedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = kClassName;
        return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

} // namespace

win_hotkeys::~win_hotkeys()
{
    if (!window_)
        return;
    for (const auto& entry : callbacks_)
        UnregisterHotKey(Handle(window_), entry.first);
    DestroyWindow(Handle(window_));
}

// The window is made on first use, so it belongs to the thread that
// registers: the GUI thread, whose message loop (Qt's or any other)
// dispatches WM_HOTKEY to it.
bool win_hotkeys::EnsureWindow()
{
    if (window_)
        return true;
    if (!RegisterSinkClass()) {
        std::fprintf(stderr, "platform: hotkey window class refused (error %lu)\n",
            static_cast<unsigned long>(GetLastError()));
        return false;
    }
    HWND window = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
        GetModuleHandleW(nullptr), nullptr);
    if (!window) {
        std::fprintf(stderr, "platform: hotkey window not created (error %lu)\n",
            static_cast<unsigned long>(GetLastError()));
        return false;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_ = window;
    return true;
}

int win_hotkeys::Register(int modifiers, int virtual_key, std::function<void()> activated)
{
    if (next_id_ > kLastId || !EnsureWindow())
        return 0;
    const int id = next_id_;
    if (!RegisterHotKey(
            Handle(window_), id, NativeModifiers(modifiers), static_cast<UINT>(virtual_key))) {
        std::fprintf(stderr, "platform: hotkey %d+%d refused (error %lu)\n", modifiers, virtual_key,
            static_cast<unsigned long>(GetLastError()));
        return 0;
    }
    ++next_id_;
    callbacks_[id] = std::move(activated);
    return id;
}

void win_hotkeys::Unregister(int id)
{
    if (callbacks_.erase(id) == 0)
        return;
    UnregisterHotKey(Handle(window_), id);
}

void win_hotkeys::Activate(int id)
{
    const auto found = callbacks_.find(id);
    if (found == callbacks_.end() || !found->second)
        return;
    // A copy: the callback may unregister its own hotkey.
    const std::function<void()> callback = found->second;
    // Nothing may unwind through the window procedure into the system.
    try {
        callback();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "platform: hotkey callback failed: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "platform: hotkey callback failed\n");
    }
}

} // namespace platform
