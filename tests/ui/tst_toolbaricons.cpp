// SPDX-License-Identifier: MIT
#include "ui/ToolbarIcons.h"

#include "ui/BundledResources.h"

#include <QFile>
#include <QImageReader>
#include <QtTest>

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
        const QStringList buttons = {
            "SpeedButton1",  "SpeedButton2",     "SpeedButton3",     "SpeedButton4", "SpeedButton5",
            "SpeedButton6",  "SpeedButton7",     "SpeedButton8",     "SpeedButton9", "SpeedButton10",
            "SpeedButton11", "ToolbarButton971", "ToolbarButton972", "Advanced1",    "Advanced2",
            "Advanced3",     "Advanced4",        "Advanced5",        "Advanced6",    "Advanced7",
            "Image1"};
        QSet<QString> glyphsSeen;
        for (const QString &button : buttons) {
            const QString glyph = ToolbarIcons::GlyphFor(button);
            QVERIFY2(!glyph.isEmpty(), qPrintable(button));
            glyphsSeen.insert(glyph);
            QVERIFY2(!ToolbarIcons::IconFor(button).isNull(), qPrintable(button));
        }
        QCOMPARE(glyphsSeen.size(), buttons.size()); // each button has its own picture
        for (const char *command : {"Units1", "AddItem1", "CopyRecord1", "CopyAllConversions1", "SortUnits1"})
            QVERIFY2(!ToolbarIcons::IconFor(command).isNull(), command);
    }

    void glyphs_matchTheirButtons() {
        QCOMPARE(ToolbarIcons::GlyphFor("SpeedButton1"), QString("NEWUNIT"));
        QCOMPARE(ToolbarIcons::GlyphFor("Advanced3"), QString("ALL2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("CopyRecord1"), QString("ALL2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("Advanced7"), QString("RES2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("CopyAllConversions1"), QString("RES2CLIP"));
        QCOMPARE(ToolbarIcons::GlyphFor("ToolbarButton972"), QString("SPLIT"));
    }

    void unknownNames_giveNothing() {
        QVERIFY(ToolbarIcons::GlyphFor("Exit1").isEmpty());
        QVERIFY(ToolbarIcons::Icon("NOSUCH").isNull());
        QVERIFY(ToolbarIcons::BundledPath("NOSUCH").isEmpty());
    }

    void arrow_isTheFieldsArrowSize() {
        const QPixmap arrow = ToolbarIcons::Arrow();
        QVERIFY(!arrow.isNull());
        QCOMPARE(arrow.deviceIndependentSize().toSize(), QSize(24, 19));
    }

    void applicationIcon_renders() { QVERIFY(!ToolbarIcons::ApplicationIcon().pixmap(32, 32).isNull()); }
};

QTEST_MAIN(TestToolbarIcons)
#include "tst_toolbaricons.moc"
