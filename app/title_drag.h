// Moving the frameless main window by its title strip: the top 44 pixels
// except the 144 on the right, where the window buttons sit.
#pragma once

#include <optional>
#include <QPoint>

class title_drag {
public:
    static bool InStrip(const QPoint& local, int window_width);

    // A left press: starts a drag when it lands in the strip.
    bool Press(const QPoint& local, const QPoint& global, const QPoint& frame, int window_width);
    void Release() { dragging_ = false; }
    bool dragging() const { return dragging_; }

    // Where the window goes for the pointer at global.
    QPoint Target(const QPoint& global) const;
    // A maximised window was just restored to new_width by the drag: when
    // the pointer lies where the buttons of the narrower window would be,
    // the window's middle is put under it. Returns where to move then.
    std::optional<QPoint> Restored(int new_width, const QPoint& global);

private:
    bool dragging_ = false;
    QPoint press_;
    QPoint frame_;
};
