// SPDX-License-Identifier: MIT
#include "ui/tables/ReportPainter.h"

#include "ui/shared/QtCp1252.h"
#include "ui/tables/TableFonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPolygonF>

namespace mensurio {

namespace {

void PaintText(QPainter &painter, const ReportText &item) {
    const QString text = QtCp1252::ToQString(item.text);
    if (text.trimmed().isEmpty())
        return;
    const QFont font = TableFonts::Font(item.font);
    painter.setFont(font);
    const QRectF box(item.x, item.y, item.width, item.height);
    const int align = (item.align == ReportAlign::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
    if (item.fitWidth && wide > item.width) {
        // A value wider than its column is condensed rather than drawn over the next column.
        painter.save();
        painter.translate(item.x, item.y);
        painter.scale(item.width / wide, 1.0);
        painter.drawText(QRectF(0, 0, wide + 1, item.height), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         text);
        painter.restore();
    } else if (item.clip) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        painter.drawText(box, align | Qt::TextDontClip, text);
        painter.restore();
    } else {
        painter.drawText(box, align | Qt::TextDontClip, text);
    }
}

} // namespace

void ReportPainter::PaintPage(QPainter &painter, const ReportPage &page) {
    painter.save();
    painter.setPen(Qt::black);
    for (const ReportText &item : page.texts)
        PaintText(painter, item);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const ReportPolygon &shape : page.shapes) {
        QPolygonF polygon;
        for (const ReportPoint &point : shape.points)
            polygon << QPointF(point.x, point.y);
        painter.drawPolygon(polygon);
    }
    painter.restore();
}

bool ReportPainter::PaintPages(QPagedPaintDevice &device, const ReportPages &pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    for (std::size_t i = 0; i < pages.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        ReportPainter::PaintPage(painter, pages.pages[i]);
    }
    return painter.end();
}

} // namespace mensurio
