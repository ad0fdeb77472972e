// SPDX-License-Identifier: MIT
#include "ui/tables/TableFonts.h"

#include "ui/shared/QtCp1252.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <cmath>

namespace mensurio {

QFont TableFonts::Font(ReportFont font) {
    static const QString family = QFontDatabase::hasFamily("Tahoma")
                                      ? QString("Tahoma")
                                      : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont result(family);
    result.setPixelSize(font == ReportFont::Heading ? 15 : 11);
    result.setWeight(QFont::Normal);
    result.setItalic(false);
    // No ligatures: a PDF whose text layer holds "ﬂ" for "fl" cannot be searched for "flux".
    result.setStyleStrategy(QFont::PreferNoShaping);
    return result;
}

TextMeasure TableFonts::Measure() {
    const QFontMetricsF metrics(Font(ReportFont::Band));
    TextMeasure measure;
    measure.width = [metrics](const std::string &text) {
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(QtCp1252::ToQString(text))));
    };
    measure.lineHeight = static_cast<int>(std::ceil(metrics.height()));
    return measure;
}

} // namespace mensurio
