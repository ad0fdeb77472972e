// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportPage.h"

class QPainter;
class QPagedPaintDevice;

namespace mensurio {

/// Draws laid-out report pages (pixels at 96 per inch) on any painter: the preview surface,
/// a printer or a PDF file.
class ReportPainter {
  public:
    /// Draws one page with the painter's current transformation as the 96-per-inch frame.
    static void PaintPage(QPainter &painter, const ReportPage &page);
    /// Draws every page on a paged device whose painting area is the whole sheet, one sheet
    /// per page. Returns false when the device cannot be painted on.
    static bool PaintPages(QPagedPaintDevice &device, const ReportPages &pages);
};

} // namespace mensurio
