// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/ProgramSettings.h"
#include "core/tables/ReportPage.h"
#include "ui/tables/PrinterChoice.h"

#include <QDialog>

class QPushButton;
class QScrollArea;
class QStatusBar;

namespace mensurio {

class TableReport;
class PreviewSurface;

/// The table preview: one page at a time with page buttons, zoom by clicking, printing, and
/// its window geometry kept in the settings (`premaximized`, `preleft`, `pretop`, ...).
class PreviewDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreviewDialog)
  public:
    /// Lays the report out on `pages` (the current printer's paper) and shows page 1 at 100 %,
    /// placed as the settings say.
    PreviewDialog(const TableReport &report, ReportPages pages, ProgramSettings &settings,
                  QWidget *parent = nullptr);

    void SetPrinterChoice(PrinterChoice choice) { m_printerChoice = std::move(choice); }
    int CurrentPage() const { return m_current; }
    int PageCount() const { return static_cast<int>(m_pages.pages.size()); }

    void PreviousPage();
    void NextPage();
    void Print();

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void createWidgets();
    void applyGeometry();
    void showPage();

    const TableReport &m_report;
    ReportPages m_pages;
    ProgramSettings &m_settings;
    PrinterChoice m_printerChoice = &ShowPrintDialog;
    int m_current = 1;

    QPushButton *m_previousButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QScrollArea *m_scroll = nullptr;
    PreviewSurface *m_surface = nullptr;
    QStatusBar *m_statusBar = nullptr;
};

} // namespace mensurio
