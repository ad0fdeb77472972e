// SPDX-License-Identifier: MIT
#include "ui/TForm1.h"

#include <QApplication>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void mainWindow_hasDesignNameTitleAndSize()
    {
        mensurio::TForm1 window;
        QCOMPARE(window.objectName(), QString("TForm1"));
        QCOMPARE(window.windowTitle(), QString("Mensurio"));
        QCOMPARE(window.size(), QSize(561, 385));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
