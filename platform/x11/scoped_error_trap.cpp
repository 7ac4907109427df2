#include "platform/x11/scoped_error_trap.h"

#include <X11/Xlib.h>

namespace platform {
namespace {

bool failed_since_trap = false;

int NoteError(Display*, XErrorEvent*)
{
    failed_since_trap = true;
    return 0;
}

} // namespace

scoped_error_trap::scoped_error_trap(Display* display)
    : display_(display)
{
    XSync(display_, False);
    failed_since_trap = false;
    previous_ = reinterpret_cast<void (*)()>(XSetErrorHandler(&NoteError));
}

scoped_error_trap::~scoped_error_trap()
{
    XSync(display_, False);
    XSetErrorHandler(reinterpret_cast<XErrorHandler>(previous_));
}

bool scoped_error_trap::failed() const
{
    XSync(display_, False);
    return failed_since_trap;
}

} // namespace platform
