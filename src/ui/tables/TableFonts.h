// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportPage.h"
#include "core/tables/TableText.h"

#include <QFont>

namespace mensurio {

/// The fonts of printed tables: Tahoma 11 px for the bands and 15 px for the category heading,
/// or the desktop's default face at those sizes where Tahoma is not installed.
class TableFonts {
  public:
    static QFont Font(ReportFont font);
    /// Widths and line height of the bands' font, for header wrapping and layout.
    static TextMeasure Measure();
};

} // namespace mensurio
