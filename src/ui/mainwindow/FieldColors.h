// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

namespace mensurio {

/// Colours of the read-only result field that follow the desktop's palette.
class FieldColors {
  public:
    /// Silver on a light palette, as the field always looked; on a dark palette a shade a
    /// little lighter than the editable fields, so the palette's light text stays readable.
    static QColor ReadOnlyBackground(const QPalette &palette);
    /// `palette` with its base colour (in every colour group) replaced by ReadOnlyBackground.
    static QPalette ReadOnlyPalette(QPalette palette);
    /// WCAG contrast ratio of two colours, 1 (none) to 21 (black on white).
    static double ContrastRatio(const QColor &a, const QColor &b);
};

} // namespace mensurio
