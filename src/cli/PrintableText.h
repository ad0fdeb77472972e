// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace mensurio {

/// Text from a units database made safe to print: a name may hold control characters (an
/// escape sequence would reach the terminal and act on it), which are written as escapes.
class PrintableText {
  public:
    /// The UTF-8 text with every control character escaped: C0 characters, line breaks and tabs
    /// included, and DEL as "\x1B" (two upper-case hexadecimal digits), C1 characters as
    /// "\u009B". Everything else, malformed bytes included, is copied as it is.
    static std::string Escaped(std::string_view utf8);
    /// Escaped() of the Windows-1252 text converted to UTF-8.
    static std::string FromCp1252(std::string_view cp1252);
};

} // namespace mensurio
