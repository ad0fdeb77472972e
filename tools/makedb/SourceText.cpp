// SPDX-License-Identifier: MIT
#include "tools/makedb/SourceText.h"

namespace mensurio {

std::string_view TrimSourceText(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> SplitSourceFields(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        const std::size_t bar = line.find('|');
        fields.emplace_back(TrimSourceText(line.substr(0, bar)));
        if (bar == std::string_view::npos)
            return fields;
        line.remove_prefix(bar + 1);
    }
}

} // namespace mensurio
