// SPDX-License-Identifier: MIT
// The window under light and dark desktop palettes: what it paints stays readable.
#include "ui/mainwindow/FieldColors.h"
#include "ui/support/WindowHarness.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QStyleFactory>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(42, 42, 42));
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

} // namespace

class TestPalette : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void resultField_isReadable_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << DarkPalette();
    }

    // The result field's painted background against the palette's text colour, as a user sees it.
    void resultField_isReadable() {
        QFETCH(QPalette, palette);
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(palette);
        {
            WindowHarness harness;
            harness.Start();
            harness.Type("5");
            auto *resultField = harness.Find<QLineEdit>("resultField");
            QVERIFY(resultField != nullptr);
            QVERIFY(!resultField->text().isEmpty());
            const QImage image = resultField->grab().toImage();
            const QColor background = image.pixelColor(image.width() - 6, image.height() / 2);
            const QColor text = resultField->palette().color(QPalette::Text);
            QVERIFY2(FieldColors::ContrastRatio(background, text) >= 4.5,
                     qPrintable(QString("background %1, text %2").arg(background.name(), text.name())));
            harness.Finish();
        }
        QApplication::setPalette(saved);
    }

    void readOnlyBackground_staysSilverOnLightPalettes() {
        QCOMPARE(FieldColors::ReadOnlyBackground(QApplication::style()->standardPalette()),
                 QColor(192, 192, 192));
        QVERIFY(FieldColors::ReadOnlyBackground(DarkPalette()).lightness() < 128);
    }
};

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
