// The fade-and-slide of the main window: 11 ticks of 20 ms, opacity in
// tenths, 5 pixels a tick (down when showing, up when hiding).
#pragma once

#include <QPoint>

class window_animation {
public:
    struct tick {
        double opacity = 0;
        QPoint position;
        bool done = false;
    };

    // frame: the window's top-left now. A show starts 50 pixels higher.
    void Start(bool show, bool quit_after, const QPoint& frame);
    tick Next();

    bool showing() const { return show_; }
    bool quit_after() const { return quit_after_; }

private:
    bool show_ = true;
    bool quit_after_ = false;
    int step_ = 0;
    int x_ = 0;
    int y_ = 0;
};
