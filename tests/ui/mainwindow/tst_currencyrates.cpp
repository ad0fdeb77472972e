// SPDX-License-Identifier: MIT
// Exchange rates in the window: the answer without rates, the date beside a currency result,
// rates changed by another program, and Action > Update Exchange Rates from a file and by
// download (from a server on 127.0.0.1).
#include "core/currency/RatesFile.h"
#include "core/db/DatabaseFile.h"
#include "support/LocalHttpServer.h"
#include "support/RatesDates.h"
#include "support/SampleRates.h"
#include "ui/rates/CurrencyRates.h"
#include "ui/rates/RatesUpdateDialog.h"
#include "ui/support/DialogHelpers.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// The shipped database as units.dat, Currency current.
void PrepareFolder(WindowHarness &h) {
    h.dir.write("units.dat", readFile(MENSURIO_BIN_DIR "/default.dat"));
    h.SetSetting("AktualCate", "Currency");
}

std::string RatesPath(WindowHarness &h) {
    return h.dir.file(RatesFile::FileName);
}

void WriteRates(WindowHarness &h, const std::string &bytes) {
    std::string error;
    QVERIFY2(RatesFile::Update(RatesPath(h), bytes, error), error.c_str());
}

// US dollar to euro, and the typed value.
QString ConvertDollars(WindowHarness &h, const QString &value) {
    ClickRow(h.Find<QListWidget>("inputList"), "US dollar (USD)");
    ClickRow(h.Find<QListWidget>("outputList"), "euro (EUR)");
    h.Type(value);
    return h.Find<QLineEdit>("resultField")->text();
}

QString NoteShown(WindowHarness &h) {
    auto *note = h.window()->findChild<QLabel *>("ratesNote");
    return note != nullptr && note->isVisible() ? note->text() : QString();
}

void OpenUpdateDialog(WindowHarness &h, const std::function<void(RatesUpdateDialog &)> &drive) {
    QAction *update = h.window()->findChild<QAction *>("UpdateExchangeRates");
    QVERIFY(update != nullptr);
    QVERIFY(DriveModal<RatesUpdateDialog>([update] { update->trigger(); }, drive));
}

QString Outcome(RatesUpdateDialog &dialog) {
    return dialog.findChild<QLabel *>("ratesOutcome")->text();
}

} // namespace

class TestCurrencyRates : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        for (const char *proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy"})
            qunsetenv(proxy);
    }
    void cleanup() { qunsetenv("MENSURIO_RATES_URL"); }

    void withoutRates_theResultPlaceSaysHowToGetThem() {
        WindowHarness h(false);
        PrepareFolder(h);
        h.Start();
        QCOMPARE(
            ConvertDollars(h, "100"),
            QString("No exchange rates loaded: choose Action, Update Exchange Rates (or run mensurio-cli "
                    "--update-rates)"));
        QCOMPARE(NoteShown(h), QString());
        h.Finish();
    }

    void ratesAtStart_convert_areNamed_andRatesChangedOnDiskArePickedUp() {
        WindowHarness h(false);
        PrepareFolder(h);
        const std::string date = DateDaysAgo(1);
        WriteRates(h, SampleEcbRates(date, "1.25"));
        h.Start();
        QCOMPARE(ConvertDollars(h, "100"), QString("80"));
        QCOMPARE(NoteShown(h), QString::fromStdString("rates of " + date + " (ECB)"));

        // mensurio-cli --update-rates (or another window) writes new rates: the next conversion uses them.
        WriteRates(h, SampleEcbRates(date, "2"));
        h.Type("10");
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("5"));
        const std::string rates = readFile(RatesPath(h));
        h.Finish();
        // The exit save neither writes rates into units.dat nor touches the rates file.
        UnitDatabase saved;
        DatabaseFile::LoadFromBytes(saved, h.dir.read("units.dat"));
        QCOMPARE(static_cast<double>(saved.UnitFactorOf("Currency", "US dollar (USD)")), 0.0);
        QCOMPARE(readFile(RatesPath(h)), rates);
    }

    void oldRates_areFlaggedBesideTheResult() {
        WindowHarness h(false);
        PrepareFolder(h);
        const std::string date = DateDaysAgo(12);
        WriteRates(h, SampleEcbRates(date));
        h.Start();
        ConvertDollars(h, "1");
        // Where the whole note does not fit beside the result, its date and age do; the field's
        // tooltip holds it whole.
        const QString flagged = QString::fromStdString(date + ", 12 days old");
        QVERIFY2(NoteShown(h).endsWith(flagged), qPrintable(NoteShown(h)));
        QCOMPARE(h.Find<QLineEdit>("resultField")->toolTip(),
                 QString::fromStdString("rates of " + date + " (ECB), 12 days old"));
        h.Finish();
    }

    void updateFromFile_convertsAgain_aBadFileChangesNothing() {
        WindowHarness h(false);
        PrepareFolder(h);
        WriteRates(h, SampleEcbRates("2026-12-01", "1.25"));
        h.Start();
        QCOMPARE(ConvertDollars(h, "100"), QString("80"));
        const std::string before = readFile(RatesPath(h));
        h.dir.write("bad.xml", SampleEcbRates("2026-12-09").substr(0, 300));
        h.dir.write("good.xml", SampleEcbRates("2026-12-09", "0.5"));
        h.prompts.fileAnswers = {h.dir.file("bad.xml"), h.dir.file("good.xml")};
        OpenUpdateDialog(h, [&](RatesUpdateDialog &dialog) {
            dialog.findChild<QPushButton *>("openFileButton")->click();
            QVERIFY2(Outcome(dialog).endsWith("truncated download?). The exchange rates were not changed."),
                     qPrintable(Outcome(dialog)));
            QCOMPARE(readFile(RatesPath(h)), before);
            QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("80"));
            dialog.findChild<QPushButton *>("openFileButton")->click();
            QCOMPARE(Outcome(dialog), QString("Exchange rates of 2026-12-09 (ECB) loaded: 5 currencies."));
        });
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("200"));
        QVERIFY(std::count(h.prompts.log.begin(), h.prompts.log.end(), "beep") >= 1);
        h.Finish();
    }

    void download_showsProgress_keepsOnlyCompleteRates_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("success") << 0 << "Exchange rates of 2026-12-09 (ECB) loaded: 5 currencies.";
        QTest::newRow("404")
            << 1
            << "The download failed: the server 127.0.0.1 answered 404 Not Found. The exchange "
               "rates were not changed.";
        QTest::newRow("timeout")
            << 2
            << "The download failed: no complete answer from 127.0.0.1 within 1 second. The "
               "exchange rates were not changed.";
    }
    void download_showsProgress_keepsOnlyCompleteRates() {
        QFETCH(int, answer);
        QFETCH(QString, outcome);
        const LocalHttpServer::Response responses[] = {
            LocalHttpServer::Ok(SampleEcbRates("2026-12-09", "0.5")),
            LocalHttpServer::Status(404, "Not Found"), LocalHttpServer::Silent()};
        LocalHttpServer server(responses[answer]);
        qputenv("MENSURIO_RATES_URL", QByteArray::fromStdString(server.Url()));
        WindowHarness h(false);
        PrepareFolder(h);
        WriteRates(h, SampleEcbRates("2026-12-01", "1.25"));
        const std::string before = readFile(RatesPath(h));
        h.Start();
        ConvertDollars(h, "100");
        h.window()->currencyRates()->SetDownloadTimeout(1);
        QSignalSpy progress(h.window()->currencyRates(), &CurrencyRates::downloadProgress);
        OpenUpdateDialog(h, [&](RatesUpdateDialog &dialog) {
            dialog.findChild<QPushButton *>("downloadButton")->click();
            QVERIFY(dialog.findChild<QProgressBar *>("downloadProgress")->isVisibleTo(&dialog));
            QTRY_VERIFY_WITH_TIMEOUT(!Outcome(dialog).isEmpty(), 20000);
            QCOMPARE(Outcome(dialog), outcome);
            QVERIFY(!dialog.findChild<QProgressBar *>("downloadProgress")->isVisibleTo(&dialog));
        });
        QCOMPARE(server.Requests(), 1);
        if (answer == 0) {
            QVERIFY(progress.count() >= 1);
            QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("200"));
        } else {
            QCOMPARE(readFile(RatesPath(h)), before);
            QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("80"));
        }
        h.Finish();
    }

    // Nothing is downloaded at start unless the user turned that on in the dialog.
    void downloadAtStart_onlyWhenTurnedOn() {
        LocalHttpServer server(LocalHttpServer::Ok(SampleEcbRates(DateDaysAgo(0), "0.5")));
        qputenv("MENSURIO_RATES_URL", QByteArray::fromStdString(server.Url()));
        {
            WindowHarness h(false);
            PrepareFolder(h);
            h.Start();
            OpenUpdateDialog(h, [](RatesUpdateDialog &dialog) {
                auto *atStart = dialog.findChild<QCheckBox *>("downloadAtStart");
                QVERIFY(!atStart->isChecked());
                atStart->click();
            });
            QCOMPARE(h.Setting(CurrencyRates::AtStartKey), std::string("1"));
            h.Finish();
            QTest::qWait(200);
            QCOMPARE(server.Requests(), 0);
        }
        WindowHarness h(false);
        PrepareFolder(h);
        h.SetSetting(CurrencyRates::AtStartKey, "1");
        h.Start();
        QTRY_COMPARE_WITH_TIMEOUT(server.Requests(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(ConvertDollars(h, "100"), QString("200"), 20000);
        h.Finish();
    }
};

QTEST_MAIN(TestCurrencyRates)
#include "tst_currencyrates.moc"
