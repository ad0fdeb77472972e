// SPDX-License-Identifier: MIT
#include "ui/mainwindow/ToolbarDocking.h"

#include <QMainWindow>
#include <QToolBar>

#include <algorithm>
#include <set>
#include <tuple>

namespace mensurio {

namespace {

constexpr std::pair<ToolbarDock, Qt::ToolBarArea> kAreas[] = {{ToolbarDock::Top, Qt::TopToolBarArea},
                                                              {ToolbarDock::Left, Qt::LeftToolBarArea},
                                                              {ToolbarDock::Right, Qt::RightToolBarArea},
                                                              {ToolbarDock::Bottom, Qt::BottomToolBarArea}};

bool IsHorizontal(Qt::ToolBarArea area) {
    return area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
}

// Across the lines of the area (which line) and along a line (where on it).
int AcrossLines(const QToolBar &bar, Qt::ToolBarArea area) {
    return IsHorizontal(area) ? bar.y() : bar.x();
}

int AlongLine(const QToolBar &bar, Qt::ToolBarArea area) {
    return IsHorizontal(area) ? bar.x() : bar.y();
}

// The bar's line: how many distinct lines of docked bars in the same area lie before it.
int LineOf(const QMainWindow &window, const QToolBar &bar, Qt::ToolBarArea area) {
    std::set<int> before;
    for (const QToolBar *other : window.findChildren<QToolBar *>()) {
        if (other->isFloating() || window.toolBarArea(other) != area)
            continue;
        if (AcrossLines(*other, area) < AcrossLines(bar, area))
            before.insert(AcrossLines(*other, area));
    }
    return static_cast<int>(before.size());
}

struct Docking {
    QToolBar *bar;
    Qt::ToolBarArea area;
    int row;
    int pos;
};

// A bar whose placement names no dock stays in place; one docked after it in its area at a row
// above 0 goes on a line of its own.
bool AreaHoldsOtherBars(const QMainWindow &window, const std::vector<Docking> &moved, Qt::ToolBarArea area) {
    for (const QToolBar *bar : window.findChildren<QToolBar *>()) {
        const bool isMoved =
            std::any_of(moved.begin(), moved.end(), [bar](const Docking &d) { return d.bar == bar; });
        if (!isMoved && !bar->isFloating() && window.toolBarArea(bar) == area)
            return true;
    }
    return false;
}

} // namespace

ToolbarDock ToolbarDocking::DockOf(Qt::ToolBarArea area) {
    for (const auto &[dock, known] : kAreas) {
        if (known == area)
            return dock;
    }
    return ToolbarDock::None;
}

std::optional<Qt::ToolBarArea> ToolbarDocking::AreaOf(ToolbarDock dock) {
    for (const auto &[known, area] : kAreas) {
        if (known == dock)
            return area;
    }
    return std::nullopt;
}

ToolbarPlacement ToolbarDocking::Capture(const QMainWindow &window, const QToolBar &bar,
                                         const ToolbarPlacement &previous) {
    ToolbarPlacement placement = previous;
    placement.name = bar.objectName().toStdString();
    placement.visible = !bar.isHidden();
    if (bar.isFloating()) {
        const QRect rect = bar.geometry();
        placement.dock = ToolbarDock::Floating;
        placement.floatLeft = rect.left();
        placement.floatTop = rect.top();
        placement.floatRight = rect.left() + rect.width();
        placement.floatBottom = rect.top() + rect.height();
        return placement;
    }
    const Qt::ToolBarArea area = window.toolBarArea(&bar);
    placement.dock = DockOf(area);
    if (placement.dock != ToolbarDock::None) {
        placement.dockRow = LineOf(window, bar, area);
        placement.dockPos = AlongLine(bar, area);
    }
    return placement;
}

void ToolbarDocking::Float(QToolBar &bar, const QRect &rect) {
    // A floating tool bar is a frameless tool window; the main window's layout skips it until
    // the user drags it back into a dock.
    bar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    bar.setGeometry(rect);
}

void ToolbarDocking::Apply(QMainWindow &window,
                           const std::vector<std::pair<QToolBar *, ToolbarPlacement>> &bars) {
    std::vector<Docking> docked;
    for (const auto &[bar, placement] : bars) {
        if (placement.IsFloating()) {
            Float(*bar, QRect(QPoint(placement.floatLeft, placement.floatTop),
                              QPoint(placement.floatRight - 1, placement.floatBottom - 1)));
        } else if (const auto area = AreaOf(placement.dock)) {
            docked.push_back({bar, *area, placement.dockRow, placement.dockPos});
            if (bar->isWindow())
                bar->setWindowFlags(Qt::Widget);
            window.removeToolBar(bar);
        }
    }
    std::stable_sort(docked.begin(), docked.end(), [](const Docking &a, const Docking &b) {
        return std::tie(a.area, a.row, a.pos) < std::tie(b.area, b.row, b.pos);
    });
    for (std::size_t i = 0; i < docked.size(); ++i) {
        const Docking &d = docked[i];
        const bool sameAreaBefore = i > 0 && docked[i - 1].area == d.area;
        // A later line of the area starts with a break.
        if ((sameAreaBefore && docked[i - 1].row < d.row) ||
            (!sameAreaBefore && d.row > 0 && AreaHoldsOtherBars(window, docked, d.area)))
            window.addToolBarBreak(d.area);
        window.addToolBar(d.area, d.bar);
    }
    for (const auto &[bar, placement] : bars)
        bar->setVisible(placement.visible);
}

} // namespace mensurio
