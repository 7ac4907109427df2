#include "widgets/tab_strip_geometry.h"

#include <cmath>

namespace tab_strip {

int AreaWidth(int width, std::size_t count)
{
    if (count == 0)
        return 0;
    return width / static_cast<int>(count);
}

int AreaLeft(std::size_t index, int width, std::size_t count)
{
    if (count == 0)
        return 0;
    return static_cast<int>(
        static_cast<std::int64_t>(index) * width / static_cast<std::int64_t>(count));
}

std::optional<std::size_t> HitArea(double x, int width, std::size_t count)
{
    const auto px = static_cast<std::int64_t>(std::lround(x));
    for (std::size_t i = 0; i < count; ++i) {
        if (AreaLeft(i, width, count) < px && AreaLeft(i + 1, width, count) > px)
            return i;
    }
    return std::nullopt;
}

click_result Click(std::optional<std::size_t> hit, std::size_t current)
{
    if (!hit)
        return click_result::nothing;
    if (*hit == current && *hit != repeatable_area)
        return click_result::repaint;
    return click_result::choose;
}

} // namespace tab_strip
