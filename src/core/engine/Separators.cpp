// SPDX-License-Identifier: MIT
#include "core/engine/Separators.h"

#include <array>
#include <clocale>
#include <cstdint>
#include <optional>
#include <string>

namespace mensurio {

namespace {

constexpr char kNoBreakSpace = static_cast<char>(160);

// Unicode code points of the Windows-1252 bytes 0x80..0x9F (0 where the byte is undefined).
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Decodes the first code point of a UTF-8 text. A byte that does not start a valid sequence
// is taken as Latin-1, so a locale in a single-byte Latin encoding still maps sensibly.
std::optional<char32_t> FirstCodePoint(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return lead;
    }
    if (text.size() < static_cast<size_t>(length)) {
        return lead;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return lead;
        }
        code = (code << 6) | (next & 0x3F);
    }
    return code;
}

bool IsSpaceLike(char32_t code) {
    return (code >= 0x2000 && code <= 0x200A) || code == 0x202F || code == 0x205F || code == 0x3000;
}

// The Windows-1252 byte of a separator, or nothing when it has none.
std::optional<char> ToCp1252Separator(std::string_view utf8) {
    const auto code = FirstCodePoint(utf8);
    if (!code) {
        return std::nullopt;
    }
    if (*code < 0x80 || (*code >= 0xA0 && *code <= 0xFF)) {
        return static_cast<char>(*code);
    }
    for (size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == *code) {
            return static_cast<char>(0x80 + i);
        }
    }
    if (IsSpaceLike(*code)) {
        return kNoBreakSpace;
    }
    return std::nullopt;
}

// Control characters and digits cannot separate anything in a shown number.
bool IsUsable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && !(c >= '0' && c <= '9');
}

} // namespace

NumberSeparators MapLocaleSeparators(std::string_view decimalUtf8, std::string_view thousandsUtf8) {
    NumberSeparators result;
    const auto decimal = ToCp1252Separator(decimalUtf8);
    result.decimal = decimal && IsUsable(*decimal) ? *decimal : '.';
    const auto thousands = ToCp1252Separator(thousandsUtf8);
    if (thousands && IsUsable(*thousands) && *thousands != result.decimal) {
        result.thousands = *thousands;
    } else {
        result.thousands = result.decimal == ',' ? '.' : ',';
    }
    return result;
}

// Only the numeric category is taken from the environment: the separators are all that is
// read, and loading every category of the user's locale would cost a command-line call more.
NumberSeparators ReadLocaleSeparators() {
    const char *current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string previous = current != nullptr ? current : "C";
    NumberSeparators result;
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const std::lconv *conventions = std::localeconv();
        const std::string decimal = conventions->decimal_point != nullptr ? conventions->decimal_point : "";
        const std::string thousands = conventions->thousands_sep != nullptr ? conventions->thousands_sep : "";
        result = MapLocaleSeparators(decimal, thousands);
    } else {
        result = MapLocaleSeparators(".", "");
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
    return result;
}

} // namespace mensurio
