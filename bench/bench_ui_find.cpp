// SPDX-License-Identifier: MIT
// The Find dialog on the shipped database: opening it (every entry built, sorted in the locale
// order and listed) and narrowing the list on each keystroke.
#include "core/db/DatabaseFile.h"
#include "core/settings/ProgramSettings.h"
#include "ui/find/FindDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace mensurio {
namespace {

const UnitDatabase &ShippedDatabase() {
    static const UnitDatabase database = [] {
        UnitDatabase db;
        DatabaseFile::LoadFromPath(db, std::string(MENSURIO_BIN_DIR) + "/default.dat");
        return db;
    }();
    return database;
}

void BM_FindOpen(benchmark::State &state) {
    ProgramSettings settings;
    int rows = 0;
    for (auto _ : state) {
        FindDialog dialog(ShippedDatabase(), settings);
        dialog.show();
        QApplication::processEvents();
        rows = dialog.findChild<QListWidget *>("matchList")->count();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["entries"] = rows;
}
BENCHMARK(BM_FindOpen)->Unit(benchmark::kMillisecond);

// Typing a word letter by letter and clearing it again; the clear lists every entry anew.
void Keystrokes(benchmark::State &state, bool anywhere, const std::vector<QString> &texts) {
    ProgramSettings settings;
    settings.pgsdl5sort = !anywhere;
    FindDialog dialog(ShippedDatabase(), settings);
    dialog.show();
    QApplication::processEvents();
    auto *edit = dialog.findChild<QLineEdit *>("searchField");
    std::size_t next = 0;
    for (auto _ : state) {
        edit->setText(texts[next]);
        QApplication::processEvents();
        next = (next + 1) % texts.size();
    }
}

void BM_FindKeystroke_Start(benchmark::State &state) {
    Keystrokes(state, false, {"m", "me", "met", "mete", "meter", "mete", "met", "me", "m", ""});
}
BENCHMARK(BM_FindKeystroke_Start)->Unit(benchmark::kMicrosecond);

void BM_FindKeystroke_Entire(benchmark::State &state) {
    Keystrokes(state, true, {"m", "me", "met", "mete", "meter", "mete", "met", "me", "m", ""});
}
BENCHMARK(BM_FindKeystroke_Entire)->Unit(benchmark::kMicrosecond);

// The dearest single keystroke: from one letter back to the whole list, and the first letter.
void BM_FindKeystroke_ClearAndFirstLetter(benchmark::State &state) {
    Keystrokes(state, true, {"e", ""});
}
BENCHMARK(BM_FindKeystroke_ClearAndFirstLetter)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace mensurio

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
