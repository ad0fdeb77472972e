// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

namespace mensurio {

/// The two fonts of a printed table: the bands' font (Tahoma 8 pt, 11 px) and the category
/// heading's (Tahoma 11 pt, 15 px).
enum class ReportFont { Band, Heading };

enum class ReportAlign { Left, Right };

/// One line of text placed on a page, in pixels at 96 per inch from the page's top left.
struct ReportText {
    std::string field; // the template field it comes from ("UnitH1", "Result3", "Page", ...)
    std::string text;  // Windows-1252
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    ReportFont font = ReportFont::Band;
    ReportAlign align = ReportAlign::Left;
    bool clip = false;     // cut at the box's right edge
    bool fitWidth = false; // condensed to the box's width when wider
};

struct ReportPoint {
    double x = 0;
    double y = 0;
};

/// A filled black polygon (the arrowheads of the column-header band).
struct ReportPolygon {
    std::vector<ReportPoint> points;
};

/// One printed page: everything a painter draws on it.
struct ReportPage {
    int number = 0; // 1-based
    std::vector<ReportText> texts;
    std::vector<ReportPolygon> shapes;
};

/// A laid-out report: the page size (pixels at 96 per inch) and its pages.
struct ReportPages {
    double pageWidth = 0;
    double pageHeight = 0;
    std::vector<ReportPage> pages;
};

} // namespace mensurio
