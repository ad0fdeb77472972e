// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// The text rules of freedesktop.org desktop entries: escaping string values, quoting the
/// arguments of an Exec line, and reading the keys of the "Desktop Entry" group back.
class DesktopEntry {
  public:
    /// The escapes of a string value: backslash, newline, tab and carriage return, and "\s" for
    /// the spaces at either end, which readers would otherwise trim.
    static std::string EscapeString(std::string_view value);
    /// Undoes EscapeString (also "\s" for a space); nothing for a dangling backslash.
    static std::optional<std::string> UnescapeString(std::string_view value);

    /// One Exec argument: double-quoted when it holds a reserved character or is empty, with
    /// '"', '`', '$' and '\' escaped inside the quotes; '%' doubled. The result is not yet
    /// string-escaped (EscapeString follows when the line is written).
    static std::string QuoteArgument(std::string_view argument);
    /// The Exec value for a program and its arguments, string escapes included.
    static std::string ExecValue(const std::vector<std::string> &command);
    /// Splits a written Exec value (string escapes included) into the program and its
    /// arguments. Field codes such as %f are dropped, %% becomes %. Nothing for an unterminated
    /// quote, a bad escape or an empty command.
    static std::optional<std::vector<std::string>> SplitExecValue(std::string_view value);

    /// The keys of the "Desktop Entry" group (values as written, not unescaped). Nothing when
    /// the text has no such group, a line of it is neither a comment, a group header nor a key,
    /// or a key repeats.
    static std::optional<std::map<std::string, std::string>> ReadGroup(std::string_view text);

    /// Printable UTF-8 without control characters other than tab, newline and carriage return,
    /// the only text a desktop entry's string values may hold.
    static bool IsWritableText(std::string_view text);
};

} // namespace mensurio
