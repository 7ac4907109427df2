// The popups' fade and slide: ticks of 20 ms, opacity in tenths, 3 pixels a
// tick. A show fades in over 11 ticks sliding down; a close fades out over
// 10 ticks sliding up from where the show left the popup.
#pragma once

#include <QPoint>

class popup_animation {
public:
    struct tick {
        double opacity = 0;
        QPoint position;
        bool done = false;
    };

    static constexpr int interval_ms = 20;

    // centred: where the popup goes before the first tick.
    void StartShow(const QPoint& centred);
    // Slides from the position remembered by the last show, not from where
    // the popup was dragged since.
    void StartClose();
    tick Next();

    bool showing() const { return showing_; }
    // The position the animation works from.
    QPoint position() const { return QPoint(x_, y_); }

private:
    bool showing_ = false;
    int step_ = 0;
    int x_ = 0;
    int y_ = 0;
};
