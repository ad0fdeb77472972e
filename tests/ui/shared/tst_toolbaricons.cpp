// SPDX-License-Identifier: MIT
#include "ui/shared/ToolbarIcons.h"

#include "ui/shared/BundledResources.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QtTest>

#include <algorithm>
#include <cmath>

using mensurio::ToolbarIcons;

class TestToolbarIcons : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { mensurio::EnsureBundledResources(); }

    void everyGlyph_hasABundledDrawingThatRenders() {
        const QStringList glyphs = ToolbarIcons::GlyphNames();
        QCOMPARE(glyphs.size(), 21);
        for (const QString &glyph : glyphs) {
            const QString path = ToolbarIcons::BundledPath(glyph);
            QVERIFY2(QFile::exists(path), qPrintable(glyph));
            QImageReader reader(path);
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(glyph + ": " + reader.errorString()));
            QVERIFY2(!QIcon(path).pixmap(24, 24).isNull(), qPrintable(glyph));
            QVERIFY2(!ToolbarIcons::Icon(glyph).isNull(), qPrintable(glyph));
        }
    }

    void everyButtonAndCommand_resolvesToANonNullIcon() {
        const QStringList buttons = {"customUnitsButton",
                                     "customCategoriesButton",
                                     "preferencesButton",
                                     "findButton",
                                     "calculatorButton",
                                     "invertButton",
                                     "helpButton",
                                     "cutButton",
                                     "copyButton",
                                     "pasteButton",
                                     "conversionTableButton",
                                     "sortUnitsButton",
                                     "showAllResultsButton",
                                     "recordButton",
                                     "addItemButton",
                                     "copyRecordButton",
                                     "copyConversionButton",
                                     "deleteAllItemsButton",
                                     "removeLastItemButton",
                                     "copyAllConversionsButton",
                                     "arrow"};
        QSet<QString> glyphsSeen;
        for (const QString &button : buttons) {
            const QString glyph = ToolbarIcons::GlyphFor(button);
            QVERIFY2(!glyph.isEmpty(), qPrintable(button));
            glyphsSeen.insert(glyph);
            QVERIFY2(!ToolbarIcons::IconFor(button).isNull(), qPrintable(button));
        }
        QCOMPARE(glyphsSeen.size(), buttons.size()); // each button has its own picture
        for (const char *command : {"customUnitsAction", "addItemAction", "copyRecordAction",
                                    "copyAllConversionsAction", "sortUnitsAction"})
            QVERIFY2(!ToolbarIcons::IconFor(command).isNull(), command);
    }

    void glyphs_matchTheirButtons() {
        QCOMPARE(ToolbarIcons::GlyphFor("customUnitsButton"), QString("NEWUNIT"));
        QCOMPARE(ToolbarIcons::GlyphFor("copyRecordButton"), QString("ALL2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("copyRecordAction"), QString("ALL2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("copyAllConversionsButton"), QString("RES2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("copyAllConversionsAction"), QString("RES2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("showAllResultsButton"), QString("SPLIT"));
    }

    void unknownNames_giveNothing() {
        QVERIFY(ToolbarIcons::GlyphFor("exitAction").isEmpty());
        QVERIFY(ToolbarIcons::Icon("NOSUCH").isNull());
        QVERIFY(ToolbarIcons::BundledPath("NOSUCH").isEmpty());
    }

    void arrow_isTheFieldsArrowSize() {
        const QPixmap arrow = ToolbarIcons::Arrow();
        QVERIFY(!arrow.isNull());
        QCOMPARE(arrow.deviceIndependentSize().toSize(), QSize(24, 19));
    }

    // Relative luminance and contrast ratio as the web content accessibility guidelines define them.
    static double Luminance(const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    }
    static double Contrast(const QColor &a, const QColor &b) {
        const double la = Luminance(a);
        const double lb = Luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

    // The share of a picture's visible pixels that stand out from the window colour with the
    // contrast of 3 to 1 asked of graphics: its outlines must, whatever the fills do.
    static double Standing(const QImage &image, const QColor &window) {
        int visible = 0;
        int standing = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() < 128)
                    continue;
                ++visible;
                if (Contrast(pixel, window) >= 3.0)
                    ++standing;
            }
        }
        return visible == 0 ? 0.0 : double(standing) / visible;
    }

    // Every picture stands out from the tool bar on a light and on a dark palette; the drawings
    // in their own fixed ink would not on the dark ones.
    void icons_followThePalette_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor("#efefef") << QColor("#000000");
        QTest::newRow("dark") << QColor("#2d2d2d") << QColor("#ffffff");
        QTest::newRow("dark blue-grey") << QColor("#31363b") << QColor("#eff0f1");
    }
    void icons_followThePalette() {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QPalette palette;
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::WindowText, text);
        int fixedInkLost = 0;
        for (const QString &glyph : ToolbarIcons::GlyphNames()) {
            const double standing =
                Standing(ToolbarIcons::Icon(glyph, palette).pixmap(24, 24).toImage(), window);
            QVERIFY2(standing >= 0.25, qPrintable(QString("%1: %2 stands out").arg(glyph).arg(standing)));
            if (Standing(ToolbarIcons::Drawing(glyph, QColor("#2e3436"), QSize(24, 24)).toImage(), window) <
                0.25)
                ++fixedInkLost;
        }
        if (ToolbarIcons::IsDark(palette))
            QVERIFY(fixedInkLost > 0);
    }

    void window_reinksItsIconsWhenThePaletteChanges() {
        mensurio::test::WindowHarness h;
        mensurio::MainWindow &window = h.Start();
        auto *find = h.Find<QAction>("findAction");
        const QImage before = find->icon().pixmap(24, 24).toImage();
        QPalette dark = window.palette();
        dark.setColor(QPalette::Window, QColor("#2d2d2d"));
        dark.setColor(QPalette::WindowText, QColor("#ffffff"));
        window.setPalette(dark);
        QTRY_VERIFY(find->icon().pixmap(24, 24).toImage() != before);
    }

    void applicationIcon_renders() { QVERIFY(!ToolbarIcons::ApplicationIcon().pixmap(32, 32).isNull()); }
};

QTEST_MAIN(TestToolbarIcons)
#include "tst_toolbaricons.moc"
