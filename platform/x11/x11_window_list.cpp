#include "platform/x11/x11_window_list.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xproto.h>

namespace platform {
namespace {

struct free_deleter {
    void operator()(void* block) const { std::free(block); }
};
// xcb hands out malloc'd replies.
template <typename T> using owned = std::unique_ptr<T, free_deleter>;

// Errors come back with the reply, so they never queue up as events on a
// connection nobody reads events from.
template <typename Reply, typename Cookie>
owned<Reply> Take(xcb_connection_t* c, Cookie cookie,
    Reply* (*fetch)(xcb_connection_t*, Cookie, xcb_generic_error_t**))
{
    xcb_generic_error_t* error = nullptr;
    owned<Reply> reply(fetch(c, cookie, &error));
    std::free(error);
    return reply;
}

bool HasAtom(const xcb_get_property_reply_t* reply, xcb_atom_t atom)
{
    if (!reply || atom == XCB_ATOM_NONE || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == atom)
            return true;
    return false;
}

// WM_CLASS holds the instance and the class name, each ending in a zero.
std::string ClassName(const xcb_get_property_reply_t* reply)
{
    if (!reply || reply->format != 8)
        return {};
    const char* bytes = static_cast<const char*>(xcb_get_property_value(reply));
    const int length = xcb_get_property_value_length(reply);
    const void* end_of_instance = std::memchr(bytes, '\0', static_cast<std::size_t>(length));
    if (!end_of_instance)
        return {};
    const char* name = static_cast<const char*>(end_of_instance) + 1;
    const char* end = bytes + length;
    const void* end_of_class = std::memchr(name, '\0', static_cast<std::size_t>(end - name));
    return std::string(name, end_of_class ? static_cast<const char*>(end_of_class) : end);
}

} // namespace

x11_window_list::x11_window_list(const std::string& display_name)
{
    connection_ = xcb_connect(display_name.empty() ? nullptr : display_name.c_str(), nullptr);
    if (xcb_connection_has_error(connection_))
        return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

    const char* const names[] = { "_NET_CLIENT_LIST_STACKING", "_NET_WM_WINDOW_TYPE",
        "_NET_WM_WINDOW_TYPE_DESKTOP", "_NET_WM_WINDOW_TYPE_DOCK", "_NET_WM_STATE",
        "_NET_WM_STATE_HIDDEN", "_NET_FRAME_EXTENTS" };
    std::uint32_t* const targets[] = { &client_list_stacking_, &window_type_, &type_desktop_,
        &type_dock_, &state_, &state_hidden_, &frame_extents_ };
    xcb_intern_atom_cookie_t cookies[7];
    for (int i = 0; i < 7; ++i)
        cookies[i] = xcb_intern_atom(
            connection_, 0, static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    for (int i = 0; i < 7; ++i) {
        const auto atom = Take(connection_, cookies[i], xcb_intern_atom_reply);
        *targets[i] = atom ? atom->atom : xcb_atom_t { XCB_ATOM_NONE };
    }
}

x11_window_list::~x11_window_list()
{
    xcb_disconnect(connection_);
}

std::vector<top_level_window> x11_window_list::Visible()
{
    std::vector<top_level_window> result;
    if (xcb_connection_has_error(connection_) || client_list_stacking_ == XCB_ATOM_NONE)
        return result;
    xcb_connection_t* c = connection_;

    const auto stacking
        = Take(c, xcb_get_property(c, 0, root_, client_list_stacking_, XCB_ATOM_WINDOW, 0, 1 << 16),
            xcb_get_property_reply);
    if (!stacking || stacking->format != 32)
        return result;
    const auto* clients = static_cast<const xcb_window_t*>(xcb_get_property_value(stacking.get()));
    const int count = xcb_get_property_value_length(stacking.get()) / 4;

    // Every request for every window first, then the replies: one round trip.
    struct asked {
        xcb_get_window_attributes_cookie_t attributes;
        xcb_get_geometry_cookie_t geometry;
        xcb_translate_coordinates_cookie_t origin;
        xcb_get_property_cookie_t class_name, type, state, extents;
    };
    std::vector<asked> cookies(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const xcb_window_t w = clients[i];
        asked& a = cookies[static_cast<std::size_t>(i)];
        a.attributes = xcb_get_window_attributes(c, w);
        a.geometry = xcb_get_geometry(c, w);
        a.origin = xcb_translate_coordinates(c, w, root_, 0, 0);
        a.class_name = xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64);
        a.type = xcb_get_property(c, 0, w, window_type_, XCB_ATOM_ATOM, 0, 16);
        a.state = xcb_get_property(c, 0, w, state_, XCB_ATOM_ATOM, 0, 16);
        a.extents = xcb_get_property(c, 0, w, frame_extents_, XCB_ATOM_CARDINAL, 0, 4);
    }

    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const asked& a = cookies[static_cast<std::size_t>(i)];
        // Every reply is taken, also of windows that turn out hidden.
        const auto attributes = Take(c, a.attributes, xcb_get_window_attributes_reply);
        const auto geometry = Take(c, a.geometry, xcb_get_geometry_reply);
        const auto origin = Take(c, a.origin, xcb_translate_coordinates_reply);
        const auto class_name = Take(c, a.class_name, xcb_get_property_reply);
        const auto type = Take(c, a.type, xcb_get_property_reply);
        const auto state = Take(c, a.state, xcb_get_property_reply);
        const auto extents = Take(c, a.extents, xcb_get_property_reply);
        if (!attributes || !geometry || !origin)
            continue; // gone meanwhile
        if (attributes->map_state != XCB_MAP_STATE_VIEWABLE || HasAtom(state.get(), state_hidden_))
            continue;

        // The frame the window manager draws around it, when it says so.
        std::uint32_t left = 0, right = 0, top = 0, bottom = 0;
        if (extents && extents->format == 32
            && xcb_get_property_value_length(extents.get()) >= 16) {
            const auto* e
                = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
            left = e[0];
            right = e[1];
            top = e[2];
            bottom = e[3];
        }
        const int border = geometry->border_width;
        top_level_window window;
        window.id = clients[i];
        window.bounds.x = origin->dst_x - border - static_cast<int>(left);
        window.bounds.y = origin->dst_y - border - static_cast<int>(top);
        window.bounds.width = geometry->width + 2 * border + static_cast<int>(left + right);
        window.bounds.height = geometry->height + 2 * border + static_cast<int>(top + bottom);
        window.class_name = ClassName(class_name.get());
        window.desktop_or_dock
            = HasAtom(type.get(), type_desktop_) || HasAtom(type.get(), type_dock_);
        result.push_back(std::move(window));
    }
    // The stacking list runs bottom to top; callers want the topmost first.
    std::reverse(result.begin(), result.end());
    return result;
}

} // namespace platform
