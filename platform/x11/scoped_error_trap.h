// Windows vanish at any moment; Xlib's default error handler would end the
// process on the BadWindow that follows. While a trap lives, errors of the
// display are only noted. Free of Xlib headers, which must come after Qt's.
#pragma once

struct _XDisplay;

namespace platform {

class scoped_error_trap {
public:
    explicit scoped_error_trap(_XDisplay* display);
    ~scoped_error_trap();
    scoped_error_trap(const scoped_error_trap&) = delete;
    scoped_error_trap& operator=(const scoped_error_trap&) = delete;

    // Whether any request made since the trap was set has failed.
    bool failed() const;

private:
    _XDisplay* display_;
    // The handler in place before, restored at the end (type erased: its
    // type is Xlib's).
    void (*previous_)() = nullptr;
};

} // namespace platform
