// SPDX-License-Identifier: MIT
// The settings file reader on arbitrary bytes: reading never fails, and a write into any file
// is read back as written.
#include "FuzzCheck.h"

#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// One scratch file per fuzzing process, in memory where the system offers it.
const std::string &ScratchPath() {
    static const std::string path = [] {
        const char *dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(dir) + "/mensurio-fuzz-" + std::to_string(::getpid()) + ".ini";
    }();
    return path;
}

void WriteFile(const std::string &path, const std::uint8_t *data, std::size_t size) {
    std::FILE *f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, f) == size);
    std::fclose(f);
}

std::string Expected(std::string value) {
    for (char &c : value) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return value.substr(0, mensurio::IniFile::kMaxValueLength);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The last 8 bytes (when there are more than 8) are a value to write; the rest is the file.
    const std::size_t valueSize = size > 8 ? 8 : 0;
    const std::string value(reinterpret_cast<const char *>(data + size - valueSize), valueSize);
    WriteFile(ScratchPath(), data, size - valueSize);

    mensurio::IniFile file(ScratchPath());
    const mensurio::ProgramSettings settings = mensurio::ReadSettings(file);
    FUZZ_CHECK(settings.AktualCate.size() <= mensurio::IniFile::kMaxValueLength);
    (void)file.ReadString("Length", "hodnota", "");
    (void)mensurio::IniFile::ParseInteger(file.ReadString("general", "top", ""));

    if (valueSize > 0) {
        file.WriteString("general", "AktualCate", value);
        FUZZ_CHECK(file.ReadString("general", "AktualCate", "<none>") == Expected(value));
    }
    std::remove(ScratchPath().c_str());
    return 0;
}
