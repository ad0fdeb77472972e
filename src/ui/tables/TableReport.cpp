// SPDX-License-Identifier: MIT
#include "ui/tables/TableReport.h"

#include "core/tables/TableBuilder.h"
#include "ui/tables/ReportPainter.h"
#include "ui/tables/TableFonts.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace mensurio {

TableReport::TableReport(UnitDatabase &database, TableChoices choices)
    : m_database(database), m_choices(std::move(choices)) {}

QPageLayout::Orientation TableReport::Orientation() const {
    return m_choices.paper == TablePaper::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

ReportPages TableReport::Pages(const QPageSize &paper) const {
    const QSizeF points = paper.size(QPageSize::Point);
    const double shortSide = std::min(points.width(), points.height()) * 96.0 / 72.0;
    const double longSide = std::max(points.width(), points.height()) * 96.0 / 72.0;
    const bool landscape = Orientation() == QPageLayout::Landscape;
    TableBuilder builder(m_database, m_choices, TableFonts::Measure());
    return builder.BuildPages(landscape ? longSide : shortSide, landscape ? shortSide : longSide);
}

ReportPages TableReport::Pages() const {
    return Pages(QPageSize(QPageSize::A4));
}

bool TableReport::Print(QPrinter &printer) const {
    printer.setFullPage(true);
    printer.setPageOrientation(Orientation());
    return ReportPainter::PaintPages(printer, Pages(printer.pageLayout().pageSize()));
}

int TableReport::PrintCopies(QPrinter &printer) const {
    const int copies = printer.outputFormat() == QPrinter::PdfFormat ? 1 : std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    int printed = 0;
    for (int copy = 0; copy < copies; ++copy)
        if (Print(printer))
            ++printed;
    return printed;
}

QByteArray TableReport::Pdf() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator("Mensurio");
        writer.setTitle("Conversion Table");
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), Orientation(), QMarginsF(0, 0, 0, 0)));
        if (!ReportPainter::PaintPages(writer, Pages()))
            return {};
    }
    return bytes;
}

} // namespace mensurio
