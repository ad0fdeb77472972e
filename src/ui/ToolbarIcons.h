// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace mensurio {

/// The pictures of the toolbar buttons and of the arrow between the fields: the desktop icon
/// theme's icon where the theme has a fitting one, the bundled drawing otherwise.
class ToolbarIcons {
  public:
    /// Every glyph name: "NEWUNIT", "NEWCATE", "INVERT", "CUT", "COPY", "PASTE", "FIND", "PREFER",
    /// "CALCUL", "HELP", "AZ", "SPLIT", "CONTAB", "RECORD", "ADD", "ALL2CLIP", "COPYCON",
    /// "DELALL", "DELLAST", "RES2CLIP" and "ARROW".
    static QStringList GlyphNames();

    /// The glyph of a control or command by its object name: the button ("SpeedButton1",
    /// "Advanced2", "ToolbarButton971", "Image1") or the menu command it shares ("Units1",
    /// "AddItem1", "SortUnits1"). Empty for a name without a glyph.
    static QString GlyphFor(const QString &objectName);

    /// The theme icon name tried first; empty when the bundled drawing is always used.
    static QString ThemeName(const QString &glyph);

    /// The bundled drawing's resource path (":/icons/add.svg"); empty for an unknown glyph.
    static QString BundledPath(const QString &glyph);

    /// The icon of a glyph: the theme's icon, falling back to the bundled drawing. A null icon
    /// for an unknown glyph.
    static QIcon Icon(const QString &glyph);

    /// Icon(GlyphFor(objectName)).
    static QIcon IconFor(const QString &objectName);

    /// The arrow between the input and the output field, 24 x 19 pixels.
    static QPixmap Arrow();

    /// The program's own icon (window, notification area, start-up entry).
    static QIcon ApplicationIcon();
};

} // namespace mensurio
