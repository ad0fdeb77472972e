// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportPage.h"
#include "core/tables/ReportTemplate.h"
#include "core/tables/TableChoices.h"
#include "core/tables/TableText.h"

#include <array>
#include <stdexcept>
#include <string>

namespace mensurio {

class UnitDatabase;

/// A row or column unit that the category does not hold.
class TableUnitMissing : public std::runtime_error {
  public:
    explicit TableUnitMissing(const std::string &unit)
        : std::runtime_error("no unit named " + unit), unit(unit) {}
    std::string unit;
};

/// Fills a table's page template from the database's factors (FillTableTemplate) and lays it
/// out into pages.
class TableBuilder {
  public:
    /// The footer names the program and the version of this build, as About and --version do.
    static constexpr const char *VersionText = "Mensurio " MENSURIO_VERSION;

    TableBuilder(UnitDatabase &database, TableChoices choices, TextMeasure measure);

    /// Fills a fresh template: headers, one line per row in every detail field, the version,
    /// the category and the arrow. Throws TableUnitMissing when a row unit is not in the category.
    void FillTableTemplate(ReportTemplate &report);

    /// The template of the choices' paper, filled and laid out on pages of the given size
    /// (pixels at 96 per inch); without a size, A4 in the template's orientation.
    ReportPages BuildPages(double pageWidth = 0, double pageHeight = 0);

    /// The cell of a row unit's factor and a column unit's factor in the table's direction.
    static long double CellValue(long double rowFactor, long double columnFactor, TableDirection direction);

    std::array<long double, kMostTableColumns> ColumnFactors{};
    int HeaderHeight = 0;

  private:
    void fillHeaders(ReportTemplate &report);
    void fillRows(ReportTemplate &report);
    bool findRowUnit(const std::string &name, bool first, int unitCount);

    UnitDatabase &m_database;
    TableChoices m_choices;
    TextMeasure m_measure;
};

} // namespace mensurio
