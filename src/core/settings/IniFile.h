// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mensurio {

/// A refused write to the settings file; the text is "Unable to write to " + the file's path.
class IniFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The settings file in INI form: sections and keys matched without regard to letter case,
/// read afresh for every access, and replaced atomically on the disk by every write.
class IniFile {
  public:
    explicit IniFile(std::string path);

    const std::string &Path() const { return m_path; }

    // Reading never fails: a missing or unreadable file, section or key gives the default.
    // Values are the text after the '=' sign, cut to 1023 characters.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // Each write replaces the key's value in place, or adds the key at the end of its section,
    // or adds the section at the end of the file; then the whole file is written to a
    // temporary file beside it, flushed to the disk and renamed over the old one. A refusal
    // throws IniFileError and leaves the old file as it was. Line breaks inside a section
    // name, key or value would break the file's lines and are written as spaces.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    /// The integer reading rule: a text of more than two characters starting with "0x" or
    /// "0X" is hexadecimal (up to 32 bits, taken as signed), else decimal within 32 bits.
    /// Blanks around the number are allowed; anything else gives nothing.
    static std::optional<int32_t> ParseInteger(std::string_view text);

    static constexpr size_t kMaxValueLength = 1023;
    /// 16 MiB: real settings files hold a few kilobytes. A larger file is taken as damaged and
    /// never read whole.
    static constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

    /// Looks at the settings file before the first reading, without opening it. Anything but a
    /// regular file (a FIFO, socket, device, directory) is left as it is; a file above
    /// kMaxFileSize is renamed aside to TooLargePathFor(path). Returns what the user is told,
    /// with the path and what was done; empty when the file is fine or missing.
    static std::string CheckBeforeReading(const std::string &path);
    /// path + ".too-large", or ".too-large2", ".too-large3"... when that name is taken.
    static std::string TooLargePathFor(const std::string &path);

    // Gathering writes: between BeginWrites and CommitWrites every write changes a copy of the
    // file held in memory (reads see it too), and CommitWrites puts the result on the disk in
    // one atomic replace. The file then holds exactly what the same writes made one by one
    // would have left, or, when the replace is refused, its old content untouched. A file
    // that exists but cannot be read refuses every gathered write at once, as it refuses
    // single writes. Nothing is written when no write was gathered.
    void BeginWrites();
    /// Throws IniFileError when the file cannot be replaced; the gathered writes are dropped
    /// either way.
    void CommitWrites();
    void DiscardWrites();
    bool GatheringWrites() const { return m_gathering; }

  private:
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
    bool ReadContent(std::string &content) const;

    std::string m_path;
    bool m_gathering = false;
    bool m_gatheredUnreadable = false; // the file existed but could not be read
    bool m_gatheredAny = false;
    std::string m_gathered; // the file's content with the gathered writes applied
};

/// Gathers the writes made during its life into one atomic replace of the file (see
/// IniFile::BeginWrites). Commit() writes them; leaving the scope without Commit() drops them.
/// Inside another batch of the same file it leaves the writing to the outer one.
class IniWriteBatch {
  public:
    explicit IniWriteBatch(IniFile &file) : m_file(file), m_owner(!file.GatheringWrites()) {
        if (m_owner)
            m_file.BeginWrites();
    }
    ~IniWriteBatch() {
        if (m_owner && m_file.GatheringWrites())
            m_file.DiscardWrites();
    }
    IniWriteBatch(const IniWriteBatch &) = delete;
    IniWriteBatch &operator=(const IniWriteBatch &) = delete;

    /// Throws IniFileError when the file cannot be replaced.
    void Commit() {
        if (m_owner)
            m_file.CommitWrites();
    }

  private:
    IniFile &m_file;
    bool m_owner;
};

/// Runs a sequence of settings writes that stops at the first failing one. A failure whose
/// text contains "Unable to write to" is swallowed (false is returned); any other error
/// propagates. The writes made before the failure stay written.
bool RunIgnoringRefusedWrites(const std::function<void()> &writes);

} // namespace mensurio
