// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportPage.h"
#include "core/tables/TableChoices.h"

#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// The four bands of a table page, from the top.
enum class ReportBand { PageHeader, ColumnHeader, Detail, PageFooter };

/// What a field shows: the lines given to it, a fixed label, or the page number.
enum class ReportFieldKind { Data, Label, PageNumber };

/// A text field of a band: its place within the band, its look and the lines it holds.
struct ReportField {
    std::string name;
    ReportBand band = ReportBand::Detail;
    ReportFieldKind kind = ReportFieldKind::Data;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    ReportFont font = ReportFont::Band;
    ReportAlign align = ReportAlign::Left;
    bool wordWrap = false;
    bool clip = false;
    bool fitWidth = false;
    std::vector<std::string> lines; // for a label: its one fixed text
};

/// Direction of the arrow shape in the column-header band.
enum class ArrowForm { Right, Left };

/// A banded page template of a conversion table (landscape or portrait),
/// filled through AddNamedValue and laid out into pages by ReportLayout.
class ReportTemplate {
  public:
    static constexpr double PageHeaderHeight = 70;
    static constexpr double ColumnHeaderHeight = 21;
    static constexpr double DetailHeight = 21;
    static constexpr double PageFooterHeight = 70;
    static constexpr double ArrowX = 112;
    static constexpr double ArrowWidth = 80;
    static constexpr double ArrowHeight = 21;

    /// The landscape template: A4 across (1123 px), ten columns 74 px wide.
    static ReportTemplate LandscapeTemplate();
    /// The portrait template: A4 upright (794 px), six columns 73 px wide.
    static ReportTemplate PortraitTemplate();
    /// The template of the paper.
    static ReportTemplate ForPaper(TablePaper paper);

    /// Appends one line to the field of that name (letter case ignored); unknown names are ignored.
    void AddNamedValue(std::string_view fieldName, const std::string &text);

    ReportField *Field(std::string_view name);
    const ReportField *Field(std::string_view name) const;
    const std::vector<ReportField> &Fields() const { return m_fields; }

    const std::string &Name() const { return m_name; }
    bool Landscape() const { return m_landscape; }
    double BandWidth() const { return m_bandWidth; }
    int ColumnCount() const { return m_columns; }

    double ArrowTop = 0;
    ArrowForm Arrow = ArrowForm::Right;

  private:
    ReportTemplate(std::string name, bool landscape, double bandWidth, double headerWidth,
                   const std::vector<double> &columnX, double pageFieldX, double versionRight);
    void addColumns(double headerWidth, const std::vector<double> &columnX);

    std::string m_name;
    bool m_landscape = true;
    double m_bandWidth = 0;
    int m_columns = 0;
    std::vector<ReportField> m_fields;
};

} // namespace mensurio
