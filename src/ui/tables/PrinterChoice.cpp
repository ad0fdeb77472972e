// SPDX-License-Identifier: MIT
#include "ui/tables/PrinterChoice.h"

#include <QPrintDialog>
#include <QPrinter>

namespace mensurio {

bool ShowPrintDialog(QPrinter &printer, QWidget *parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace mensurio
