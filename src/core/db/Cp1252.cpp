// SPDX-License-Identifier: MIT
#include "core/db/Cp1252.h"

#include <algorithm>

#include <array>
#include <vector>

namespace mensurio {

namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8(std::string &out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns false on a malformed sequence (pos advances by one).
bool decodeUtf8(std::string_view s, std::size_t &pos, char32_t &cp) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        ++pos;
        return false;
    }
    if (extra > 0 && pos + static_cast<std::size_t>(extra) >= s.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return true;
}

} // namespace

char32_t Cp1252::ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        const char32_t cp = HighControls[byte - 0x80];
        return cp ? cp : byte; // undefined bytes map to the C1 control of the same value
    }
    return byte;
}

unsigned char Cp1252::FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        // A defined byte by its character; an undefined one by the C1 control it is shown as.
        const char32_t shownAs = HighControls[i] != 0 ? HighControls[i] : static_cast<char32_t>(0x80 + i);
        if (shownAs == cp)
            return static_cast<unsigned char>(0x80 + i);
    }
    return Unmappable;
}

bool Cp1252::CanEncode(char32_t cp) {
    return FromCodePoint(cp) != Unmappable;
}

std::string Cp1252::ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252)
        appendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Cp1252::FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        out += static_cast<char>(decodeUtf8(utf8, pos, cp) ? FromCodePoint(cp) : Unmappable);
    }
    return out;
}

namespace {

// The digit of a superscript digit character, or -1.
int superscriptDigit(char32_t cp) {
    switch (cp) {
    case 0x2070:
        return 0;
    case 0x00B9:
        return 1;
    case 0x00B2:
        return 2;
    case 0x00B3:
        return 3;
    default:
        return cp >= 0x2074 && cp <= 0x2079 ? static_cast<int>(cp - 0x2070) : -1;
    }
}

} // namespace

std::string Cp1252::FromTypedUtf8(std::string_view utf8) {
    // ASCII is the same in both, and is what nearly every typed line is.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(utf8);
    std::vector<char32_t> codePoints; // 0 stands for a malformed sequence
    codePoints.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        codePoints.push_back(decodeUtf8(utf8, pos, cp) ? cp : 0);
    }
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < codePoints.size(); ++i) {
        const char32_t cp = codePoints[i];
        if (superscriptDigit(cp) >= 0 || cp == 0x207B) {
            // A run of superscript digits, perhaps after a superscript minus.
            std::size_t end = cp == 0x207B ? i + 1 : i;
            bool outsideCodePage = cp == 0x207B;
            for (; end < codePoints.size() && superscriptDigit(codePoints[end]) >= 0; ++end)
                outsideCodePage = outsideCodePage || !CanEncode(codePoints[end]);
            if (!outsideCodePage) { // only ¹ ² ³: kept as they are
                for (; i < end; ++i)
                    out += static_cast<char>(FromCodePoint(codePoints[i]));
                --i;
                continue;
            }
            out += cp == 0x207B ? "^-" : "^";
            for (std::size_t k = cp == 0x207B ? i + 1 : i; k < end; ++k)
                out += static_cast<char>('0' + superscriptDigit(codePoints[k]));
            i = end - 1;
            continue;
        }
        switch (cp) {
        case 0x03BC: // Greek small mu
            out += static_cast<char>(0xB5);
            break;
        case 0x03A9: // Greek capital omega
        case 0x2126: // ohm sign
            out += "ohm";
            break;
        case 0x2212: // minus sign
            out += '-';
            break;
        case 0x2215: // division slash
            out += '/';
            break;
        case 0x22C5: // dot operator
            out += static_cast<char>(0xB7);
            break;
        default:
            out += static_cast<char>(cp == 0 ? Unmappable : FromCodePoint(cp));
        }
    }
    return out;
}

bool Cp1252::TryFromUtf8(std::string_view utf8, std::string &out) {
    out.clear();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        if (!decodeUtf8(utf8, pos, cp))
            return false;
        const unsigned char b = FromCodePoint(cp);
        if (b == Unmappable)
            return false;
        out += static_cast<char>(b);
    }
    return true;
}

} // namespace mensurio
