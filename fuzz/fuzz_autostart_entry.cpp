// needs: core/platform/ShellLinker.h
// SPDX-License-Identifier: MIT
// The autostart entry reader on arbitrary files: a link or nothing; a link that can be written
// again reads back as the same link.
#include "FuzzCheck.h"

#include "core/platform/DesktopEntry.h"
#include "core/platform/ShellLinker.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

const std::string &ScratchPath() {
    static const std::string path = [] {
        const char *dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(dir) + "/mensurio-fuzz-" + std::to_string(::getpid()) + ".desktop";
    }();
    return path;
}

void WriteFile(const std::string &path, std::string_view bytes) {
    std::FILE *f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
    std::fclose(f);
}

bool Writable(const mensurio::ShellLinkProperties &link) {
    using mensurio::DesktopEntry;
    for (const std::string &argument : link.arguments) {
        if (!DesktopEntry::IsWritableText(argument))
            return false;
    }
    return !link.target.empty() && DesktopEntry::IsWritableText(link.target) &&
           DesktopEntry::IsWritableText(link.workingDirectory) &&
           DesktopEntry::IsWritableText(link.description) && DesktopEntry::IsWritableText(link.icon);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    (void)mensurio::DesktopEntry::ReadGroup(text);
    if (const auto command = mensurio::DesktopEntry::SplitExecValue(text); command && !command->empty()) {
        const auto again =
            mensurio::DesktopEntry::SplitExecValue(mensurio::DesktopEntry::ExecValue(*command));
        FUZZ_CHECK(again && *again == *command);
    }

    WriteFile(ScratchPath(), text);
    const auto link = mensurio::ShellLinker::ReadShellLink(ScratchPath());
    (void)mensurio::ShellLinker::IsSwitchedOff(ScratchPath());
    if (link && Writable(*link)) {
        WriteFile(ScratchPath(), mensurio::ShellLinker::EntryText(*link));
        const auto reread = mensurio::ShellLinker::ReadShellLink(ScratchPath());
        FUZZ_CHECK(reread && *reread == *link);
    }
    std::remove(ScratchPath().c_str());
    return 0;
}
