// SPDX-License-Identifier: MIT
#include "cli/PrintableText.h"

#include "core/db/Cp1252.h"

namespace mensurio {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string &out, unsigned char value) {
    out += kHexDigits[value >> 4];
    out += kHexDigits[value & 0x0F];
}

} // namespace

std::string PrintableText::Escaped(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            AppendHex(out, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) { // U+0080 to U+009F
            out += "\\u00";
            AppendHex(out, next);
            ++i;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

std::string PrintableText::FromCp1252(std::string_view cp1252) {
    return Escaped(Cp1252::ToUtf8(cp1252));
}

} // namespace mensurio
