// SPDX-License-Identifier: MIT
#include "core/tables/ReportTemplate.h"

#include "core/db/UnitDatabase.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace mensurio {

namespace {

constexpr double kLineHeight = 13;
constexpr double kVersionBoxWidth = 200;

// Where each column starts, one for every column the paper takes.
constexpr double kLandscapeColumnX[] = {247, 328, 409, 490, 571, 651, 732, 813, 894, 975};
constexpr double kPortraitColumnX[] = {247, 326, 404, 483, 561, 640};
static_assert(std::size(kLandscapeColumnX) == kLandscapeTableColumns);
static_assert(std::size(kPortraitColumnX) == kPortraitTableColumns);

ReportField MakeField(std::string name, ReportBand band, double x, double y, double width) {
    ReportField field;
    field.name = std::move(name);
    field.band = band;
    field.x = x;
    field.y = y;
    field.width = width;
    field.height = kLineHeight;
    return field;
}

ReportField MakeLabel(std::string name, std::string text, double x, double y, double width) {
    ReportField field = MakeField(std::move(name), ReportBand::PageHeader, x, y, width);
    field.kind = ReportFieldKind::Label;
    field.lines.push_back(std::move(text));
    return field;
}

// The narrowest gap between two column starts, less a small space, is the width a value may
// take before it would touch the next column.
double ValueWidth(const std::vector<double> &columnX) {
    double pitch = 81;
    for (std::size_t k = 1; k < columnX.size(); ++k)
        pitch = std::min(pitch, columnX[k] - columnX[k - 1]);
    return pitch - 3;
}

} // namespace

ReportTemplate::ReportTemplate(std::string name, bool landscape, double bandWidth, double headerWidth,
                               const std::vector<double> &columnX, double pageLabelX, double versionRight)
    : m_name(std::move(name)), m_landscape(landscape), m_bandWidth(bandWidth),
      m_columns(static_cast<int>(columnX.size())) {
    ReportField category = MakeLabel("CategoryLabel", "Category", 112, 48, 70);
    category.font = ReportFont::Heading;
    category.height = 18;
    m_fields.push_back(category);
    ReportField category1 = MakeField("Category1", ReportBand::PageHeader, 184, 48, pageLabelX - 184 - 8);
    category1.font = ReportFont::Heading;
    category1.height = 18;
    category1.clip = true;
    m_fields.push_back(category1);
    m_fields.push_back(MakeLabel("PageLabel", "Page", pageLabelX, 56, 40));
    ReportField page = MakeField("Page1", ReportBand::PageHeader, pageLabelX + 14, 56, 32);
    page.kind = ReportFieldKind::PageNumber;
    page.align = ReportAlign::Right;
    m_fields.push_back(page);

    ReportField row = MakeField("UnitV1", ReportBand::Detail, 72, 4, 161);
    row.clip = true;
    m_fields.push_back(row);
    addColumns(headerWidth, columnX);

    ReportField version =
        MakeField("Version1", ReportBand::PageFooter, versionRight - kVersionBoxWidth, 0, kVersionBoxWidth);
    version.align = ReportAlign::Right;
    m_fields.push_back(version);
}

void ReportTemplate::addColumns(double headerWidth, const std::vector<double> &columnX) {
    const double valueWidth = ValueWidth(columnX);
    for (std::size_t k = 0; k < columnX.size(); ++k) {
        const std::string number = std::to_string(k + 1);
        ReportField header =
            MakeField("UnitH" + number, ReportBand::ColumnHeader, columnX[k], 2, headerWidth);
        header.wordWrap = true;
        m_fields.push_back(header);
        ReportField value = MakeField("Result" + number, ReportBand::Detail, columnX[k], 4, valueWidth);
        value.fitWidth = true;
        m_fields.push_back(value);
    }
}

ReportTemplate ReportTemplate::LandscapeTemplate() {
    return ReportTemplate("LandscapeTemplate", true, 1123, 74,
                          {std::begin(kLandscapeColumnX), std::end(kLandscapeColumnX)}, 1000, 1046);
}

ReportTemplate ReportTemplate::PortraitTemplate() {
    return ReportTemplate("PortraitTemplate", false, 794, 73,
                          {std::begin(kPortraitColumnX), std::end(kPortraitColumnX)}, 662, 709);
}

ReportTemplate ReportTemplate::ForPaper(TablePaper paper) {
    return paper == TablePaper::Portrait ? PortraitTemplate() : LandscapeTemplate();
}

void ReportTemplate::AddNamedValue(std::string_view fieldName, const std::string &text) {
    if (ReportField *field = Field(fieldName); field && field->kind == ReportFieldKind::Data)
        field->lines.push_back(text);
}

ReportField *ReportTemplate::Field(std::string_view name) {
    for (ReportField &field : m_fields)
        if (UnitDatabase::SameNameIgnoringCase(field.name, name))
            return &field;
    return nullptr;
}

const ReportField *ReportTemplate::Field(std::string_view name) const {
    return const_cast<ReportTemplate *>(this)->Field(name);
}

} // namespace mensurio
