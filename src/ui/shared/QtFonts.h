// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/FontSettings.h"

#include <QColor>
#include <QFont>

#include <optional>

namespace mensurio {

/// Maps the stored font attributes (FontSpec) to Qt's fonts and colours.
class QtFonts {
  public:
    /// The face when the desktop has it, else `fallback`'s family; the size in points and the
    /// four styles as stored.
    static QFont ToQFont(const FontSpec &font, const QFont &fallback);
    /// The stored colour (0x00BBGGRR); nothing for the system's window-text colour, which means
    /// the palette's own text colour.
    static std::optional<QColor> TextColor(const FontSpec &font);
    /// The font the user chose in the font dialog, stored over `base`: face, size and the four
    /// styles from `font`; colour, character set and pitch, which the dialog does not offer,
    /// from `base`.
    static FontSpec FromQFont(const QFont &font, const FontSpec &base);
};

} // namespace mensurio
