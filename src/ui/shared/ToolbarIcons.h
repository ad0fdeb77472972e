// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPalette>
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

    /// The glyph of a control or command by its object name: the button ("customUnitsButton",
    /// "addItemButton", "sortUnitsButton", "arrow") or the menu command it shares ("customUnitsAction",
    /// "addItemAction", "sortUnitsAction"). Empty for a name without a glyph.
    static QString GlyphFor(const QString &objectName);

    /// The theme icon name tried first; empty when the bundled drawing is always used.
    static QString ThemeName(const QString &glyph);

    /// The bundled drawing's resource path (":/icons/add.svg"); empty for an unknown glyph.
    static QString BundledPath(const QString &glyph);

    /// The icon of a glyph for the application's palette: Icon(glyph, palette).
    static QIcon Icon(const QString &glyph);

    /// The icon of a glyph drawn for `palette`: on a light palette the theme's icon, falling
    /// back to the bundled drawing; on a dark one always the bundled drawing, since theme
    /// icons are mostly drawn for light backgrounds. The bundled drawing's ink (its outlines)
    /// takes the palette's window text colour, so that it stands out on the tool bar either
    /// way. A null icon for an unknown glyph.
    static QIcon Icon(const QString &glyph, const QPalette &palette);

    /// A palette whose window colour is darker than middle grey.
    static bool IsDark(const QPalette &palette);

    /// The bundled drawing with its ink in `ink`, rendered at `size` (null when it cannot be read).
    static QPixmap Drawing(const QString &glyph, const QColor &ink, const QSize &size);

    /// Icon(GlyphFor(objectName)).
    static QIcon IconFor(const QString &objectName);

    /// The arrow between the input and the output field, 24 x 19 pixels, for `palette`.
    static QPixmap Arrow(const QPalette &palette = QPalette());

    /// The program's own icon (window, notification area, start-up entry).
    static QIcon ApplicationIcon();
};

} // namespace mensurio
