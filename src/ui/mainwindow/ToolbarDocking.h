// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/ToolbarPlacement.h"

#include <QRect>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QMainWindow;
class QToolBar;

namespace mensurio {

/// Translates between a main window's tool bars and their stored placement: the four tool bar
/// areas are the four docks, the row is the bar's line within its area, the position its
/// offset along the line, and a floating bar keeps its window rectangle.
class ToolbarDocking {
  public:
    /// The dock of a tool bar area; None for no area.
    static ToolbarDock DockOf(Qt::ToolBarArea area);
    /// The area of a dock; none for Floating and None.
    static std::optional<Qt::ToolBarArea> AreaOf(ToolbarDock dock);

    /// Where the bar is now. `previous` gives the values a floating bar does not have itself
    /// (its last row and position) and FloatRightX, which is kept unchanged.
    static ToolbarPlacement Capture(const QMainWindow &window, const QToolBar &bar,
                                    const ToolbarPlacement &previous);

    /// Puts each bar where its placement says: floating at the stored rectangle, or docked in
    /// the named area, ordered by row and position; an empty or unknown dock leaves the bar
    /// where it is. Then each bar is shown or hidden per its placement.
    static void Apply(QMainWindow &window, const std::vector<std::pair<QToolBar *, ToolbarPlacement>> &bars);

    /// Takes the bar out of its dock into a window of its own at `rect`.
    static void Float(QToolBar &bar, const QRect &rect);
};

} // namespace mensurio
