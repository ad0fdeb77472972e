// SPDX-License-Identifier: MIT
// The settings file at the end of a run: written in one replace, it holds the bytes the
// key-by-key writers leave, and a file that cannot be replaced keeps its old content whole.
#include "core/settings/ConversionMemory.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "core/settings/ToolbarPlacement.h"
#include "support/FileSizeLimit.h"
#include "ui/support/WindowHarness.h"

#include <QtTest>

#include <filesystem>
#include <optional>
#include <vector>

using namespace mensurio;
using namespace mensurio::test;

namespace {

std::optional<std::string> Content(const ScratchDir &dir, const std::string &name) {
    if (!dir.exists(name))
        return std::nullopt;
    return dir.read(name);
}

size_t EntriesIn(const std::string &folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

class TestSettingsExit : public QObject {
    Q_OBJECT

  private slots:
    // What the exit wrote, written again key by key onto the file as it was before the exit:
    // the same bytes.
    void exit_writesTheBytesOfTheKeyByKeyWriters() {
        WindowHarness h;
        h.SetSetting("CalcPath", "/usr/bin/xcalc  -rpn");
        h.SetSetting("list1", "meter", "Mass");
        MainWindow &window = h.Start();
        h.Type("5,5 + 1");
        window.resize(610, 430);
        window.move(21, 34);
        const std::optional<std::string> before = Content(h.dir, "mensurio.ini");
        h.Finish();
        const std::string written = h.dir.read("mensurio.ini");

        const std::string replay = h.dir.file("replay.ini");
        if (before)
            h.dir.write("replay.ini", *before);
        const IniFile exitFile(h.SettingsPath());
        IniFile replayFile(replay);
        WriteConversionMemory(replayFile, "Length", ReadConversionMemory(exitFile, "Length"));
        WriteSettings(replayFile, ReadSettings(exitFile));
        std::vector<ToolbarPlacement> bars(2);
        bars[0].name = "Toolbar971";
        bars[1].name = "Toolbar972";
        SaveToolbarPositions(replayFile, LoadToolbarPositions(exitFile, bars));
        QCOMPARE(written, h.dir.read("replay.ini"));
        QCOMPARE(h.Setting("hodnota", "Length"), std::string("5,5 + 1"));
        QCOMPARE(h.Setting("width"), std::string("610"));
    }

    // The replace is refused (the file may not grow to the new size): the old file stays as it
    // was, no temporary file is left, and the run ends as usual.
    void exit_settingsCannotBeReplaced_keepsTheOldFileWhole() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Mass");
        h.Start();
        h.Type("7");
        const std::string before = h.dir.read("mensurio.ini");
        const size_t entries = EntriesIn(h.dir.path());
        {
            FileSizeLimit limit(before.size() + 8); // units.dat is refused too: Cancel its prompt
            h.Finish();
        }
        QCOMPARE(h.dir.read("mensurio.ini"), before);
        QCOMPARE(EntriesIn(h.dir.path()), entries);
    }
};

QTEST_MAIN(TestSettingsExit)
#include "tst_settingsexit.moc"
