// Where the areas of a type tab strip lie and what a click on it does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tab_strip {

// n areas share the width; each is width / n wide, area i starts at i * width / n.
int AreaWidth(int width, std::size_t count);
int AreaLeft(std::size_t index, int width, std::size_t count);

// The area strictly inside whose borders x (rounded) lies; a click on a
// boundary pixel, or outside the strip, hits none.
std::optional<std::size_t> HitArea(double x, int width, std::size_t count);

enum class click_result {
    nothing, // outside every area
    repaint, // the current area again
    choose, // post the area's value and make it current
};

// The favourites area (index 4) answers every click, so repeated clicks can
// step through the favourite orders.
click_result Click(std::optional<std::size_t> hit, std::size_t current);

constexpr std::size_t repeatable_area = 4;

} // namespace tab_strip
