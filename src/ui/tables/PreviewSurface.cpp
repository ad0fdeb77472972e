// SPDX-License-Identifier: MIT
#include "ui/tables/PreviewSurface.h"

#include "ui/tables/ReportPainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <array>
#include <cmath>

namespace mensurio {

namespace {

constexpr std::array<int, 5> kZoomSteps = {50, 75, 100, 150, 200};

QCursor MagnifierCursor() {
    QPixmap glass(32, 32);
    glass.fill(Qt::transparent);
    QPainter painter(&glass);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 5));
    painter.drawEllipse(QPointF(12, 12), 8, 8);
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 2.5));
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(QPointF(12, 12), 8, 8);
    painter.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 18), QPointF(28, 28));
    painter.end();
    return QCursor(glass, 12, 12);
}

} // namespace

PreviewSurface::PreviewSurface(QWidget *parent) : QWidget(parent) {
    setCursor(MagnifierCursor());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
}

void PreviewSurface::SetPage(const ReportPage *page, double pageWidth, double pageHeight) {
    m_page = page;
    m_pageWidth = pageWidth;
    m_pageHeight = pageHeight;
    resize(sizeHint());
    update();
}

int PreviewSurface::Zoom() const {
    return kZoomSteps[static_cast<std::size_t>(m_zoomStep)];
}

void PreviewSurface::ZoomIn() {
    setZoomStep(m_zoomStep + 1);
}

void PreviewSurface::ZoomOut() {
    setZoomStep(m_zoomStep - 1);
}

void PreviewSurface::setZoomStep(int step) {
    if (step < 0 || step >= static_cast<int>(kZoomSteps.size()))
        return;
    m_zoomStep = step;
    resize(sizeHint());
    update();
}

QSize PreviewSurface::sizeHint() const {
    const double scale = Zoom() / 100.0;
    return QSize(static_cast<int>(std::ceil(m_pageWidth * scale)) + 2 * Margin,
                 static_cast<int>(std::ceil(m_pageHeight * scale)) + 2 * Margin);
}

void PreviewSurface::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const double scale = Zoom() / 100.0;
    painter.fillRect(QRectF(Margin, Margin, m_pageWidth * scale, m_pageHeight * scale), Qt::white);
    if (!m_page)
        return;
    painter.translate(Margin, Margin);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);
    ReportPainter::PaintPage(painter, *m_page);
}

void PreviewSurface::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        ZoomIn();
    else if (event->button() == Qt::RightButton)
        ZoomOut();
}

} // namespace mensurio
