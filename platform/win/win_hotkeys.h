// Global hotkeys on Windows: RegisterHotKey against a message-only window
// whose procedure turns WM_HOTKEY into the registered callback. Kept out of
// win_layer.h so that header stays free of <windows.h>.
#pragma once

#include <functional>
#include <map>

namespace platform {

class win_hotkeys {
public:
    win_hotkeys() = default;
    win_hotkeys(const win_hotkeys&) = delete;
    win_hotkeys& operator=(const win_hotkeys&) = delete;
    // Releases every registration and the window; call on the thread that
    // registered, as Win32 ties both to it.
    ~win_hotkeys();

    int Register(int modifiers, int virtual_key, std::function<void()> activated);
    void Unregister(int id);
    // Runs the callback of id; what WM_HOTKEY does.
    void Activate(int id);

private:
    bool EnsureWindow();

    void* window_ = nullptr; // HWND
    std::map<int, std::function<void()>> callbacks_;
    int next_id_ = 1;
};

} // namespace platform
