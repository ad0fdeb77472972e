// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/WindowLayout.h"

#include <vector>

namespace mensurio {

/// Where a saved window goes on the screens there are now: unchanged when it lies wholly on one
/// screen; otherwise (a disconnected monitor, another scale) moved onto the screen it overlaps
/// most, or the nearest one when it overlaps none, and shrunk to that screen when larger.
/// window and screens are in desktop coordinates; screens are the available areas (without
/// panels). No screens: the window stays as it is.
LayoutRect PlaceOnScreens(const LayoutRect &window, const std::vector<LayoutRect> &screens);

} // namespace mensurio
