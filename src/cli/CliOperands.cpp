// SPDX-License-Identifier: MIT
#include "cli/CliOperands.h"

#include "cli/CliUsageError.h"
#include "core/engine/NumberParser.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace mensurio {

namespace {

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// Where the last separate "to" or "->" starts, and its length.
std::pair<std::size_t, std::size_t> TargetSeparator(const std::string &text) {
    std::pair<std::size_t, std::size_t> found{std::string::npos, 0};
    for (const std::string_view word : {" to ", " -> "}) {
        const std::size_t at = (" " + text + " ").rfind(word);
        if (at != std::string::npos && (found.first == std::string::npos || at > found.first))
            found = {at, word.size() - 2};
    }
    return found;
}

bool HasLetter(const std::string &text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
    });
}

bool IsNumber(std::string word) {
    std::replace(word.begin(), word.end(), ',', '.');
    return ParseNumber(word).ok;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

int RadixOf(char c) {
    switch (c) {
    case 'x':
    case 'X':
        return 16;
    case 'o':
    case 'O':
        return 8;
    case 'b':
    case 'B':
        return 2;
    default:
        return 0;
    }
}

bool IsWordCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

} // namespace

void ReadOperands(CliOptions &options, const std::function<bool(std::string_view)> &namesUnit) {
    std::vector<std::string> &operands = options.positional;
    // A number and a word stay EXPRESSION FROM-UNIT even when the word names no unit, so that
    // a mistyped unit is reported as a usage error.
    const bool fromUnitForm =
        operands.size() == 2 && (namesUnit(operands[1]) || (IsNumber(operands[0]) && HasLetter(operands[1])));
    if (operands.empty() || fromUnitForm)
        return;
    std::string text;
    for (const std::string &operand : operands)
        text += (text.empty() ? "" : " ") + operand;
    if (options.toUnits.empty()) {
        const auto [at, length] = TargetSeparator(text);
        if (at != std::string::npos) {
            const std::string target = Trimmed(text.substr(std::min(text.size(), at + length)));
            if (target.empty())
                throw CliUsageError("nothing to convert to after '" + text.substr(at, length) + "'");
            options.toUnits.push_back(target);
            text = Trimmed(text.substr(0, at));
        }
    }
    operands = {text};
}

std::string WithRadixLiteralsInDecimal(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const bool wordStart = i == 0 || !IsWordCharacter(text[i - 1]);
        const int radix = i + 2 < text.size() && text[i] == '0' ? RadixOf(text[i + 1]) : 0;
        std::size_t end = i + 2;
        long double value = 0;
        while (radix != 0 && end < text.size() && DigitValue(text[end]) < radix)
            value = value * radix + DigitValue(text[end++]);
        if (!wordStart || radix == 0 || end == i + 2 || (end < text.size() && IsWordCharacter(text[end]))) {
            out += text[i++];
            continue;
        }
        char digits[64];
        std::snprintf(digits, sizeof digits, "%.0Lf", value);
        out += digits;
        i = end;
    }
    return out;
}

} // namespace mensurio
