// SPDX-License-Identifier: MIT
// The handheld export command: its dialogue on a scratch folder, the export number and the
// command in the conversion window.
#include "ui/mainwindow/HandheldExportCommand.h"

#include "core/settings/ProgramSettings.h"
#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

#include <deque>
#include <string>
#include <vector>

using namespace mensurio;
using namespace mensurio::test;

namespace {

const std::string kNotice = std::string("information: ") + HandheldExportCommand::kNotice;

// The export number in a written file's version field.
int VersionOf(const std::string &file) {
    if (file.size() < 36)
        return -1;
    return static_cast<unsigned char>(file[34]) << 8 | static_cast<unsigned char>(file[35]);
}

std::string SaveDialog(const char *title, const std::string &folder, const char *name) {
    return std::string("save [") + title + "] " + folder + " " + name + " Palm Database File (*.pdb)";
}

// The command on the fixture database, with export numbers taken from a script.
struct Dialogue {
    explicit Dialogue(std::deque<int> numbers = {4242}) : script(std::move(numbers)) {
        settings.palmverze = 77;
    }

    bool Run(std::deque<std::string> answers) {
        prompts.fileAnswers = std::move(answers);
        HandheldExportCommand command(prompts, database, settings, "/start", [this] {
            const int n = script.front();
            script.pop_front();
            return n;
        });
        return command.Run();
    }
    bool WroteNothing() const { return !dir.exists("names.pdb") && !dir.exists("values.pdb"); }

    ScratchDir dir;
    FakePrompts prompts;
    UnitDatabase database = FixtureDatabase();
    ProgramSettings settings;
    std::deque<int> script;
};

} // namespace

class TestHandheldExport : public QObject {
    Q_OBJECT
  private slots:
    void run_cancelAtEitherDialog_writesNothing_data() {
        QTest::addColumn<int>("answered");
        QTest::newRow("names dialog") << 0;
        QTest::newRow("values dialog") << 1;
    }
    void run_cancelAtEitherDialog_writesNothing() {
        QFETCH(int, answered);
        Dialogue d;
        std::deque<std::string> answers;
        if (answered > 0)
            answers.push_back(d.dir.file("names.pdb"));
        QVERIFY(!d.Run(answers));
        QVERIFY(d.WroteNothing());
        QCOMPARE(d.settings.palmverze, 77);
        std::vector<std::string> expected = {
            "beep", kNotice, SaveDialog(HandheldExportCommand::kNamesTitle, "/start", "names.pdb")};
        if (answered > 0) // the values dialog starts where the names file goes
            expected.push_back(SaveDialog(HandheldExportCommand::kValuesTitle, d.dir.path(), "values.pdb"));
        QCOMPARE(d.prompts.log, expected);
    }

    void run_sameFileIgnoringCase_isRefused() {
        Dialogue d;
        QVERIFY(!d.Run({d.dir.file("names.pdb"), d.dir.file("NAMES.PDB")}));
        QVERIFY(d.WroteNothing());
        QVERIFY(!d.dir.exists("NAMES.PDB"));
        QCOMPARE(d.settings.palmverze, 77);
        QCOMPARE(d.prompts.log.back(), std::string("error: You have to enter two different files."));
        QCOMPARE(d.prompts.log.at(d.prompts.log.size() - 2), std::string("beep"));
    }

    void run_bothChosen_writesThePairWithANewNumber() {
        Dialogue d({77, 77, 1234}); // a number equal to the last export's is drawn again
        QVERIFY(d.Run({d.dir.file("names.pdb"), d.dir.file("values.pdb")}));
        QCOMPARE(VersionOf(d.dir.read("names.pdb")), 1234);
        QCOMPARE(VersionOf(d.dir.read("values.pdb")), 1234);
        QCOMPARE(d.dir.read("values.pdb").substr(60, 4), std::string("valu"));
        QCOMPARE(d.dir.read("names.pdb").substr(60, 4), std::string("name"));
        QCOMPARE(d.settings.palmverze, 1234);
        QVERIFY(d.script.empty());
        QCOMPARE(d.prompts.log.size(), std::size_t(4)); // the notice and two dialogs, no error
    }

    void run_nameWithoutExtension_getsPdb() {
        Dialogue d;
        QVERIFY(d.Run({d.dir.file("names"), d.dir.file("values")}));
        QVERIFY(d.dir.exists("names.pdb"));
        QVERIFY(d.dir.exists("values.pdb"));
    }

    void run_writeFails_reportsAndKeepsTheNumber() {
        Dialogue d;
        d.dir.write("names.pdb", "earlier");
        QVERIFY(!d.Run({d.dir.file("names.pdb"), d.dir.file("missing/values.pdb")}));
        QCOMPARE(d.dir.read("names.pdb"), std::string("earlier"));
        QCOMPARE(d.settings.palmverze, 77);
        const std::string error = d.prompts.log.back();
        QVERIFY2(error.rfind("error: Can not write " + d.dir.file("missing/values.pdb"), 0) == 0,
                 error.c_str());
        QCOMPARE(d.prompts.log.at(d.prompts.log.size() - 2), std::string("beep"));
    }

    void window_exportsTwiceWithDifferentNumbersAndStoresTheLast() {
        WindowHarness h;
        h.SetSetting("palmverze", "555");
        MainWindow &window = h.Start();
        auto *command = h.Find<QAction>("handheldExportAction");
        QVERIFY(command->isEnabled());
        h.Type("2");
        const QString before = h.Find<QLineEdit>("resultField")->text();
        QVERIFY(!before.isEmpty());

        std::vector<int> numbers;
        for (const char *folder : {"first", "second"}) {
            QVERIFY(QDir(QString::fromStdString(h.dir.path())).mkdir(folder));
            const std::string names = h.dir.file(std::string(folder) + "/names.pdb");
            const std::string values = h.dir.file(std::string(folder) + "/values.pdb");
            h.prompts.fileAnswers = {names, values};
            command->trigger();
            const int number = VersionOf(readFile(values));
            QCOMPARE(VersionOf(readFile(names)), number);
            QCOMPARE(window.settings().palmverze, number);
            numbers.push_back(number);
        }
        QVERIFY(numbers[0] != 555);
        QVERIFY(numbers[0] != numbers[1]);
        QVERIFY(numbers[0] >= 2 && numbers[1] <= 32767);

        // The export walks the whole database; the window converts as before.
        h.Type("3");
        h.Type("2");
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), before);
        h.Finish();
        QCOMPARE(h.Setting("palmverze"), std::to_string(numbers[1]));
    }

    void window_cancelled_keepsPalmverze() {
        WindowHarness h;
        h.SetSetting("palmverze", "555");
        h.Start();
        h.prompts.fileAnswers = {h.dir.file("names.pdb")}; // the values dialog is cancelled
        h.Find<QAction>("handheldExportAction")->trigger();
        QVERIFY(!h.dir.exists("names.pdb"));
        h.Finish();
        QCOMPARE(h.Setting("palmverze"), std::string("555"));
    }
};

QTEST_MAIN(TestHandheldExport)
#include "tst_handheldexport.moc"
