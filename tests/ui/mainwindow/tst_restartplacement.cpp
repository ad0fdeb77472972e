// SPDX-License-Identifier: MIT
// Ten runs in a row under a window manager that draws frames: the window opens each time
// exactly where the previous run left it. restart_placement_test.sh runs this program on a
// private X server with openbox; elsewhere (no frames) it has nothing to show and skips.
#include "ui/support/WindowHarness.h"

#include <QGuiApplication>
#include <QtTest>

#include <string>

using namespace mensurio;
using namespace mensurio::test;

class TestRestartPlacement : public QObject {
    Q_OBJECT
  private slots:
    void tenRestarts_keepTheSavedClientArea() {
        if (QGuiApplication::platformName() != "xcb" || qEnvironmentVariableIsEmpty("MENSURIO_FRAMING_WM"))
            QSKIP("needs an X server with a window manager: run through restart_placement_test.sh");
        WindowHarness h;
        for (const auto &[key, value] : {std::pair{"left", "137"},
                                         {"top", "111"},
                                         {"width", "600"},
                                         {"height", "420"},
                                         {"save", "1"},
                                         {"maximized", "0"}})
            h.SetSetting(key, value);
        int framed = 0;
        for (int run = 1; run <= 10; ++run) {
            MainWindow &window = h.Start();
            // The frame is there once the manager has reparented the window; Qt learns of it a
            // little later, and now and then not before the window closes.
            if (QTest::qWaitFor([&window] { return window.frameGeometry() != window.geometry(); }, 2000))
                ++framed;
            QTest::qWait(100);
            QCOMPARE(window.geometry(), QRect(137, 111, 600, 420));
            h.Finish();
            const QString at = QString::fromStdString(h.Setting("left") + "," + h.Setting("top") + " " +
                                                      h.Setting("width") + "x" + h.Setting("height"));
            QVERIFY2(at == "137,111 600x420", qPrintable(QString("run %1 saved %2").arg(run).arg(at)));
        }
        QVERIFY2(framed >= 5, qPrintable(QString("only %1 of 10 runs had a window frame").arg(framed)));
    }
};

QTEST_MAIN(TestRestartPlacement)
#include "tst_restartplacement.moc"
