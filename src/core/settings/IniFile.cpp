// SPDX-License-Identifier: MIT
#include "core/settings/IniFile.h"

#include "core/platform/FileOps.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mensurio {

namespace {

using Lines = std::vector<std::string>;

struct SectionRange {
    size_t header = 0; // index of the "[name]" line
    size_t end = 0;    // one past the section's last line
};

enum class FileState { Missing, Read, Unreadable };

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

FileState ReadWholeFile(const std::string &path, std::string &content) {
    content.clear();
    // A FIFO, socket, device or directory is never opened; a file above the size limit is
    // never read whole. Both count as unreadable, which also refuses every write to them.
    const int fd = FileOps::OpenRegularForReading(path);
    if (fd < 0) {
        return errno == ENOENT ? FileState::Missing : FileState::Unreadable;
    }
    struct stat info {};
    FileState state = FileState::Read;
    if (::fstat(fd, &info) != 0 || static_cast<std::uintmax_t>(info.st_size) > IniFile::kMaxFileSize) {
        state = FileState::Unreadable;
    }
    char buffer[8192];
    while (state == FileState::Read) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            content.append(buffer, static_cast<size_t>(count));
            if (content.size() > IniFile::kMaxFileSize) { // grew since the look at its size
                state = FileState::Unreadable;
            }
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            state = FileState::Unreadable;
        }
    }
    ::close(fd);
    return state;
}

// Lines end in LF or CR LF; a last line without a line break counts too.
Lines SplitLines(const std::string &content) {
    Lines lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const Lines &lines) {
    std::string content;
    for (const std::string &line : lines) {
        content += line;
        content.push_back('\n');
    }
    return content;
}

// The name inside "[...]": from the first '[' to the last ']', blanks trimmed.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    const std::string_view text = Trim(line);
    const auto close = text.rfind(']');
    if (text.empty() || text.front() != '[' || close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(text.substr(1, close - 1));
}

// The key of a "key=value" line (blanks trimmed) and where its value starts.
std::optional<std::pair<std::string_view, size_t>> KeyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty() || key.front() == ';' || key.front() == '[') {
        return std::nullopt;
    }
    return std::make_pair(key, equals + 1);
}

// The first section of that name; later sections of the same name are not consulted.
std::optional<SectionRange> FindSection(const Lines &lines, std::string_view section) {
    const std::string_view wanted = Trim(section);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionNameOf(lines[i]);
        if (name && EqualsNoCase(*name, wanted)) {
            size_t end = i + 1;
            while (end < lines.size() && !SectionNameOf(lines[end])) {
                ++end;
            }
            return SectionRange{i, end};
        }
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const Lines &lines, const SectionRange &range, std::string_view key) {
    const std::string_view wanted = Trim(key);
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const auto found = KeyOf(lines[i]);
        if (found && EqualsNoCase(found->first, wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string WithoutLineBreaks(std::string_view text) {
    std::string result(text);
    for (char &c : result) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return result;
}

void ApplyWrite(Lines &lines, std::string_view section, std::string_view key, std::string_view value) {
    const std::string cleanValue = WithoutLineBreaks(value);
    const auto range = FindSection(lines, section);
    if (!range) {
        if (!lines.empty() && !Trim(lines.back()).empty()) {
            lines.emplace_back();
        }
        lines.push_back("[" + WithoutLineBreaks(section) + "]");
        lines.push_back(WithoutLineBreaks(key) + "=" + cleanValue);
        return;
    }
    if (const auto index = FindKey(lines, *range, key)) {
        std::string &line = lines[*index];
        line.erase(KeyOf(line)->second);
        line += cleanValue;
        return;
    }
    // After the section's last non-blank line, so blank lines before the next section stay there.
    size_t insertAt = range->end;
    while (insertAt > range->header + 1 && Trim(lines[insertAt - 1]).empty()) {
        --insertAt;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                 WithoutLineBreaks(key) + "=" + cleanValue);
}

// Replaces the target through a temporary file and a rename, so it holds either the old or the
// new content. A file the user may not write is refused rather than silently replaced.
bool ReplaceAtomically(const std::string &target, const std::string &content) {
    if (FileOps::Exists(target) && ::access(target.c_str(), W_OK) != 0) {
        return false;
    }
    try {
        FileOps::AtomicReplace(target, content);
        return true;
    } catch (const std::system_error &) {
        return false;
    }
}

// A settings file reached through a symbolic link is written where the link points.
std::string ResolveTarget(const std::string &path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char *resolved = ::realpath(path.c_str(), nullptr)) {
            std::string result(resolved);
            std::free(resolved);
            return result;
        }
    }
    return path;
}

std::optional<int32_t> ParseHex(std::string_view digits) {
    uint64_t value = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f') {
            digit = LowerAscii(c) - 'a' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

bool IniFile::ReadContent(std::string &content) const {
    if (m_gathering && !m_gatheredUnreadable) {
        content = m_gathered;
        return true;
    }
    return ReadWholeFile(m_path, content) == FileState::Read;
}

std::optional<std::string> IniFile::Lookup(std::string_view section, std::string_view key) const {
    std::string content;
    if (!ReadContent(content)) {
        return std::nullopt;
    }
    const Lines lines = SplitLines(content);
    const auto range = FindSection(lines, section);
    if (!range) {
        return std::nullopt;
    }
    const auto index = FindKey(lines, *range, key);
    if (!index) {
        return std::nullopt;
    }
    const std::string &line = lines[*index];
    return line.substr(KeyOf(line)->second, kMaxValueLength);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = Lookup(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
    const auto value = Lookup(section, key);
    if (!value) {
        return defaultValue;
    }
    return ParseInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Lookup(section, key).has_value();
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (m_gathering) {
        if (m_gatheredUnreadable) {
            throw IniFileError("Unable to write to " + m_path);
        }
        // Split and joined again for every write, exactly as a write through the disk does,
        // so that the gathered content equals what the single writes would leave.
        Lines lines = SplitLines(m_gathered);
        ApplyWrite(lines, section, key, value);
        m_gathered = JoinLines(lines);
        m_gatheredAny = true;
        return;
    }
    const std::string target = ResolveTarget(m_path);
    std::string content;
    // An existing file that cannot be read must not be replaced by one holding a single key.
    if (ReadWholeFile(target, content) == FileState::Unreadable) {
        throw IniFileError("Unable to write to " + m_path);
    }
    Lines lines = SplitLines(content);
    ApplyWrite(lines, section, key, value);
    if (!ReplaceAtomically(target, JoinLines(lines))) {
        throw IniFileError("Unable to write to " + m_path);
    }
}

std::string IniFile::TooLargePathFor(const std::string &path) {
    std::string kept = path + ".too-large";
    struct stat info {};
    for (int number = 2; ::lstat(kept.c_str(), &info) == 0; ++number) {
        kept = path + ".too-large" + std::to_string(number);
    }
    return kept;
}

std::string IniFile::CheckBeforeReading(const std::string &path) {
    if (const std::string kind = FileOps::NotRegularKind(path); !kind.empty()) {
        return "The settings file " + path + " is " + kind +
               ", not a file. It is not read and not written; default settings are used.";
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || static_cast<std::uintmax_t>(info.st_size) <= kMaxFileSize) {
        return {};
    }
    const std::string text = "The settings file " + path + " is larger than 16 MB and is taken as damaged. ";
    const std::string kept = TooLargePathFor(path);
    // The name itself moves aside (a symbolic link, not its target), so the next save starts
    // a fresh file there.
    if (FileOps::RenameIfAbsent(path, kept)) {
        return text + "It was kept as " + kept + "; default settings are used.";
    }
    return text + "It could not be kept aside as " + kept + " (" + std::strerror(errno) +
           "); it is not read and not written, and default settings are used.";
}

void IniFile::BeginWrites() {
    m_gathering = true;
    m_gatheredAny = false;
    m_gatheredUnreadable = ReadWholeFile(ResolveTarget(m_path), m_gathered) == FileState::Unreadable;
}

void IniFile::CommitWrites() {
    const bool write = m_gathering && m_gatheredAny && !m_gatheredUnreadable;
    std::string content = std::move(m_gathered);
    DiscardWrites();
    if (write && !ReplaceAtomically(ResolveTarget(m_path), content)) {
        throw IniFileError("Unable to write to " + m_path);
    }
}

void IniFile::DiscardWrites() {
    m_gathering = false;
    m_gatheredUnreadable = false;
    m_gatheredAny = false;
    m_gathered.clear();
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::optional<int32_t> IniFile::ParseInteger(std::string_view text) {
    text = Trim(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHex(text.substr(2));
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool RunIgnoringRefusedWrites(const std::function<void()> &writes) {
    try {
        writes();
        return true;
    } catch (const std::exception &error) {
        if (std::string_view(error.what()).find("Unable to write to") == std::string_view::npos) {
            throw;
        }
        return false;
    }
}

} // namespace mensurio
