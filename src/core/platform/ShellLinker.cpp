// SPDX-License-Identifier: MIT
#include "core/platform/ShellLinker.h"

#include "core/platform/DesktopEntry.h"
#include "core/platform/FileOps.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

#include <system_error>

namespace mensurio {

namespace {

constexpr std::size_t kLargestEntry = 1 << 20; // a start-up link is a few hundred bytes

// Creates every missing folder of `path` with mode 0700, as the base directory rules ask.
bool MakeFolders(const std::string &path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::string parent = FileOps::DirectoryOf(path);
    if (parent != path && parent != "." && !MakeFolders(parent))
        return false;
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

bool IsTrue(const std::map<std::string, std::string> &keys, const std::string &key) {
    const auto found = keys.find(key);
    return found != keys.end() && found->second == "true";
}

std::optional<std::map<std::string, std::string>> ReadEntryKeys(const std::string &linkFile) {
    struct stat st {};
    if (::stat(linkFile.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) > kLargestEntry)
        return std::nullopt;
    std::string text;
    try {
        text = FileOps::ReadAll(linkFile);
    } catch (const std::system_error &) {
        return std::nullopt;
    }
    if (!DesktopEntry::IsWritableText(text))
        return std::nullopt;
    return DesktopEntry::ReadGroup(text);
}

} // namespace

std::string ShellLinker::StartupFolderPath() {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return FileOps::Join(config, "autostart");
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return FileOps::Join(FileOps::Join(home, ".config"), "autostart");
    return {};
}

std::string ShellLinker::EntryText(const ShellLinkProperties &link) {
    std::vector<std::string> command{link.target};
    command.insert(command.end(), link.arguments.begin(), link.arguments.end());
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Mensurio\n";
    text += "Comment=" + DesktopEntry::EscapeString(link.description) + "\n";
    text += "Exec=" + DesktopEntry::ExecValue(command) + "\n";
    if (!link.workingDirectory.empty())
        text += "Path=" + DesktopEntry::EscapeString(link.workingDirectory) + "\n";
    if (!link.icon.empty())
        text += "Icon=" + DesktopEntry::EscapeString(link.icon) + "\n";
    text += "Terminal=false\n";
    return text;
}

bool ShellLinker::CreateShellLink(const std::string &linkFile, const ShellLinkProperties &link) {
    if (link.target.empty())
        return false;
    const std::string text = EntryText(link);
    if (!DesktopEntry::IsWritableText(text) || !MakeFolders(FileOps::DirectoryOf(linkFile)))
        return false;
    try {
        FileOps::AtomicReplace(linkFile, text);
    } catch (const std::system_error &) {
        return false;
    }
    return true;
}

std::optional<ShellLinkProperties> ShellLinker::ReadShellLink(const std::string &linkFile) {
    const auto keys = ReadEntryKeys(linkFile);
    if (!keys || !keys->count("Exec") || !keys->count("Type") || keys->at("Type") != "Application")
        return std::nullopt;
    const auto command = DesktopEntry::SplitExecValue(keys->at("Exec"));
    if (!command)
        return std::nullopt;
    ShellLinkProperties link;
    link.target = command->front();
    link.arguments.assign(command->begin() + 1, command->end());
    const auto text = [&keys](const char *key) {
        const auto found = keys->find(key);
        return found == keys->end() ? std::string()
                                    : DesktopEntry::UnescapeString(found->second).value_or("");
    };
    link.workingDirectory = text("Path");
    link.description = text("Comment");
    link.icon = text("Icon");
    return link;
}

bool ShellLinker::IsSwitchedOff(const std::string &linkFile) {
    const auto keys = ReadEntryKeys(linkFile);
    if (!keys)
        return false;
    const auto enabled = keys->find("X-GNOME-Autostart-enabled");
    return IsTrue(*keys, "Hidden") || (enabled != keys->end() && enabled->second == "false");
}

} // namespace mensurio
