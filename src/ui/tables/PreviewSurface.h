// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportPage.h"

#include <QWidget>

namespace mensurio {

/// The page surface of the preview: one page on white at 15, 15, zoomed in by a left click
/// and out by a right click along 50, 75, 100, 150 and 200 %, under a magnifier cursor.
class PreviewSurface : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreviewSurface)
  public:
    static constexpr int Margin = 15;

    explicit PreviewSurface(QWidget *parent = nullptr);

    void SetPage(const ReportPage *page, double pageWidth, double pageHeight);
    int Zoom() const;
    void ZoomIn();
    void ZoomOut();
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    void setZoomStep(int step);

    const ReportPage *m_page = nullptr;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    int m_zoomStep = 2; // 100 %
};

} // namespace mensurio
