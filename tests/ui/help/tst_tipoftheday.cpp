// SPDX-License-Identifier: MIT
#include "ui/help/TipOfTheDayDialog.h"

#include "core/settings/ProgramSettings.h"
#include "core/tips/Tips.h"
#include "ui/shared/QtCp1252.h"
#include "ui/support/DialogHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using mensurio::TipOfTheDayDialog;

namespace {

QString Tip(std::size_t index) {
    return mensurio::QtCp1252::ToQString(mensurio::TipsOfTheDay().at(index));
}

// Opens the tip dialog with `open` and answers it: clicks the show-at-start box when asked,
// then Close. False when no tip dialog opened.
bool AnswerTipDialog(bool toggleCheckBox, const std::function<void()> &open) {
    return mensurio::test::DriveModal<TipOfTheDayDialog>(open, [toggleCheckBox](TipOfTheDayDialog &dialog) {
        if (toggleCheckBox)
            QTest::mouseClick(dialog.findChild<QCheckBox *>("ShowAtStart"), Qt::LeftButton);
        mensurio::test::ClickButton(dialog, "CloseButton");
    });
}

} // namespace

class TestTipDay : public QObject {
    Q_OBJECT
  private slots:
    void dialog_presetsCheckBoxAndShowsTheFirstTip() {
        for (bool preset : {true, false}) {
            TipOfTheDayDialog dialog(preset, 2, nullptr);
            QCOMPARE(dialog.findChild<QCheckBox *>("ShowAtStart")->isChecked(), preset);
            QCOMPARE(dialog.ShowAtStart(), preset);
            QCOMPARE(dialog.findChild<QLabel *>("TipText")->text(), Tip(2));
        }
    }

    void nextAndPrevious_buttonsWalkTheTipsAndWrap() {
        const std::size_t count = mensurio::TipsOfTheDay().size();
        TipOfTheDayDialog dialog(true, count - 1, nullptr);
        auto *next = dialog.findChild<QPushButton *>("NextButton");
        auto *previous = dialog.findChild<QPushButton *>("PreviousButton");
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(dialog.TipIndex(), std::size_t{0});
        QCOMPARE(dialog.TipText(), Tip(0));
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(dialog.TipIndex(), count - 1);
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(dialog.TipText(), Tip(count - 2));
    }

    void showTipOfTheDay_tipboxTakesTheCheckBoxState() {
        const struct {
            bool before;
            bool toggle;
            bool after;
        } cases[] = {{true, true, false}, {false, true, true}, {true, false, true}, {false, false, false}};
        for (const auto &c : cases) {
            mensurio::ProgramSettings settings;
            settings.tipbox = c.before;
            QVERIFY(AnswerTipDialog(c.toggle,
                                    [&settings] { TipOfTheDayDialog::ShowTipOfTheDay(settings, nullptr); }));
            QCOMPARE(settings.tipbox, c.after);
        }
    }
};

QTEST_MAIN(TestTipDay)
#include "tst_tipoftheday.moc"
