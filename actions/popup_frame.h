// The popup frame's rules without a window: which title-bar buttons a mask
// asks for, where the drag strip is, and where a shown popup is centred.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace popup_frame {

enum button { close = 1, maximise = 2, minimise = 4 };
// The mask of a window without any title bar.
constexpr int no_title_bar = 16;
constexpr int title_height = 44;
constexpr int button_width = 48;
constexpr int button_height = 32;

// Title-bar buttons of the mask, left to right: minimise, maximise, close.
std::vector<button> Buttons(int mask);

// Where a left press starts a drag: the title strip left of the buttons.
QRect DragStrip(int mask, int window_width);

// Over the anchor's middle, 30 pixels higher.
QPoint Centred(const QRect& anchor, const QSize& popup);

} // namespace popup_frame

namespace popup_frame {

// A pinned picture at its own size, but at least 88 pixels high when it is
// under 45: small pictures get a window big enough to grab. A picture that
// did not load keeps its empty size (the window's minimum then applies).
QSize PinnedImageSize(const QSize& pixmap);

} // namespace popup_frame
