#include "app/window_placement.h"

#include <QString>
#include <vector>

namespace window_placement {

QSize DefaultSize(const QSize& available)
{
    const int w = 2 * available.width() >= 2703 ? 900 : 2 * available.width() / 3;
    const int h = 2 * available.height() >= 2103 ? 700 : 2 * available.height() / 3;
    return { w, h };
}

std::optional<QRect> ParsePosition(const std::string& position)
{
    // Each number is followed by a comma; text after the last comma is ignored.
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    for (auto comma = position.find(','); comma != std::string::npos;
         comma = position.find(',', start)) {
        pieces.push_back(position.substr(start, comma - start));
        start = comma + 1;
    }
    if (pieces.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i)
        values[i] = QString::fromStdString(pieces[i]).toInt(); // 0 when not a number
    return QRect(values[0], values[1], values[2], values[3]);
}

bool IsAccepted(const QRect& frame, const QSize& available)
{
    return frame.x() >= 0 && frame.x() <= available.width() && frame.y() >= -44
        && frame.y() <= available.height();
}

} // namespace window_placement
