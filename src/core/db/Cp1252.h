// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace mensurio {

/// Windows-1252 text at the edges of the program: to and from Unicode and UTF-8.
class Cp1252 {
  public:
    /// Stands for a character that Windows-1252 cannot hold. Every other byte is a character of
    /// some name, so the NUL byte, which no name written by the program holds, takes this part;
    /// the matchers of typed text (the unit-aware parse, Find) let it match nothing at all.
    static constexpr unsigned char Unmappable = 0x00;

    /// Every byte has its own code point: the five bytes the code page leaves undefined (81, 8D,
    /// 8F, 90, 9D hex) are the C1 controls of the same value, and map back to themselves.
    static char32_t ToCodePoint(unsigned char byte);
    /// The byte for a code point, or Unmappable (also for U+0000).
    static unsigned char FromCodePoint(char32_t codePoint);
    static bool CanEncode(char32_t codePoint);

    static std::string ToUtf8(std::string_view cp1252);
    /// Invalid UTF-8 sequences and characters outside the code page become Unmappable.
    static std::string FromUtf8(std::string_view utf8);
    /// Typed text as the unit matchers compare it: like FromUtf8, after mapping the characters
    /// people type in symbols that Windows-1252 lacks. Greek mu becomes the micro sign; Greek
    /// capital omega and the ohm sign become "ohm"; the superscript minus becomes "^-" and the
    /// superscript digits after it plain digits ("m⁻¹" is "m^-1"); a run of superscript digits
    /// holding one of ⁰ ⁴..⁹ becomes "^" and the digits ("m⁴" is "m^4"), while ¹ ² ³ alone stay
    /// (Windows-1252 has them); the minus sign becomes '-', the division slash '/', the dot
    /// operator the middle dot.
    static std::string FromTypedUtf8(std::string_view utf8);
    /// Like FromUtf8 but reports failure instead of substituting.
    static bool TryFromUtf8(std::string_view utf8, std::string &out);
};

} // namespace mensurio
