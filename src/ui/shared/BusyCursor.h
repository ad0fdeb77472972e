// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QCursor>

namespace mensurio {

/// Shows the busy cursor while it lives, and restores the normal one on every way out,
/// exceptions included.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace mensurio
