// SPDX-License-Identifier: MIT
#include "core/tables/TableBuilder.h"

#include "core/currency/CurrencyCategory.h"

#include "core/db/UnitDatabase.h"
#include "core/tables/ReportLayout.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace mensurio {

namespace {

// Opens the unit ring again however the row search ends.
class UnitRingGuard {
  public:
    explicit UnitRingGuard(UnitDatabase &database) : m_database(database) { m_database.CloseUnitRing(); }
    ~UnitRingGuard() { m_database.OpenUnitRing(); }
    UnitRingGuard(const UnitRingGuard &) = delete;
    UnitRingGuard &operator=(const UnitRingGuard &) = delete;

  private:
    UnitDatabase &m_database;
};

std::string FieldName(const char *prefix, int k) {
    return prefix + std::to_string(k);
}

} // namespace

TableBuilder::TableBuilder(UnitDatabase &database, TableChoices choices, TextMeasure measure)
    : m_database(database), m_choices(std::move(choices)), m_measure(std::move(measure)) {
    if (m_database.SelectCategory(m_choices.category))
        m_choices.category = m_database.CategoryName();
}

long double TableBuilder::CellValue(long double rowFactor, long double columnFactor,
                                    TableDirection direction) {
    const bool downAndLeft = direction == TableDirection::DownAndLeft;
    const long double numerator = downAndLeft ? columnFactor : rowFactor;
    const long double denominator = downAndLeft ? rowFactor : columnFactor;
    if (denominator == 0)
        return std::numeric_limits<long double>::quiet_NaN();
    return numerator / denominator;
}

void TableBuilder::FillTableTemplate(ReportTemplate &report) {
    fillHeaders(report);
    fillRows(report);
    report.AddNamedValue("Version1", VersionText);
    report.AddNamedValue("Category1", m_choices.category);
    // Centred on the headers; the division truncates toward zero as the template expects.
    report.ArrowTop = (HeaderHeight - static_cast<int>(ReportTemplate::ArrowHeight)) / 2;
    report.Arrow = m_choices.direction == TableDirection::DownAndLeft ? ArrowForm::Left : ArrowForm::Right;
}

void TableBuilder::fillHeaders(ReportTemplate &report) {
    const int maximum = report.ColumnCount();
    const int used = std::min(static_cast<int>(m_choices.columnUnits.size()), maximum);
    const int width = static_cast<int>(report.Field("UnitH1")->width);
    HeaderHeight = 0;
    ColumnFactors.fill(0);
    for (int k = 1; k <= used; ++k) {
        const std::string &name = m_choices.columnUnits[static_cast<std::size_t>(k - 1)];
        const WrappedHeader header = WrapHeaderText(name, width, m_measure.width);
        const std::string field = FieldName("UnitH", k);
        report.AddNamedValue(field, header.text);
        const int height = header.lines * m_measure.lineHeight + 7;
        report.Field(field)->height = height;
        HeaderHeight = std::max(HeaderHeight, height);
        ColumnFactors[static_cast<std::size_t>(k - 1)] = m_database.UnitFactorOf(m_choices.category, name);
    }
    for (int k = used + 1; k <= maximum; ++k)
        report.AddNamedValue(FieldName("UnitH", k), " ");
}

void TableBuilder::fillRows(ReportTemplate &report) {
    const int maximum = report.ColumnCount();
    const int used = std::min(static_cast<int>(m_choices.columnUnits.size()), maximum);
    const int unitCount = m_database.UnitCount(m_choices.category);
    m_database.SelectCategory(m_choices.category);
    m_database.FirstUnit();
    UnitRingGuard ring(m_database);
    bool first = true;
    for (const std::string &row : m_choices.rowUnits) {
        if (!findRowUnit(row, first, unitCount))
            throw TableUnitMissing(row);
        first = false;
        report.AddNamedValue("UnitV1", m_database.UnitName());
        const long double rowFactor = m_database.UnitFactor();
        for (int k = 1; k <= maximum; ++k) {
            std::string cell = " ";
            const long double columnFactor = k <= used ? ColumnFactors[static_cast<std::size_t>(k - 1)] : 0;
            if (k <= used && m_choices.category == kCurrencyCategory && (rowFactor == 0 || columnFactor == 0))
                cell = kNoRateText; // a currency without an exchange rate
            else if (k <= used)
                cell = FormatTableValue(CellValue(rowFactor, columnFactor, m_choices.direction),
                                        m_choices.resultFormat, m_choices.separators);
            report.AddNamedValue(FieldName("Result", k), cell);
        }
    }
}

// Steps around the ring to the next unit of that exact name: the first row starts its search at
// the first unit, every later row at the unit after the previous row's, so two units of one
// name are taken in turn. One round at most: a name the category does not hold is not found.
bool TableBuilder::findRowUnit(const std::string &name, bool first, int unitCount) {
    if (!m_database.HasUnit())
        return false;
    if (first && m_database.UnitName() == name)
        return true;
    for (int step = 0; step < unitCount; ++step) {
        m_database.NextUnit();
        if (m_database.UnitName() == name)
            return true;
    }
    return false;
}

ReportPages TableBuilder::BuildPages(double pageWidth, double pageHeight) {
    ReportTemplate report = ReportTemplate::ForPaper(m_choices.paper);
    FillTableTemplate(report);
    if (pageWidth <= 0 || pageHeight <= 0) {
        pageWidth = report.Landscape() ? ReportLayout::A4Long : ReportLayout::A4Short;
        pageHeight = report.Landscape() ? ReportLayout::A4Short : ReportLayout::A4Long;
    }
    return ReportLayout(m_measure).Paginate(report, pageWidth, pageHeight);
}

} // namespace mensurio
