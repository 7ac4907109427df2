// Real Win32 windows for the Windows layer's tests, and a message pump.
#pragma once

#include "platform/platform.h"

#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace platform::testing {

// A top-level window of the test (or a child when parent is given); it records
// the key messages it receives and is destroyed with the object.
class test_window {
public:
    struct options {
        std::wstring title = L"quillbox test";
        std::wstring class_name = L"quillbox_test_window";
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD ex_style = 0;
        RECT bounds { 100, 100, 500, 400 };
        HWND parent = nullptr;
        bool show = true;
    };

    test_window();
    explicit test_window(const options& o);
    ~test_window();
    test_window(const test_window&) = delete;
    test_window& operator=(const test_window&) = delete;

    HWND handle() const { return handle_; }
    WindowId id() const;
    // "down 16", "up 86"... in the order received.
    const std::vector<std::string>& keys() const { return keys_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    HWND handle_ = nullptr;
    std::vector<std::string> keys_;
};

// Dispatches the messages waiting for this thread.
void Pump();
// Pumps until done() holds or a generous deadline passes; returns done().
bool PumpUntil(const std::function<bool()>& done);

} // namespace platform::testing
