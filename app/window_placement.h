// Where the main window goes at start-up.
#pragma once

#include <optional>
#include <QRect>
#include <QSize>
#include <string>

namespace window_placement {

// 900 x 700 on large screens, else two thirds of the available area.
QSize DefaultSize(const QSize& available);

// The four numbers of a saved position string, when it holds exactly four.
std::optional<QRect> ParsePosition(const std::string& position);

// A saved frame is used when its top-left lies on the available area
// (the top may be up to 44 pixels above it).
bool IsAccepted(const QRect& frame, const QSize& available);

} // namespace window_placement
