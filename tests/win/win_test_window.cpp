#include "tests/win/win_test_window.h"

#include <chrono>
#include <cstdint>
#include <thread>

namespace platform::testing {
namespace {

// A second registration of the same class fails harmlessly.
void RegisterClassOnce(const std::wstring& name)
{
    WNDCLASSEXW window_class {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = name.c_str();
    RegisterClassExW(&window_class);
}

} // namespace

test_window::test_window()
    : test_window(options {})
{
}

test_window::test_window(const options& o)
{
    RegisterClassOnce(o.class_name);
    const wchar_t* class_name = o.parent ? L"EDIT" : o.class_name.c_str();
    const DWORD style = o.parent ? (WS_CHILD | WS_VISIBLE | WS_TABSTOP) : o.style;
    handle_ = CreateWindowExW(o.ex_style, class_name, o.title.c_str(), style, o.bounds.left,
        o.bounds.top, o.bounds.right - o.bounds.left, o.bounds.bottom - o.bounds.top, o.parent,
        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!handle_)
        return;
    // Our own procedure, also for the EDIT child, so every window records keys.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    auto previous = SetWindowLongPtrW(
        handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&test_window::Procedure));
    SetPropW(handle_, L"quillbox_previous", reinterpret_cast<HANDLE>(previous));
    if (o.show && !o.parent)
        ShowWindow(handle_, SW_SHOW);
    Pump();
}

test_window::~test_window()
{
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
    Pump();
}

WindowId test_window::id() const
{
    return static_cast<WindowId>(reinterpret_cast<std::uintptr_t>(handle_));
}

LRESULT CALLBACK test_window::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<test_window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && (message == WM_KEYDOWN || message == WM_KEYUP)) {
        self->keys_.push_back(
            std::string(message == WM_KEYDOWN ? "down " : "up ") + std::to_string(wparam));
    }
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, L"quillbox_previous"));
    const LRESULT result = previous ? CallWindowProcW(previous, window, message, wparam, lparam)
                                    : DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY)
        RemovePropW(window, L"quillbox_previous");
    return result;
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool PumpUntil(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace platform::testing
