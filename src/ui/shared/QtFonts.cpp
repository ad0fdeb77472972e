// SPDX-License-Identifier: MIT
#include "ui/shared/QtFonts.h"

#include "ui/shared/QtCp1252.h"

#include <QFontDatabase>

namespace mensurio {

QFont QtFonts::ToQFont(const FontSpec &font, const QFont &fallback) {
    QFont result = fallback;
    const QString family = QtCp1252::ToQString(font.Name());
    if (QFontDatabase::hasFamily(family))
        result.setFamily(family);
    if (font.Size() > 0)
        result.setPointSize(font.Size());
    result.setBold(font.Bold());
    result.setItalic(font.Italic());
    result.setUnderline(font.Underline());
    result.setStrikeOut(font.Strikeout());
    return result;
}

std::optional<QColor> QtFonts::TextColor(const FontSpec &font) {
    const auto color = static_cast<std::uint32_t>(font.Color());
    if (color & 0xFF000000u) // a system colour, not an RGB value
        return std::nullopt;
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

FontSpec QtFonts::FromQFont(const QFont &font, const FontSpec &base) {
    FontSpec result = base;
    result.SetName(QtCp1252::FromQString(font.family()));
    if (font.pointSize() > 0)
        result.SetSize(font.pointSize());
    else if (font.pixelSize() > 0)
        result.SetHeight(-font.pixelSize());
    result.SetBold(font.weight() >= QFont::DemiBold);
    result.SetItalic(font.italic());
    result.SetUnderline(font.underline());
    result.SetStrikeout(font.strikeOut());
    return result;
}

} // namespace mensurio
