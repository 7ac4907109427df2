#include "app/bubble_decoration.h"

#include <QPainter>
#include <QPixmap>

std::vector<bubble_decoration::bubble> bubble_decoration::Make(std::mt19937& generator)
{
    static const QColor colours[7] = { QColor(255, 0, 0, 11), QColor(0, 255, 0, 13),
        QColor(0, 0, 255, 12), QColor(255, 255, 0, 15), QColor(255, 0, 255, 11),
        QColor(0, 255, 255, 13), QColor(255, 165, 0, 10) };
    std::vector<bubble> bubbles;
    std::uniform_int_distribution<int> radius(20, 149);
    std::uniform_int_distribution<int> colour(0, 6);
    for (int i = 0; i < 50; ++i) {
        bubble b;
        b.radius = radius(generator);
        std::uniform_int_distribution<int> place(b.radius, 4999 - b.radius);
        const int x = place(generator);
        b.centre = QPoint(x, place(generator));
        b.colour = colours[colour(generator)];
        bubbles.push_back(b);
    }
    return bubbles;
}

void bubble_decoration::Paint(QPainter& painter, const QPixmap& dragon)
{
    if (bubbles_.empty()) {
        std::mt19937 generator { std::random_device {}() };
        bubbles_ = Make(generator);
    }
    painter.save();
    painter.setOpacity(0.1);
    painter.setPen(Qt::NoPen);
    for (const bubble& b : bubbles_) {
        painter.setBrush(b.colour);
        painter.drawEllipse(b.centre, b.radius, b.radius);
        if (!dragon.isNull())
            painter.drawPixmap(b.centre, dragon);
    }
    painter.restore();
    painter.setOpacity(1);
}
