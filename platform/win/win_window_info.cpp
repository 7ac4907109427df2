// The source window of a copy on Windows: the foreground window, its title,
// and the small shell icon of its program's executable as PNG (GDI+).
#include "platform/win/win_layer.h"
#include "platform/win/win_text.h"
#include "platform/window_title_text.h"

#include <windows.h>

#include <objidl.h>
#include <psapi.h>
#include <shellapi.h>

#include <gdiplus.h>
#include <memory>
#include <vector>

namespace platform {
namespace {

// GDI+ starts once and stays started for the life of the process.
void StartGdiplus()
{
    static ULONG_PTR token = [] {
        ULONG_PTR t = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&t, &input, nullptr);
        return t;
    }();
    (void)token;
}

bool PngEncoder(CLSID* clsid)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType && _wcsicmp(encoders[i].MimeType, L"image/png") == 0) {
            *clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

// Saves the icon as PNG, keeping the alpha channel of 32-bit icons (GDI+
// drops it when it converts an icon handle directly).
bool SaveIconPng(HICON icon, const std::wstring& path)
{
    ICONINFO info {};
    if (!GetIconInfo(icon, &info))
        return false;
    BITMAP bitmap {};
    bool saved = false;
    CLSID png {};
    if (PngEncoder(&png)) {
        if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)
            && bitmap.bmBitsPixel == 32) {
            Gdiplus::Bitmap source(info.hbmColor, nullptr);
            Gdiplus::BitmapData data {};
            Gdiplus::Rect bounds(
                0, 0, static_cast<INT>(source.GetWidth()), static_cast<INT>(source.GetHeight()));
            if (source.LockBits(&bounds, Gdiplus::ImageLockModeRead, source.GetPixelFormat(), &data)
                == Gdiplus::Ok) {
                Gdiplus::Bitmap alpha(static_cast<INT>(data.Width), static_cast<INT>(data.Height),
                    data.Stride, PixelFormat32bppARGB, static_cast<BYTE*>(data.Scan0));
                saved = alpha.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
                source.UnlockBits(&data);
            }
        } else {
            std::unique_ptr<Gdiplus::Bitmap> plain(Gdiplus::Bitmap::FromHICON(icon));
            saved = plain && plain->Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
        }
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return saved;
}

} // namespace

WindowId win_layer::ForegroundWindow()
{
    return reinterpret_cast<WindowId>(GetForegroundWindow());
}

std::string win_layer::WindowTitle(WindowId window)
{
    wchar_t buffer[kMaxTitleUnits + 1] = {};
    const int length = GetWindowTextW(
        reinterpret_cast<HWND>(window), buffer, static_cast<int>(kMaxTitleUnits + 1));
    if (length <= 0)
        return {};
    return Utf16ToUtf8(reinterpret_cast<const char16_t*>(buffer), static_cast<std::size_t>(length));
}

bool win_layer::SaveWindowIconPng(WindowId window, const std::string& path)
{
    StartGdiplus();
    DWORD process_id = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process_id);
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, process_id);
    if (!process)
        return false;
    wchar_t program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameExW(process, nullptr, program, MAX_PATH);
    bool saved = false;
    if (length > 0) {
        SHFILEINFOW file_info {};
        if (SHGetFileInfoW(program, 0, &file_info, sizeof file_info, SHGFI_ICON | SHGFI_SMALLICON)
            && file_info.hIcon) {
            saved = SaveIconPng(file_info.hIcon, Widen(path));
            DestroyIcon(file_info.hIcon);
        }
    }
    CloseHandle(process);
    return saved;
}

} // namespace platform
