// SPDX-License-Identifier: MIT
#include "core/platform/DesktopEntry.h"

#include <cstdint>

namespace mensurio {

namespace {

constexpr std::string_view kGroup = "[Desktop Entry]";
// Characters that force an argument into quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
// Characters escaped with a backslash inside quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Length of the UTF-8 sequence starting with `lead`, 0 when it cannot start one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool ValidSequence(std::string_view text, std::size_t at, int length) {
    if (at + static_cast<std::size_t>(length) > text.size())
        return false;
    uint32_t code = static_cast<unsigned char>(text[at]) & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((byte & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (byte & 0x3F);
    }
    const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= smallest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

// Splits the unescaped command line into words; false on an unterminated quote or an escape
// of a character that may not be escaped.
bool SplitWords(std::string_view line, std::vector<std::string> &words) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\n') {
            ++i;
            continue;
        }
        std::string word;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\n') {
            if (line[i] != '"') {
                word += line[i++];
                continue;
            }
            for (++i;; ++i) {
                if (i >= line.size())
                    return false;
                if (line[i] == '"')
                    break;
                if (line[i] == '\\') {
                    if (i + 1 >= line.size() || kEscapedInQuotes.find(line[i + 1]) == std::string_view::npos)
                        return false;
                    ++i;
                }
                word += line[i];
            }
            ++i; // the closing quote
        }
        words.push_back(std::move(word));
    }
    return true;
}

// %% stands for %, %f and the other field codes for what the launcher fills in: nothing here.
std::optional<std::string> ExpandFieldCodes(const std::string &word) {
    std::string result;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] != '%') {
            result += word[i];
            continue;
        }
        if (i + 1 >= word.size())
            return std::nullopt;
        if (word[++i] == '%')
            result += '%';
    }
    return result;
}

} // namespace

std::string DesktopEntry::EscapeString(std::string_view value) {
    // Readers trim blanks around a value, so spaces at its ends are written as "\s".
    const std::size_t first = value.find_first_not_of(' ');
    const std::size_t last = value.find_last_not_of(' ');
    std::string result;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == ' ' && (first == std::string_view::npos || i < first || i > last)) {
            result += "\\s";
            continue;
        }
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\r':
            result += "\\r";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::optional<std::string> DesktopEntry::UnescapeString(std::string_view value) {
    std::string result;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            result += value[i];
            continue;
        }
        if (++i >= value.size())
            return std::nullopt;
        switch (value[i]) {
        case '\\':
            result += '\\';
            break;
        case 'n':
            result += '\n';
            break;
        case 't':
            result += '\t';
            break;
        case 'r':
            result += '\r';
            break;
        case 's':
            result += ' ';
            break;
        default: // another escape is kept for the next layer (the Exec quoting) to judge
            result += '\\';
            result += value[i];
        }
    }
    return result;
}

std::string DesktopEntry::QuoteArgument(std::string_view argument) {
    const bool quoted = argument.empty() || argument.find_first_of(kReserved) != std::string_view::npos;
    std::string result = quoted ? "\"" : "";
    for (const char c : argument) {
        if (quoted && kEscapedInQuotes.find(c) != std::string_view::npos)
            result += '\\';
        result += c;
        if (c == '%')
            result += '%';
    }
    if (quoted)
        result += '"';
    return result;
}

std::string DesktopEntry::ExecValue(const std::vector<std::string> &command) {
    std::string line;
    for (const std::string &argument : command) {
        if (!line.empty())
            line += ' ';
        line += QuoteArgument(argument);
    }
    return EscapeString(line);
}

std::optional<std::vector<std::string>> DesktopEntry::SplitExecValue(std::string_view value) {
    const std::optional<std::string> line = UnescapeString(value);
    std::vector<std::string> words;
    if (!line || !SplitWords(*line, words))
        return std::nullopt;
    std::vector<std::string> command;
    for (const std::string &word : words) {
        const bool fieldCode = word.size() == 2 && word[0] == '%' && word[1] != '%';
        const std::optional<std::string> expanded = ExpandFieldCodes(word);
        if (!expanded)
            return std::nullopt;
        if (!fieldCode)
            command.push_back(*expanded);
    }
    if (command.empty() || command.front().empty())
        return std::nullopt;
    return command;
}

std::optional<std::map<std::string, std::string>> DesktopEntry::ReadGroup(std::string_view text) {
    std::map<std::string, std::string> keys;
    bool inGroup = false;
    bool found = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inGroup = line == kGroup;
            if (inGroup && found)
                return std::nullopt; // the group twice
            found = found || inGroup;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            return std::nullopt;
        if (!inGroup)
            continue;
        const std::string key(Trim(line.substr(0, equals)));
        if (!keys.emplace(key, std::string(Trim(line.substr(equals + 1)))).second)
            return std::nullopt;
    }
    if (!found)
        return std::nullopt;
    return keys;
}

bool DesktopEntry::IsWritableText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F)
            return false;
        const int length = SequenceLength(byte);
        if (length == 0 || !ValidSequence(text, i, length))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

} // namespace mensurio
