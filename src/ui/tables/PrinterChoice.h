// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace mensurio {

/// Lets the user choose the printer, the copies and the file of the print-to-PDF printer;
/// false when cancelled. Tests put a scripted choice here instead of the dialog.
using PrinterChoice = std::function<bool(QPrinter &, QWidget *)>;

/// The system's printer dialog (QPrintDialog); the PDF printer is always among its choices.
bool ShowPrintDialog(QPrinter &printer, QWidget *parent);

} // namespace mensurio
