// SPDX-License-Identifier: MIT
#include "ui/tables/PreviewDialog.h"

#include "ui/shared/BusyCursor.h"
#include "ui/tables/PreviewSurface.h"
#include "ui/tables/TableReport.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include <utility>

namespace mensurio {

TPreview::TPreview(const TableReport &report, ReportPages pages, ProgramSettings &settings, QWidget *parent)
    : QDialog(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint),
      m_report(report), m_pages(std::move(pages)), m_settings(settings) {
    setObjectName("TPreview");
    setWindowTitle("Preview");
    createWidgets();
    applyGeometry();
    showPage();
}

void TPreview::createWidgets() {
    auto makeButton = [this](const char *name, const char *caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    SpeedButton1 = makeButton("SpeedButton1", "Prev. Page");
    SpeedButton2 = makeButton("SpeedButton2", "Next Page");
    SpeedButton3 = makeButton("SpeedButton3", "&Print");
    SpeedButton4 = makeButton("SpeedButton4", "&Close");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
        buttons->addWidget(button);
    buttons->addStretch();

    m_surface = new TPreviewSurface;
    m_surface->setObjectName("PageSurface");
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_surface);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAccessibleName("Page");
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(StatusBar1);

    connect(SpeedButton1, &QPushButton::clicked, this, &TPreview::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TPreview::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TPreview::SpeedButton3Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &QDialog::accept);
}

void TPreview::applyGeometry() {
    if (m_settings.premaximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setGeometry(m_settings.preleft, m_settings.pretop, m_settings.prewidth, m_settings.preheight);
}

void TPreview::showPage() {
    const ReportPage *page =
        PageCount() > 0 ? &m_pages.pages[static_cast<std::size_t>(m_current - 1)] : nullptr;
    m_surface->SetPage(page, m_pages.pageWidth, m_pages.pageHeight);
    SpeedButton1->setEnabled(m_current >= 2);
    SpeedButton2->setEnabled(m_current < PageCount());
    StatusBar1->showMessage(QString("Page  %1/%2").arg(m_current).arg(PageCount()));
}

void TPreview::SpeedButton1Click() {
    if (m_current > 1)
        --m_current;
    showPage();
}

void TPreview::SpeedButton2Click() {
    if (m_current < PageCount())
        ++m_current;
    showPage();
}

void TPreview::SpeedButton3Click() {
    QPrinter printer;
    printer.setPageOrientation(m_report.Orientation());
    if (!m_printerChoice(printer, this))
        return;
    const BusyCursor busy;
    m_report.PrintCopies(printer);
}

// The keyboard's way to the page buttons and the zoom: Page Up and Page Down turn the pages,
// + and - zoom in and out.
void TPreview::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        SpeedButton1Click();
        break;
    case Qt::Key_PageDown:
        SpeedButton2Click();
        break;
    case Qt::Key_Plus:
        m_surface->ZoomIn();
        break;
    case Qt::Key_Minus:
        m_surface->ZoomOut();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

// However the window closes, its place and size are kept for the next preview.
void TPreview::done(int result) {
    m_settings.premaximized = isMaximized();
    const QRect bounds = geometry();
    m_settings.preleft = bounds.x();
    m_settings.pretop = bounds.y();
    m_settings.prewidth = bounds.width();
    m_settings.preheight = bounds.height();
    QDialog::done(result);
}

} // namespace mensurio
