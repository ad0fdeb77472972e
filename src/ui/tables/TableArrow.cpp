// SPDX-License-Identifier: MIT
#include "ui/tables/TableArrow.h"

#include "core/tables/ReportLayout.h"

#include <QPainter>
#include <QPolygonF>

namespace mensurio {

TableArrow::TableArrow(QWidget *parent) : QWidget(parent) {
    setFixedSize(static_cast<int>(ReportTemplate::ArrowWidth), static_cast<int>(ReportTemplate::ArrowHeight));
}

void TableArrow::SetForm(ArrowForm form) {
    m_form = form;
    update();
}

void TableArrow::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    for (const ReportPolygon &head : ReportLayout::ArrowShape(0, 0, m_form)) {
        QPolygonF polygon;
        for (const ReportPoint &point : head.points)
            polygon << QPointF(point.x, point.y);
        painter.drawPolygon(polygon);
    }
}

} // namespace mensurio
