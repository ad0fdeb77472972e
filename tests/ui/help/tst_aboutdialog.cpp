// SPDX-License-Identifier: MIT
#include "ui/help/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestAboutBox : public QObject {
    Q_OBJECT
  private slots:
    void aboutBox_showsNameVersionDescriptionAndQt() {
        mensurio::AboutDialog box;
        auto text = [&box](const char *name) {
            auto *label = box.findChild<QLabel *>(name);
            return label ? label->text() : QString("<missing %1>").arg(name);
        };
        QCOMPARE(text("ProductName"), QString("Mensurio"));
        QCOMPARE(text("Version"), QString("Version " MENSURIO_VERSION));
        QVERIFY(!text("Description").isEmpty());
        QVERIFY(!text("Description").contains('\n'));
        QVERIFY(text("QtVersion").contains(QString::fromLatin1(qVersion())));
        QVERIFY(text("QtVersion").contains(QT_VERSION_STR));
    }

    void aboutBox_okCloses() {
        mensurio::AboutDialog box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto *buttons = box.findChild<QDialogButtonBox *>();
        QVERIFY(buttons != nullptr);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutdialog.moc"
