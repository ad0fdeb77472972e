// SPDX-License-Identifier: MIT
#include "core/layout/ScreenPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace mensurio {
namespace {

const LayoutRect kLeft{0, 0, 1920, 1040};     // a screen's available area, panel below
const LayoutRect kRight{1920, 0, 1280, 1024}; // a second monitor to the right
const LayoutRect kScaled{0, 0, 960, 520};     // the first screen at a scale of 2

struct PlacementCase {
    const char *what;
    LayoutRect window;
    std::vector<LayoutRect> screens;
    LayoutRect expected;
};

TEST(PlaceOnScreens, keepsWhatFitsAndMovesTheRestOntoTheNearestScreen) {
    const PlacementCase cases[] = {
        {"inside the screen", {100, 80, 561, 385}, {kLeft}, {100, 80, 561, 385}},
        {"exactly the screen", {0, 0, 1920, 1040}, {kLeft}, {0, 0, 1920, 1040}},
        {"on the second monitor", {2000, 100, 561, 385}, {kLeft, kRight}, {2000, 100, 561, 385}},
        {"monitor disconnected", {2000, 100, 561, 385}, {kLeft}, {1359, 100, 561, 385}},
        {"beyond the right edge", {1800, 100, 561, 385}, {kLeft}, {1359, 100, 561, 385}},
        {"above and left of the screen", {-300, -50, 561, 385}, {kLeft}, {0, 0, 561, 385}},
        {"under the panel", {100, 900, 561, 385}, {kLeft}, {100, 655, 561, 385}},
        {"scale 2: moved and shrunk", {800, 400, 1200, 700}, {kScaled}, {0, 0, 960, 520}},
        {"scale 2: moved only", {800, 400, 561, 385}, {kScaled}, {399, 135, 561, 385}},
        {"across two monitors: the one it overlaps most",
         {1700, 100, 561, 385},
         {kLeft, kRight},
         {1920, 100, 561, 385}},
        {"far away, no overlap: the nearest", {5000, 3000, 561, 385}, {kLeft, kRight}, {2639, 639, 561, 385}},
        {"no screens", {5000, 3000, 561, 385}, {}, {5000, 3000, 561, 385}},
        {"huge coordinates", {2000000000, 2000000000, 561, 385}, {kLeft}, {1359, 655, 561, 385}},
    };
    for (const PlacementCase &c : cases)
        EXPECT_EQ(PlaceOnScreens(c.window, c.screens), c.expected) << c.what;
}

} // namespace
} // namespace mensurio
