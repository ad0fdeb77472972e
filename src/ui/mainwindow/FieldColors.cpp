// SPDX-License-Identifier: MIT
#include "ui/mainwindow/FieldColors.h"

#include <algorithm>
#include <cmath>

namespace mensurio {

namespace {

double Luminance(const QColor &colour) {
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

} // namespace

QColor FieldColors::ReadOnlyBackground(const QPalette &palette) {
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    if (base.lightness() >= 128)
        return QColor(192, 192, 192);
    return base.lighter(170);
}

QPalette FieldColors::ReadOnlyPalette(QPalette palette) {
    const QColor background = ReadOnlyBackground(palette);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, background);
    return palette;
}

double FieldColors::ContrastRatio(const QColor &a, const QColor &b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace mensurio
