// SPDX-License-Identifier: MIT
#include "ui/shared/ToolbarIcons.h"

#include "ui/shared/BundledResources.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>

#include <array>
#include <utility>

namespace mensurio {

namespace {

struct Glyph {
    const char *name;
    const char *theme; // freedesktop icon name with the same meaning, or empty
    const char *file;  // bundled drawing under :/icons
};

// Theme icons only where a standard name means the same thing; the record commands keep their
// own drawings so that the four clipboard commands stay tellable apart.
constexpr std::array<Glyph, 21> kGlyphs{{
    {"NEWUNIT", "", "newunit.svg"},
    {"NEWCATE", "folder-new", "newcate.svg"},
    {"INVERT", "", "invert.svg"},
    {"CUT", "edit-cut", "cut.svg"},
    {"COPY", "edit-copy", "copy.svg"},
    {"PASTE", "edit-paste", "paste.svg"},
    {"FIND", "edit-find", "find.svg"},
    {"PREFER", "preferences-system", "prefer.svg"},
    {"CALCUL", "accessories-calculator", "calcul.svg"},
    {"HELP", "help-contents", "help.svg"},
    {"AZ", "view-sort-ascending", "az.svg"},
    {"SPLIT", "", "split.svg"},
    {"CONTAB", "x-office-spreadsheet", "contab.svg"},
    {"RECORD", "media-record", "record.svg"},
    {"ADD", "list-add", "add.svg"},
    {"ALL2CLIP", "", "all2clip.svg"},
    {"COPYCON", "", "copycon.svg"},
    {"DELALL", "", "delall.svg"},
    {"DELLAST", "list-remove", "dellast.svg"},
    {"RES2CLIP", "", "res2clip.svg"},
    {"ARROW", "", "arrow.svg"},
}};

// The colour the bundled drawings are inked in; it is replaced by the palette's text colour.
constexpr char kInk[] = "#2e3436";

// The drawings' accents are the dark shades of the Tango colours; drawn in a light ink (on a
// dark palette) they take the light shades of the same colours, which stand out there.
constexpr std::array<std::pair<const char *, const char *>, 5> kLightAccents{{
    {"#3465a4", "#729fcf"},
    {"#4e9a06", "#8ae234"},
    {"#cc0000", "#f66151"},
    {"#a40000", "#f66151"},
    {"#c17d11", "#e9b96e"},
}};

const Glyph *FindGlyph(const QString &name) {
    for (const Glyph &glyph : kGlyphs) {
        if (name == QLatin1String(glyph.name))
            return &glyph;
    }
    return nullptr;
}

const QHash<QString, QString> &GlyphsByObjectName() {
    static const QHash<QString, QString> names = {
        {"customUnitsButton", "NEWUNIT"},
        {"customUnitsAction", "NEWUNIT"},
        {"customCategoriesButton", "NEWCATE"},
        {"customCategoriesAction", "NEWCATE"},
        {"invertButton", "INVERT"},
        {"invertConversionAction", "INVERT"},
        {"cutButton", "CUT"},
        {"cutAction", "CUT"},
        {"copyButton", "COPY"},
        {"copyAction", "COPY"},
        {"pasteButton", "PASTE"},
        {"pasteAction", "PASTE"},
        {"findButton", "FIND"},
        {"findAction", "FIND"},
        {"preferencesButton", "PREFER"},
        {"preferencesAction", "PREFER"},
        {"calculatorButton", "CALCUL"},
        {"calculatorAction", "CALCUL"},
        {"helpButton", "HELP"},
        {"helpTopicsAction", "HELP"},
        {"sortUnitsButton", "AZ"},
        {"sortUnitsAction", "AZ"},
        {"showAllResultsButton", "SPLIT"},
        {"showAllResultsAction", "SPLIT"},
        {"conversionTableButton", "CONTAB"},
        {"createConversionTableAction", "CONTAB"},
        {"recordButton", "RECORD"},
        {"recordAction", "RECORD"},
        {"addItemButton", "ADD"},
        {"addItemAction", "ADD"},
        {"copyRecordButton", "ALL2CLIP"},
        {"copyRecordAction", "ALL2CLIP"},
        {"copyConversionButton", "COPYCON"},
        {"copyConversionAction", "COPYCON"},
        {"deleteAllItemsButton", "DELALL"},
        {"deleteAllItemsAction", "DELALL"},
        {"removeLastItemButton", "DELLAST"},
        {"removeLastItemAction", "DELLAST"},
        {"copyAllConversionsButton", "RES2CLIP"},
        {"copyAllConversionsAction", "RES2CLIP"},
        {"arrow", "ARROW"},
    };
    return names;
}

} // namespace

QStringList ToolbarIcons::GlyphNames() {
    QStringList names;
    for (const Glyph &glyph : kGlyphs)
        names << QLatin1String(glyph.name);
    return names;
}

QString ToolbarIcons::GlyphFor(const QString &objectName) {
    return GlyphsByObjectName().value(objectName);
}

QString ToolbarIcons::ThemeName(const QString &glyph) {
    const Glyph *found = FindGlyph(glyph);
    return found ? QLatin1String(found->theme) : QString();
}

QString ToolbarIcons::BundledPath(const QString &glyph) {
    const Glyph *found = FindGlyph(glyph);
    return found ? QStringLiteral(":/icons/") + QLatin1String(found->file) : QString();
}

QIcon ToolbarIcons::Icon(const QString &glyph) {
    return Icon(glyph, QGuiApplication::palette());
}

bool ToolbarIcons::IsDark(const QPalette &palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QPixmap ToolbarIcons::Drawing(const QString &glyph, const QColor &ink, const QSize &size) {
    EnsureBundledResources();
    QFile file(BundledPath(glyph));
    if (!file.open(QIODevice::ReadOnly))
        return QPixmap();
    QByteArray svg = file.readAll().replace(kInk, ink.name(QColor::HexRgb).toLatin1());
    if (ink.lightness() >= 128) {
        for (const auto &[dark, light] : kLightAccents)
            svg.replace(dark, light);
    }
    QBuffer buffer(&svg);
    QImageReader reader(&buffer, "svg");
    reader.setScaledSize(size);
    return QPixmap::fromImage(reader.read());
}

QIcon ToolbarIcons::Icon(const QString &glyph, const QPalette &palette) {
    const Glyph *found = FindGlyph(glyph);
    if (!found)
        return QIcon();
    const QString theme = QLatin1String(found->theme);
    if (!theme.isEmpty() && !IsDark(palette) && QIcon::hasThemeIcon(theme))
        return QIcon::fromTheme(theme);
    QIcon icon;
    const auto addDrawing = [&](QIcon::Mode mode, QPalette::ColorGroup group) {
        const QColor ink = palette.color(group, QPalette::WindowText);
        for (const int side : {16, 22, 24, 32, 48})
            icon.addPixmap(Drawing(glyph, ink, QSize(side, side)), mode);
    };
    addDrawing(QIcon::Normal, QPalette::Active);
    addDrawing(QIcon::Disabled, QPalette::Disabled);
    return icon;
}

QIcon ToolbarIcons::IconFor(const QString &objectName) {
    return Icon(GlyphFor(objectName));
}

QPixmap ToolbarIcons::Arrow(const QPalette &palette) {
    return Drawing(QStringLiteral("ARROW"), palette.color(QPalette::WindowText), QSize(24, 19));
}

QIcon ToolbarIcons::ApplicationIcon() {
    EnsureBundledResources();
    return QIcon(QStringLiteral(":/icons/mensurio.svg"));
}

} // namespace mensurio
