// SPDX-License-Identifier: MIT
// The settings written at the window's exit: every key as its own replace of the file, flushed
// to the disk, against all of them gathered into one replace.
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "core/settings/ToolbarPlacement.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace mensurio;

std::string ScratchFile() {
    std::string folder = (std::filesystem::temp_directory_path() / "mensurio-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        std::abort();
    return folder + "/mensurio.ini";
}

void WriteAtExit(IniFile &file) {
    ProgramSettings settings;
    settings.AktualCate = "Length";
    WriteSettings(file, settings);
    SaveToolbarPositions(file, {{"Toolbar971", true, ToolbarDock::Top, 0, 0, 0, 0, 0, 0, 0},
                                {"Toolbar972", true, ToolbarDock::Top, 0, 200, 0, 0, 0, 0, 0}});
}

void BM_ExitKeyByKey(benchmark::State &state) {
    const std::string path = ScratchFile();
    IniFile file(path);
    for (auto _ : state)
        WriteAtExit(file);
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_ExitKeyByKey)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExitInOneReplace(benchmark::State &state) {
    const std::string path = ScratchFile();
    IniFile file(path);
    for (auto _ : state) {
        IniWriteBatch batch(file);
        WriteAtExit(file);
        batch.Commit();
    }
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_ExitInOneReplace)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
