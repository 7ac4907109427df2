// The platform on Windows, through user32, gdi32, shell32 and the registry.
#pragma once

#include "platform/null_platform.h"

namespace platform {

class WinPlatform : public NullPlatform {
public:
    std::string Name() const override { return "win"; }
    // The source window of a copy (win_window_info.cpp).
    WindowId ForegroundWindow() override;
    std::string WindowTitle(WindowId window) override;
    bool SaveWindowIconPng(WindowId window, const std::string& path) override;
    int DpiScale() override;
    std::optional<std::string> ReadAutorun(const std::string& name) override;
    bool SetAutorun(
        const std::string& name, const std::string& program, const std::string& argument) override;
    bool RemoveAutorun(const std::string& name) override;
};

} // namespace platform
