#include "widgets/chrome_style.h"

#include <algorithm>

namespace chrome_style {

QString WindowButtonSheet(const QString& base, bool square)
{
    const QString suffix = square ? QStringLiteral("_square") : QString();
    return QStringLiteral("QPushButton{border:none;}"
                          "QPushButton{background-image:url(:/image/%1.png);}"
                          "QPushButton:hover{background-image:url(:/image/%1_h%2.png);}"
                          "QPushButton:pressed{background-image:url(:/image/%1_d%2.png);}")
        .arg(base, suffix);
}

chrome_look LookFor(bool maximised, bool dark)
{
    const QString prefix = dark ? QStringLiteral("dark_") : QString();
    chrome_look look;
    look.min_button = prefix + QStringLiteral("min");
    look.max_button = prefix + (maximised ? QStringLiteral("restore") : QStringLiteral("max"));
    look.close_button = prefix + QStringLiteral("close");
    look.square_close = maximised;
    if (maximised) {
        look.outer = QMargins(0, 0, 0, 0);
        look.inner = QMargins(0, 0, 0, 0);
        look.frame_margin = 0;
        look.frame_flag = 0;
    } else {
        look.outer = QMargins(2, 2, 2, 2);
        look.inner = QMargins(1, 1, 1, 1);
        look.frame_margin = 8;
        look.frame_flag = 1;
    }
    return look;
}

QMargins TitleRowMargins(int width, int default_width)
{
    if (default_width - 136 >= width)
        return QMargins(10, 0, 8, 0);
    const int m = std::min((width - default_width + 140) / 2, 120);
    return QMargins(m, 0, m - 2, 0);
}

QColor BodyColor(bool dark, int frame_flag)
{
    if (dark)
        return frame_flag != 0 ? QColor(66, 66, 66, 188) : QColor(66, 66, 66, 255);
    return frame_flag != 0 ? QColor(173, 173, 173, 233) : QColor(255, 255, 255, 255);
}

QColor PanelCentreColor(bool dark)
{
    return dark ? QColor(55, 55, 55, 220) : QColor(255, 255, 255, 200);
}

QColor PanelRimColor(bool dark)
{
    return dark ? QColor(55, 55, 55, 250) : QColor(255, 255, 255, 230);
}

} // namespace chrome_style
