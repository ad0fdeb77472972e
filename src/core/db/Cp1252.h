// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace mensurio {

/// Windows-1252 text at the edges of the program: to and from Unicode and UTF-8.
class Cp1252 {
public:
    /// Stands for a character that Windows-1252 cannot hold; it is undefined in the
    /// code page, so it never matches a unit name.
    static constexpr unsigned char Unmappable = 0x81;

    static char32_t ToCodePoint(unsigned char byte);
    /// The byte for a code point, or Unmappable.
    static unsigned char FromCodePoint(char32_t codePoint);
    static bool CanEncode(char32_t codePoint);

    static std::string ToUtf8(std::string_view cp1252);
    /// Invalid UTF-8 sequences and characters outside the code page become Unmappable.
    static std::string FromUtf8(std::string_view utf8);
    /// Like FromUtf8 but reports failure instead of substituting.
    static bool TryFromUtf8(std::string_view utf8, std::string& out);
};

} // namespace mensurio
