// SPDX-License-Identifier: MIT
// The edit commands with the focus and the clipboard, the conversion record and its clipboard
// texts, and the tip of the day.
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

struct EditState {
    bool cut, copy, paste, selectAll;
};

EditState Commands(WindowHarness &h) {
    return {h.Find<QAction>("cutAction")->isEnabled(), h.Find<QAction>("copyAction")->isEnabled(),
            h.Find<QAction>("pasteAction")->isEnabled(), h.Find<QAction>("selectAllAction")->isEnabled()};
}

MainWindow &StartActive(WindowHarness &h) {
    MainWindow &window = h.Start();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window did not become active");
    return window;
}

// Length with foot in and meter out, 12 typed.
void FootToMeter(WindowHarness &h, const QString &typed = "12") {
    ClickRow(h.Find<QListWidget>("inputList"), "foot");
    ClickRow(h.Find<QListWidget>("outputList"), "meter");
    h.Type(typed);
}

QString Clipboard() {
    return QApplication::clipboard()->text();
}

QString Record(MainWindow &window) {
    return QString::fromStdString(window.record().RecordText());
}

} // namespace

class TestWindowRecord : public QObject {
    Q_OBJECT
  private slots:
    void editCommands_followTheFocusedControl_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("selectText");
        QTest::addColumn<bool>("clipboardText");
        QTest::addColumn<QList<bool>>("expected"); // cut, copy, paste, select all
        QTest::newRow("value field, nothing selected")
            << "valueField" << false << true << QList<bool>{false, false, true, true};
        QTest::newRow("value field, text selected")
            << "valueField" << true << true << QList<bool>{true, true, true, true};
        QTest::newRow("value field, empty clipboard")
            << "valueField" << true << false << QList<bool>{true, true, false, true};
        QTest::newRow("result field")
            << "resultField" << true << true << QList<bool>{false, true, false, true};
        QTest::newRow("input list") << "inputList" << false << true
                                    << QList<bool>{false, false, false, false};
        QTest::newRow("output list") << "outputList" << false << true
                                     << QList<bool>{false, false, false, false};
    }
    void editCommands_followTheFocusedControl() {
        QFETCH(QString, focus);
        QFETCH(bool, selectText);
        QFETCH(bool, clipboardText);
        QFETCH(QList<bool>, expected);
        WindowHarness h;
        StartActive(h);
        FootToMeter(h);
        if (clipboardText)
            QApplication::clipboard()->setText("5");
        else
            QApplication::clipboard()->clear();
        auto *widget = h.Find<QWidget>(focus.toLatin1().constData());
        widget->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), widget);
        if (selectText)
            h.Find<QAction>("selectAllAction")->trigger();
        const EditState state = Commands(h);
        QCOMPARE((QList<bool>{state.cut, state.copy, state.paste, state.selectAll}), expected);
        QCOMPARE(h.Find<QToolButton>("pasteButton")->isEnabled(), expected[2]);
    }

    void editCommands_clipboardChange_enablesPasteAtOnce() {
        WindowHarness h;
        StartActive(h);
        h.Find<QLineEdit>("valueField")->setFocus();
        QTRY_VERIFY(h.Find<QLineEdit>("valueField")->hasFocus());
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!h.Find<QAction>("pasteAction")->isEnabled());
        QApplication::clipboard()->setText("3");
        QTRY_VERIFY(h.Find<QAction>("pasteAction")->isEnabled());
    }

    void editCommands_actOnTheFocusedFieldOnly() {
        WindowHarness h;
        StartActive(h);
        FootToMeter(h, "12");
        auto *valueField = h.Find<QLineEdit>("valueField");
        QApplication::clipboard()->setText("7");
        valueField->setFocus();
        valueField->end(false);
        h.Find<QAction>("pasteAction")->trigger();
        QCOMPARE(valueField->text(), QString("127"));
        h.Find<QAction>("selectAllAction")->trigger();
        h.Find<QAction>("cutAction")->trigger();
        QCOMPARE(valueField->text(), QString());
        QCOMPARE(Clipboard(), QString("127"));
        QVERIFY(!h.Find<QAction>("cutAction")->isEnabled());
        h.Find<QListWidget>("inputList")->setFocus();
        QTRY_VERIFY(h.Find<QListWidget>("inputList")->hasFocus());
        QApplication::clipboard()->setText("9");
        h.Find<QAction>("pasteAction")->trigger(); // disabled for a list, and nothing to paste into
        QCOMPARE(valueField->text(), QString());
    }

    void copyConversion_oneLine_evenWhenEmpty() {
        WindowHarness h;
        MainWindow &window = StartActive(h);
        FootToMeter(h, " 12 ");
        h.Find<QAction>("copyConversionAction")->trigger();
        QCOMPARE(Clipboard(), QString("12 foot = 3.6576 meter"));
        h.ChooseCategory("Temperature");
        auto *input = h.Find<QListWidget>("inputList");
        auto *output = h.Find<QListWidget>("outputList");
        input->setCurrentRow(-1);
        output->setCurrentRow(-1);
        QApplication::clipboard()->setText("old");
        h.Find<QAction>("copyConversionAction")->trigger();
        QCOMPARE(Clipboard(), QString()); // no units named: the clipboard gets the empty line
        Q_UNUSED(window);
    }

    void copyAllConversions_everyUnitInRowOrder_crLfWithoutFinalBreak() {
        WindowHarness h;
        StartActive(h);
        FootToMeter(h, "1");
        const QString shown = h.Find<QLineEdit>("resultField")->text();
        h.Find<QAction>("copyAllConversionsAction")->trigger();
        const QString text = Clipboard();
        QVERIFY(!text.endsWith("\r\n"));
        const QStringList lines = text.split("\r\n");
        auto *output = h.Find<QListWidget>("outputList");
        QCOMPARE(lines.size(), output->count());
        for (int row = 0; row < output->count(); ++row) {
            QVERIFY2(lines[row].startsWith("1 foot = "), qPrintable(lines[row]));
            QVERIFY2(lines[row].endsWith(" " + output->item(row)->text()), qPrintable(lines[row]));
        }
        QVERIFY(lines.contains("1 foot = 1 foot"));
        QVERIFY(lines.contains("1 foot = 12 inch"));
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), shown);
        QVERIFY(!h.Find<QAction>("showAllResultsAction")->isChecked());
    }

    void copyAllConversions_inputTheEngineCannotRead_leavesTheClipboard() {
        WindowHarness h;
        StartActive(h);
        FootToMeter(h, "1+");
        QApplication::clipboard()->setText("old");
        h.Find<QAction>("copyAllConversionsAction")->trigger();
        QCOMPARE(Clipboard(), QString("old"));
    }

    void record_addRemoveDeleteAndCopy() {
        WindowHarness h;
        MainWindow &window = StartActive(h);
        FootToMeter(h, "1");
        QAction *add = h.Find<QAction>("addItemAction");
        QAction *removeLast = h.Find<QAction>("removeLastItemAction");
        add->trigger();
        h.Type("2");
        add->trigger();
        h.Type("3");
        add->trigger();
        QCOMPARE(Record(window),
                 QString("1 foot = 0.3048 meter\r\n2 foot = 0.6096 meter\r\n3 foot = 0.9144 meter"));
        QCOMPARE(h.Find<QToolButton>("recordButton")->toolTip(), "Record:\r\n" + Record(window));
        h.Find<QAction>("copyRecordAction")->trigger();
        QCOMPARE(Clipboard(), Record(window));
        removeLast->trigger();
        removeLast->trigger();
        QCOMPARE(Record(window), QString("1 foot = 0.3048 meter"));
        removeLast->trigger();
        QCOMPARE(Record(window), QString());
        removeLast->trigger();
        QCOMPARE(h.Find<QToolButton>("recordButton")->toolTip(), QString("Record:\r\n"));
        QApplication::clipboard()->setText("old");
        h.Find<QAction>("copyRecordAction")->trigger(); // an empty record leaves the clipboard
        QCOMPARE(Clipboard(), QString("old"));
        add->trigger();
        add->trigger();
        h.Find<QAction>("deleteAllItemsAction")->trigger();
        QCOMPARE(Record(window), QString());
    }

    void record_noOutputUnit_addsNothing() {
        WindowHarness h;
        MainWindow &window = StartActive(h);
        FootToMeter(h, "1");
        ClickRow(h.Find<QListWidget>("outputList"), "meter", Qt::ControlModifier); // deselect
        QVERIFY(SelectedNames(h.Find<QListWidget>("outputList")).isEmpty());
        h.Find<QAction>("addItemAction")->trigger();
        QCOMPARE(Record(window), QString());
    }

    // Add Item, Enter in the input field and a key in a list all refuse a message: the record
    // takes conversions only, and a corrected input is recorded again.
    void record_messageInTheOutput_addsNothing() {
        WindowHarness h;
        MainWindow &window = StartActive(h);
        FootToMeter(h, "12+");
        QVERIFY(!h.Find<QLineEdit>("resultField")->text().isEmpty());
        h.Find<QAction>("addItemAction")->trigger();
        h.Find<QAction>("recordAction")->trigger();
        auto *valueField = h.Find<QLineEdit>("valueField");
        valueField->setFocus();
        QTest::keyClick(valueField, Qt::Key_Return);
        QTest::keyClick(h.Find<QListWidget>("outputList"), Qt::Key_Space);
        QCOMPARE(Record(window), QString());
        h.Type("12");
        QTest::keyClick(valueField, Qt::Key_Return);
        QCOMPARE(Record(window), QString("12 foot = 3.6576 meter"));
    }

    void record_whileRecording_enterAndCharacterKeysAdd_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<bool>("adds");
        QTest::newRow("Enter in the value field") << "valueField" << int(Qt::Key_Return) << true << true;
        QTest::newRow("Enter in the value field, not recording")
            << "valueField" << int(Qt::Key_Return) << false << false;
        QTest::newRow("letter in the value field") << "valueField" << int(Qt::Key_5) << true << false;
        QTest::newRow("space in the input list") << "inputList" << int(Qt::Key_Space) << true << true;
        QTest::newRow("Enter in the output list") << "outputList" << int(Qt::Key_Return) << true << true;
        QTest::newRow("letter in the output list") << "outputList" << int(Qt::Key_M) << true << true;
        QTest::newRow("arrow in the input list") << "inputList" << int(Qt::Key_Down) << true << false;
        QTest::newRow("space in the input list, not recording")
            << "inputList" << int(Qt::Key_Space) << false << false;
    }
    void record_whileRecording_enterAndCharacterKeysAdd() {
        QFETCH(QString, widget);
        QFETCH(int, key);
        QFETCH(bool, recording);
        QFETCH(bool, adds);
        WindowHarness h;
        MainWindow &window = StartActive(h);
        FootToMeter(h, "12");
        if (recording)
            h.Find<QAction>("recordAction")->trigger();
        QCOMPARE(h.Find<QToolButton>("recordButton")->isChecked(), recording);
        QCOMPARE(window.record().Recording(), recording);
        auto *target = h.Find<QWidget>(widget.toLatin1().constData());
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(Record(window).isEmpty(), !adds);
        if (adds)
            QVERIFY(Record(window).startsWith("12 foot = "));
    }

    void record_ctrlA_addsInTheInputFieldAndInAList() {
        WindowHarness h;
        MainWindow &window = StartActive(h);
        FootToMeter(h, "12");
        auto *valueField = h.Find<QLineEdit>("valueField");
        valueField->setFocus();
        valueField->deselect();
        QTest::keyClick(valueField, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!valueField->hasSelectedText());
        QCOMPARE(Record(window), QString("12 foot = 3.6576 meter"));
        auto *list = h.Find<QListWidget>("outputList");
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Record(window), QString("12 foot = 3.6576 meter\r\n12 foot = 3.6576 meter"));
    }

    void record_buttonAndMenuSwitch_stayInStep() {
        WindowHarness h;
        MainWindow &window = StartActive(h);
        h.Find<QToolButton>("recordButton")->click();
        QVERIFY(window.record().Recording());
        QVERIFY(h.Find<QAction>("recordAction")->isChecked());
        h.Find<QAction>("recordAction")->trigger();
        QVERIFY(!window.record().Recording());
        QVERIFY(!h.Find<QToolButton>("recordButton")->isChecked());
    }

    void tipOfTheDay_firstPaintPerSettingAndFromTheMenu() {
        {
            WindowHarness h;
            h.Start();
            QTRY_COMPARE(h.tipsShown, 1);
            QVERIFY(h.Find<QAction>("tipOfTheDayAction")->isEnabled());
            h.Find<QAction>("tipOfTheDayAction")->trigger();
            QCOMPARE(h.tipsShown, 2);
        }
        WindowHarness h;
        h.SetSetting("tipbox", "0");
        MainWindow &window = h.Start();
        window.update();
        QTest::qWait(50);
        QCOMPARE(h.tipsShown, 0);
    }
};

QTEST_MAIN(TestWindowRecord)
#include "tst_windowrecord.moc"
