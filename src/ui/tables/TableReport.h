// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportPage.h"
#include "core/tables/TableChoices.h"

#include <QByteArray>
#include <QPageLayout>

#include <string>

class QPrinter;

namespace mensurio {

class UnitDatabase;

/// One conversion table from the choices of the table dialog or the command line: laid out for
/// a sheet, printed, or written as a PDF document.
class TableReport {
  public:
    TableReport(UnitDatabase &database, TableChoices choices);

    const TableChoices &Choices() const { return m_choices; }
    QPageLayout::Orientation Orientation() const;

    /// The pages on a sheet of that size in points, turned to the table's orientation.
    ReportPages Pages(const QPageSize &paper) const;
    /// The pages on A4.
    ReportPages Pages() const;

    /// Prints the table once to the printer's current paper in the table's orientation, the
    /// layout covering the whole sheet. Returns false when the printer refused.
    bool Print(QPrinter &printer) const;
    /// Prints as many separate jobs as the printer dialog's copies ask for (one for a PDF
    /// file, where copies mean nothing). Returns the jobs printed.
    int PrintCopies(QPrinter &printer) const;

    /// The table as a PDF document on A4.
    QByteArray Pdf() const;

  private:
    UnitDatabase &m_database;
    TableChoices m_choices;
};

} // namespace mensurio
