// SPDX-License-Identifier: MIT
#include "core/tables/ReportLayout.h"

#include <algorithm>
#include <sstream>

namespace mensurio {

namespace {

std::size_t DetailLineCount(const ReportTemplate &report) {
    std::size_t count = 0;
    for (const ReportField &field : report.Fields())
        if (field.band == ReportBand::Detail)
            count = std::max(count, field.lines.size());
    return count;
}

} // namespace

double ReportLayout::ColumnHeaderBandHeight(const ReportTemplate &report) {
    double height = ReportTemplate::ColumnHeaderHeight;
    for (const ReportField &field : report.Fields())
        if (field.band == ReportBand::ColumnHeader)
            height = std::max(height, field.y + field.height);
    return std::max(height, report.ArrowTop + ReportTemplate::ArrowHeight);
}

std::vector<ReportPolygon> ReportLayout::ArrowShape(double x, double y, ArrowForm form) {
    const double h = ReportTemplate::ArrowHeight;
    std::vector<ReportPolygon> heads;
    for (int i = 0; i < 3; ++i) {
        const double left = 1.2 * h * i;
        ReportPolygon head{{{left, 0}, {left, h}, {left + 1.4 * h, h / 2}}};
        for (ReportPoint &p : head.points) {
            if (form == ArrowForm::Left)
                p.x = ReportTemplate::ArrowWidth - p.x;
            p.x += x;
            p.y += y;
        }
        heads.push_back(head);
    }
    return heads;
}

std::vector<std::string> ReportLayout::WrapWords(const std::string &text, double width) const {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && m_measure.width(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

void ReportLayout::placeField(const ReportField &field, const std::string &text, double top,
                              ReportPage &page) const {
    ReportText item;
    item.field = field.name;
    item.x = field.x;
    item.width = field.width;
    item.height = m_measure.lineHeight;
    item.font = field.font;
    item.align = field.align;
    item.clip = field.clip;
    item.fitWidth = field.fitWidth;
    const std::vector<std::string> lines = field.wordWrap ? WrapWords(text, field.width) : std::vector{text};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        item.text = lines[i];
        item.y = top + field.y + static_cast<double>(i) * m_measure.lineHeight;
        if (field.font == ReportFont::Heading)
            item.height = field.height;
        page.texts.push_back(item);
    }
}

// Places the band's fields with the text each shows: a label its text, the page number field
// the page's number, a data field its line `line` (the only line outside the detail band).
void ReportLayout::placeBand(const ReportTemplate &report, ReportBand band, double top, std::size_t line,
                             ReportPage &page) const {
    for (const ReportField &field : report.Fields()) {
        if (field.band != band)
            continue;
        if (field.kind == ReportFieldKind::PageNumber)
            placeField(field, std::to_string(page.number), top, page);
        else if (line < field.lines.size())
            placeField(field, field.lines[line], top, page);
    }
    if (band == ReportBand::ColumnHeader)
        for (ReportPolygon &head : ArrowShape(ReportTemplate::ArrowX, top + report.ArrowTop, report.Arrow))
            page.shapes.push_back(std::move(head));
}

ReportPages ReportLayout::Paginate(const ReportTemplate &report, double pageWidth, double pageHeight) const {
    ReportPages result;
    result.pageWidth = pageWidth;
    result.pageHeight = pageHeight;
    const double headerBand = ColumnHeaderBandHeight(report);
    const double footerTop = pageHeight - ReportTemplate::PageFooterHeight;
    double y = 0;
    auto beginPage = [&] {
        result.pages.push_back(ReportPage{static_cast<int>(result.pages.size()) + 1, {}, {}});
        placeBand(report, ReportBand::PageHeader, 0, 0, result.pages.back());
        placeBand(report, ReportBand::ColumnHeader, ReportTemplate::PageHeaderHeight, 0, result.pages.back());
        y = ReportTemplate::PageHeaderHeight + headerBand;
    };
    auto endPage = [&] { placeBand(report, ReportBand::PageFooter, footerTop, 0, result.pages.back()); };
    beginPage();
    const std::size_t rows = DetailLineCount(report);
    bool pageHasRows = false;
    for (std::size_t row = 0; row < rows; ++row) {
        // A row that would run into the footer starts a new page; a page that cannot hold even
        // one row still takes one, so a tiny paper never stops the layout.
        if (pageHasRows && y + ReportTemplate::DetailHeight > footerTop) {
            endPage();
            beginPage();
        }
        placeBand(report, ReportBand::Detail, y, row, result.pages.back());
        y += ReportTemplate::DetailHeight;
        pageHasRows = true;
    }
    endPage();
    return result;
}

} // namespace mensurio
