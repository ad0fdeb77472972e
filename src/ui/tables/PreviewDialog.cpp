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

PreviewDialog::PreviewDialog(const TableReport &report, ReportPages pages, ProgramSettings &settings,
                             QWidget *parent)
    : QDialog(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint),
      m_report(report), m_pages(std::move(pages)), m_settings(settings) {
    setObjectName("PreviewDialog");
    setWindowTitle("Preview");
    createWidgets();
    applyGeometry();
    showPage();
}

void PreviewDialog::createWidgets() {
    auto makeButton = [this](const char *name, const char *caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    m_previousButton = makeButton("previousPageButton", "Prev. Page");
    m_nextButton = makeButton("nextPageButton", "Next Page");
    m_printButton = makeButton("printButton", "&Print");
    m_closeButton = makeButton("closeButton", "&Close");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_previousButton, m_nextButton, m_printButton, m_closeButton})
        buttons->addWidget(button);
    buttons->addStretch();

    m_surface = new PreviewSurface;
    m_surface->setObjectName("PageSurface");
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_surface);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAccessibleName("Page");
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName("statusBar");
    m_statusBar->setSizeGripEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_statusBar);

    connect(m_previousButton, &QPushButton::clicked, this, &PreviewDialog::PreviousPage);
    connect(m_nextButton, &QPushButton::clicked, this, &PreviewDialog::NextPage);
    connect(m_printButton, &QPushButton::clicked, this, &PreviewDialog::Print);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void PreviewDialog::applyGeometry() {
    if (m_settings.premaximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setGeometry(m_settings.preleft, m_settings.pretop, m_settings.prewidth, m_settings.preheight);
}

void PreviewDialog::showPage() {
    const ReportPage *page =
        PageCount() > 0 ? &m_pages.pages[static_cast<std::size_t>(m_current - 1)] : nullptr;
    m_surface->SetPage(page, m_pages.pageWidth, m_pages.pageHeight);
    m_previousButton->setEnabled(m_current >= 2);
    m_nextButton->setEnabled(m_current < PageCount());
    m_statusBar->showMessage(QString("Page  %1/%2").arg(m_current).arg(PageCount()));
}

void PreviewDialog::PreviousPage() {
    if (m_current > 1)
        --m_current;
    showPage();
}

void PreviewDialog::NextPage() {
    if (m_current < PageCount())
        ++m_current;
    showPage();
}

void PreviewDialog::Print() {
    QPrinter printer;
    printer.setPageOrientation(m_report.Orientation());
    if (!m_printerChoice(printer, this))
        return;
    const BusyCursor busy;
    m_report.PrintCopies(printer);
}

// The keyboard's way to the page buttons and the zoom: Page Up and Page Down turn the pages,
// + and - zoom in and out.
void PreviewDialog::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        PreviousPage();
        break;
    case Qt::Key_PageDown:
        NextPage();
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
void PreviewDialog::done(int result) {
    m_settings.premaximized = isMaximized();
    const QRect bounds = geometry();
    m_settings.preleft = bounds.x();
    m_settings.pretop = bounds.y();
    m_settings.prewidth = bounds.width();
    m_settings.preheight = bounds.height();
    QDialog::done(result);
}

} // namespace mensurio
