// The faint bubbles behind the main window's list: 50 circles made once at
// random over a 5000-pixel square, each with the dragon at its centre.
#pragma once

#include <QColor>
#include <QPoint>
#include <random>
#include <vector>

class QPainter;
class QPixmap;

class bubble_decoration {
public:
    struct bubble {
        QPoint centre;
        int radius = 0;
        QColor colour;
    };

    static std::vector<bubble> Make(std::mt19937& generator);

    // Makes the bubbles on the first paint, then draws them at opacity 0.1.
    void Paint(QPainter& painter, const QPixmap& dragon);
    const std::vector<bubble>& bubbles() const { return bubbles_; }

private:
    std::vector<bubble> bubbles_;
};
