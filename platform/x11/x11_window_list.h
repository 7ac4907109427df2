// The visible managed windows of an EWMH desktop with their frame rectangles
// and class names, topmost first. Read over an xcb connection of its own so
// that every window's requests go out together and the whole list costs one
// round trip after the stacking list, however many windows are open.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace platform {

class x11_window_list {
public:
    // display_name as Xlib names the display the layer uses.
    explicit x11_window_list(const std::string& display_name);
    ~x11_window_list();
    x11_window_list(const x11_window_list&) = delete;
    x11_window_list& operator=(const x11_window_list&) = delete;

    // Empty when the server is out of reach or the window manager keeps no
    // stacking list.
    std::vector<top_level_window> Visible();

private:
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    // Interned once; 0 when the server could not answer.
    std::uint32_t client_list_stacking_ = 0;
    std::uint32_t window_type_ = 0;
    std::uint32_t type_desktop_ = 0;
    std::uint32_t type_dock_ = 0;
    std::uint32_t state_ = 0;
    std::uint32_t state_hidden_ = 0;
    std::uint32_t frame_extents_ = 0;
};

} // namespace platform
