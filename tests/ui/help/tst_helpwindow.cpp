// SPDX-License-Identifier: MIT
#include "ui/help/HelpWindow.h"

#include "support/FakePrompts.h"
#include "ui/shared/BundledResources.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using mensurio::HelpPage;
using mensurio::HelpWindow;

namespace {

QString ReadResource(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { mensurio::EnsureBundledResources(); }

    void openPage_index_showsTheContents() {
        HelpWindow window;
        QVERIFY(window.OpenPage(HelpPage::Index));
        QCOMPARE(window.Source(), QUrl("qrc:/help/index.html"));
        const QString text = window.Browser()->toPlainText();
        for (const char *heading :
             {"Typing values", "Compound input", "Temperature", "Fuel Efficiency", "Frequency Wavelength",
              "Thermal Resistivity", "absolute and gauge", "Roman numerals", "Fractions", "Customisation",
              "Conversion tables", "The record", "Keyboard shortcuts"})
            QVERIFY2(text.contains(QLatin1String(heading)), heading);
    }

    void openPage_metric_listsDecimalAndBinaryPrefixes() {
        HelpWindow window;
        QVERIFY(window.OpenPage(HelpPage::MetricPrefixes));
        QCOMPARE(window.Source(), QUrl("qrc:/help/metric.html"));
        const QString text = window.Browser()->toPlainText();
        for (const char *prefix : {"quecto", "ronto", "yocto", "micro", "kilo", "quetta", "kibi", "yobi",
                                   "1,208,925,819,614,629,174,706,176"})
            QVERIFY2(text.contains(QLatin1String(prefix)), prefix);
    }

    void links_relativeLinkAndBackWork() {
        HelpWindow window;
        QVERIFY(window.OpenPage(HelpPage::Index));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTextBrowser *browser = window.Browser();
        QTextCursor link = browser->document()->find("Metric prefixes");
        QVERIFY(!link.isNull());
        link.setPosition(link.selectionStart() + 3);
        const QPoint onLink = browser->cursorRect(link).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, onLink);
        QTRY_COMPARE(window.Source(), QUrl("qrc:/help/metric.html"));
        QVERIFY(window.Browser()->toPlainText().contains("quetta"));
        window.Browser()->backward();
        QCOMPARE(window.Source(), QUrl("qrc:/help/index.html"));
    }

    // Every link of both pages leads to a bundled page, and every #anchor to a named anchor there.
    void links_allTargetsExist() {
        const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        for (const QString &page : {QStringLiteral("index.html"), QStringLiteral("metric.html")}) {
            const QString html = ReadResource(":/help/" + page);
            QVERIFY2(!html.isEmpty(), qPrintable(page));
            for (const auto &match : href.globalMatch(html)) {
                const QString link = match.captured(1);
                const qsizetype hash = link.indexOf('#');
                const QString file = hash < 0 ? link : link.left(hash);
                const QString anchor = hash < 0 ? QString() : link.mid(hash + 1);
                const QString target = ReadResource(":/help/" + (file.isEmpty() ? page : file));
                QVERIFY2(!target.isEmpty(), qPrintable(page + ": " + link));
                if (!anchor.isEmpty())
                    QVERIFY2(target.contains("name=\"" + anchor + "\""), qPrintable(page + ": " + link));
            }
        }
    }

    void openPage_metricMissing_fallsBackToTheIndex() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(":/help/index.html", dir.filePath("index.html")));
        HelpWindow window(nullptr, dir.path());
        QVERIFY(window.OpenPage(HelpPage::MetricPrefixes));
        QVERIFY(window.Source().toLocalFile().endsWith("/index.html"));
    }

    void showHelp_missingHelp_beepsAndTellsTheUser() {
        QTemporaryDir empty;
        QWidget owner;
        mensurio::test::FakePrompts prompts;
        for (HelpPage page : {HelpPage::Index, HelpPage::MetricPrefixes}) {
            prompts.log.clear();
            QCOMPARE(HelpWindow::ShowHelp(page, prompts, &owner, empty.path()), nullptr);
            QCOMPARE(prompts.log,
                     (std::vector<std::string>{
                         "beep", "information: HTML Help is needed to start the Mensurio Help."}));
        }
        QVERIFY(owner.findChildren<HelpWindow *>().isEmpty());
    }

    void showHelp_reusesTheOwnersWindow() {
        QWidget owner;
        mensurio::test::FakePrompts prompts;
        HelpWindow *first = HelpWindow::ShowHelp(HelpPage::Index, prompts, &owner);
        QVERIFY(first != nullptr);
        QVERIFY(first->isVisible());
        HelpWindow *second = HelpWindow::ShowHelp(HelpPage::MetricPrefixes, prompts, &owner);
        QCOMPARE(second, first);
        QCOMPARE(second->Source(), QUrl("qrc:/help/metric.html"));
        QVERIFY(prompts.log.empty());
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
