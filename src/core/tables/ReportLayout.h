// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportPage.h"
#include "core/tables/ReportTemplate.h"
#include "core/tables/TableText.h"

#include <string>
#include <vector>

namespace mensurio {

/// Lays a filled table template out into pages: the page header on every page, the column
/// headers below it, one detail band per row until the next would run into the page footer,
/// then a new page with the headers repeated.
class ReportLayout {
  public:
    // A4 at 96 pixels per inch.
    static constexpr double A4Short = 793.7;
    static constexpr double A4Long = 1122.5;

    explicit ReportLayout(TextMeasure measure) : m_measure(std::move(measure)) {}

    ReportPages Paginate(const ReportTemplate &report, double pageWidth, double pageHeight) const;

    /// The column-header band's height: 21, or more to hold its tallest field and the arrow.
    static double ColumnHeaderBandHeight(const ReportTemplate &report);
    /// The three arrowheads of the arrow shape placed at (x, y).
    static std::vector<ReportPolygon> ArrowShape(double x, double y, ArrowForm form);
    /// The lines a word-wrapping field shows: as many words on each line as fit the width.
    std::vector<std::string> WrapWords(const std::string &text, double width) const;

  private:
    void placeBand(const ReportTemplate &report, ReportBand band, double top, std::size_t line,
                   ReportPage &page) const;
    void placeField(const ReportField &field, const std::string &text, double top, ReportPage &page) const;

    TextMeasure m_measure;
};

} // namespace mensurio
