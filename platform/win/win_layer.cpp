#include "platform/win/win_layer.h"

#include "platform/win/win_text.h"

#include <windows.h>

namespace platform {
namespace {

// The machine-wide Run key, in the 32-bit registry view.
constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

HKEY OpenRunKey(REGSAM access)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, access | KEY_WOW64_32KEY,
            nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

int win_layer::DpiScale()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const int scale = dpi / 96;
    return scale < 1 ? 1 : scale;
}

std::optional<std::string> win_layer::ReadAutorun(const std::string& name)
{
    HKEY key = OpenRunKey(KEY_QUERY_VALUE);
    if (!key)
        return std::nullopt;
    const std::wstring value_name = Widen(name);
    DWORD type = 0;
    DWORD bytes = 0;
    std::optional<std::string> result;
    if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS
        && type == REG_SZ) {
        std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type,
                reinterpret_cast<BYTE*>(&buffer[0]), &bytes)
            == ERROR_SUCCESS) {
            buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
            result = Narrow(buffer.c_str(), static_cast<int>(buffer.size()));
        }
    }
    RegCloseKey(key);
    return result;
}

bool win_layer::SetAutorun(
    const std::string& name, const std::string& program, const std::string& argument)
{
    HKEY key = OpenRunKey(KEY_SET_VALUE);
    if (!key)
        return false;
    const std::wstring command = L"\"" + Widen(program) + L"\" " + Widen(argument);
    const bool ok = RegSetValueExW(key, Widen(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(command.c_str()),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)))
        == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool win_layer::RemoveAutorun(const std::string& name)
{
    HKEY key = OpenRunKey(KEY_SET_VALUE);
    if (!key)
        return false;
    const bool ok = RegDeleteValueW(key, Widen(name).c_str()) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

} // namespace platform
