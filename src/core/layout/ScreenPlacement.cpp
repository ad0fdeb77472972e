// SPDX-License-Identifier: MIT
#include "core/layout/ScreenPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace mensurio {

namespace {

// 64-bit: the products of desktop coordinates may exceed an int.
std::int64_t OverlapArea(const LayoutRect &a, const LayoutRect &b) {
    const std::int64_t width =
        std::min<std::int64_t>(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width) -
        std::max(a.left, b.left);
    const std::int64_t height =
        std::min<std::int64_t>(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height) -
        std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

bool Contains(const LayoutRect &screen, const LayoutRect &window) {
    return window.left >= screen.left && window.top >= screen.top &&
           std::int64_t{window.left} + window.width <= std::int64_t{screen.left} + screen.width &&
           std::int64_t{window.top} + window.height <= std::int64_t{screen.top} + screen.height;
}

// Squared distance between the two rectangles' centres (doubled coordinates); in floating
// point, since the square of a desktop coordinate may exceed 64 bits.
double CentreDistance(const LayoutRect &a, const LayoutRect &b) {
    const double dx = (2.0 * a.left + a.width) - (2.0 * b.left + b.width);
    const double dy = (2.0 * a.top + a.height) - (2.0 * b.top + b.height);
    return dx * dx + dy * dy;
}

const LayoutRect &BestScreen(const LayoutRect &window, const std::vector<LayoutRect> &screens) {
    const LayoutRect *best = &screens.front();
    std::int64_t bestOverlap = -1;
    double bestDistance = std::numeric_limits<double>::max();
    for (const LayoutRect &screen : screens) {
        const std::int64_t overlap = OverlapArea(window, screen);
        const double distance = CentreDistance(window, screen);
        if (overlap > bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
            best = &screen;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return *best;
}

} // namespace

LayoutRect PlaceOnScreens(const LayoutRect &window, const std::vector<LayoutRect> &screens) {
    if (screens.empty())
        return window;
    for (const LayoutRect &screen : screens) {
        if (Contains(screen, window))
            return window;
    }
    const LayoutRect &screen = BestScreen(window, screens);
    LayoutRect placed = window;
    placed.width = std::clamp(window.width, 1, std::max(1, screen.width));
    placed.height = std::clamp(window.height, 1, std::max(1, screen.height));
    placed.left =
        std::clamp(window.left, screen.left, screen.left + std::max(0, screen.width - placed.width));
    placed.top = std::clamp(window.top, screen.top, screen.top + std::max(0, screen.height - placed.height));
    return placed;
}

} // namespace mensurio
