// SPDX-License-Identifier: MIT
#include "core/platform/StartupLink.h"

#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"
#include "core/platform/Prompts.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace mensurio {

namespace {

bool SameIgnoringCase(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// Runs its first argument with the rest: exec "$0" "$@".
constexpr const char *kShell = "/bin/sh";
constexpr const char *kShellCommand = "exec \"$0\" \"$@\"";

void Warn(Prompts &prompts, const char *text) {
    prompts.Beep();
    prompts.Warning(text);
}

} // namespace

StartupLink::StartupLink(std::string startupFolder, std::string executablePath)
    : m_folder(std::move(startupFolder)), m_executable(std::move(executablePath)) {}

StartupLink StartupLink::ForRunningProgram() {
    return StartupLink(ShellLinker::StartupFolderPath(), Paths::ExecutablePath());
}

std::string StartupLink::LinkFile() const {
    return m_folder.empty() ? std::string() : FileOps::Join(m_folder, kFileName);
}

std::vector<std::string> StartupLink::ExistingLinkFiles() const {
    std::vector<std::string> files;
    if (m_folder.empty())
        return files;
    DIR *dir = ::opendir(m_folder.c_str());
    if (dir == nullptr)
        return files;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!SameIgnoringCase(name, kFileName))
            continue;
        if (name == kFileName)
            files.insert(files.begin(), FileOps::Join(m_folder, name));
        else
            files.push_back(FileOps::Join(m_folder, name));
    }
    ::closedir(dir);
    return files;
}

ShellLinkProperties StartupLink::WantedLink() const {
    ShellLinkProperties link;
    link.target = m_executable;
    link.arguments = {kArgument};
    // A '%' is written "%%" in an Exec line, but desktops check that the program exists before
    // they undo that escape, and GLib's then drops the entry. Such a path goes to a shell as an
    // argument, where the escape is undone before the program runs.
    if (m_executable.find('%') != std::string::npos) {
        link.target = kShell;
        link.arguments = {"-c", kShellCommand, m_executable, kArgument};
    }
    link.workingDirectory = FileOps::DirectoryOf(m_executable);
    link.description = kDescription;
    link.icon = kIcon;
    return link;
}

bool StartupLink::IsCorrect() const {
    const std::vector<std::string> files = ExistingLinkFiles();
    if (files.size() != 1) // two spellings of the link would start the program twice
        return false;
    const auto link = ShellLinker::ReadShellLink(files.front());
    const ShellLinkProperties wanted = WantedLink();
    return link && SameIgnoringCase(link->target, wanted.target) &&
           std::equal(link->arguments.begin(), link->arguments.end(), wanted.arguments.begin(),
                      wanted.arguments.end(), SameIgnoringCase) &&
           !ShellLinker::IsSwitchedOff(files.front());
}

// Every spelling of the link goes: each one would start the program.
bool StartupLink::DeleteAll(Prompts &prompts) const {
    bool deleted = true;
    for (const std::string &file : ExistingLinkFiles()) {
        if (::unlink(file.c_str()) != 0)
            deleted = false;
    }
    if (!deleted)
        Warn(prompts, kCannotDelete);
    return deleted;
}

void StartupLink::BringInLine(bool runOnStartUp, Prompts &prompts) const {
    if (!runOnStartUp) {
        DeleteAll(prompts);
        return;
    }
    if (IsCorrect())
        return;
    DeleteAll(prompts);
    if (LinkFile().empty() || !ShellLinker::CreateShellLink(LinkFile(), WantedLink()))
        Warn(prompts, kCannotCreate);
}

} // namespace mensurio
