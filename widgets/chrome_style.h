// The looks of the window chrome by window state and theme: title-bar button
// style sheets, layout margins, and the colours of the painted body.
#pragma once

#include <QColor>
#include <QMargins>
#include <QString>

namespace chrome_style {

// "QPushButton{border:none;}" and the background images N, N_h, N_d for the
// normal, hover and pressed states; square uses N_h_square and N_d_square.
QString WindowButtonSheet(const QString& base, bool square = false);

struct chrome_look {
    QString min_button; // image base names
    QString max_button;
    QString close_button;
    bool square_close = false;
    QMargins outer;
    QMargins inner;
    int frame_margin = 8; // corner radius of the painted body
    int frame_flag = 1; // inset of the painted body
};

chrome_look LookFor(bool maximised, bool dark);

// The title row widens its margins with the window, so the buttons move
// toward the middle of a wide window.
QMargins TitleRowMargins(int width, int default_width);

// Body fill; frame_flag 0 means maximised, drawn opaque.
QColor BodyColor(bool dark, int frame_flag);
// Inner panel's radial gradient, centre and rim.
QColor PanelCentreColor(bool dark);
QColor PanelRimColor(bool dark);

} // namespace chrome_style
