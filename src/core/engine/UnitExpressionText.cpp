// SPDX-License-Identifier: MIT
#include "core/engine/UnitExpressionText.h"

#include <algorithm>

namespace mensurio {

namespace {

int shadowValue(char c) {
    return static_cast<unsigned char>(c);
}

bool matchesAt(const std::vector<int> &shadow, std::size_t pos, std::string_view name) {
    if (pos + name.size() > shadow.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (shadow[pos + i] != shadowValue(name[i]))
            return false;
    }
    return true;
}

// Encloses and masks every occurrence of one name, scanning left to right; returns whether the
// name was found at all. Found occurrences never overlap, as masked characters match nothing.
bool markOneName(ShadowText &marked, std::string_view name) {
    if (name.empty())
        return false;
    std::size_t pos = 0;
    while (pos < marked.shadow.size() && !matchesAt(marked.shadow, pos, name))
        ++pos;
    if (pos == marked.shadow.size())
        return false;
    ShadowText out;
    out.text.reserve(marked.text.size() + 16);
    out.shadow.reserve(marked.shadow.size() + 16);
    out.text.assign(marked.text, 0, pos);
    out.shadow.assign(marked.shadow.begin(), marked.shadow.begin() + static_cast<std::ptrdiff_t>(pos));
    while (pos < marked.shadow.size()) {
        if (!matchesAt(marked.shadow, pos, name)) {
            out.text += marked.text[pos];
            out.shadow.push_back(marked.shadow[pos]);
            ++pos;
            continue;
        }
        out.text += '(';
        out.text.append(marked.text, pos, name.size());
        out.text += ')';
        out.shadow.push_back('(');
        out.shadow.insert(out.shadow.end(), name.size(), kUnitNameMarker);
        out.shadow.push_back(')');
        pos += name.size();
    }
    marked.text = std::move(out.text);
    marked.shadow = std::move(out.shadow);
    return true;
}

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

// A '+' or '-' at shadow position i is a sign (not an operator) when it starts the text or follows
// an opening parenthesis, an operator or another sign.
bool isSignPosition(const std::vector<int> &shadow, std::size_t i) {
    if (i == 0)
        return true;
    switch (shadow[i - 1]) {
    case '(':
    case '*':
    case '/':
    case '^':
    case '+':
    case '-':
        return true;
    default:
        return false;
    }
}

// Whether the signed group from sign to close already fills the text or a pair of parentheses.
bool alreadyEnclosed(const std::vector<int> &shadow, std::size_t sign, std::size_t close) {
    const bool openedBefore = sign == 0 || shadow[sign - 1] == '(';
    const bool closedAfter = close + 1 == shadow.size() || shadow[close + 1] == ')';
    return openedBefore && closedAfter;
}

// Encloses every signed parenthesised group, "-(x)" or "+(x)" in a sign position, in a pair of
// its own: "8/-(2)" becomes "8/(-(2))", so that the later "-1(" rewrite gives "8/(-1*(2))" and
// the sign binds to its group, as a sign binds to the number it precedes, instead of "8/-1*(2)".
// A group without its closing parenthesis is left alone.
void encloseSignedGroups(ShadowText &marked) {
    const std::size_t size = marked.shadow.size();
    std::vector<std::size_t> openers;
    std::vector<std::size_t> closesAfter(size, 0);
    std::vector<bool> opensBefore(size, false);
    for (std::size_t i = 0; i < size; ++i) {
        if (marked.shadow[i] == '(') {
            openers.push_back(i);
        } else if (marked.shadow[i] == ')' && !openers.empty()) {
            const std::size_t open = openers.back();
            openers.pop_back();
            if (open == 0)
                continue;
            const std::size_t sign = open - 1;
            if ((marked.shadow[sign] == '-' || marked.shadow[sign] == '+') &&
                isSignPosition(marked.shadow, sign) && !alreadyEnclosed(marked.shadow, sign, i)) {
                opensBefore[sign] = true;
                ++closesAfter[i];
            }
        }
    }
    ShadowText out;
    out.text.reserve(size * 2);
    out.shadow.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        if (opensBefore[i]) {
            out.text += '(';
            out.shadow.push_back('(');
        }
        out.text += marked.text[i];
        out.shadow.push_back(marked.shadow[i]);
        out.text.append(closesAfter[i], ')');
        out.shadow.insert(out.shadow.end(), closesAfter[i], ')');
    }
    marked.text = std::move(out.text);
    marked.shadow = std::move(out.shadow);
}

// Removes every position whose shadow is a space; turns every shadow comma into a point.
void dropSpacesAndCommas(ShadowText &marked) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < marked.shadow.size(); ++i) {
        int s = marked.shadow[i];
        if (s == ' ')
            continue;
        char c = marked.text[i];
        if (s == ',')
            s = c = '.';
        marked.shadow[kept] = s;
        marked.text[kept] = c;
        ++kept;
    }
    marked.shadow.resize(kept);
    marked.text.resize(kept);
}

// Whether a character goes between shadow positions i - 1 and i, and which.
char insertionBefore(const std::vector<int> &shadow, std::size_t i) {
    const int previous = shadow[i - 1];
    const int current = shadow[i];
    if ((previous == '-' || previous == '+') && current == '(')
        return '1';
    return '\0';
}

char multiplicationBefore(const std::vector<int> &shadow, std::size_t i) {
    const int previous = shadow[i - 1];
    const int current = shadow[i];
    if (current == '(' && (isDigit(previous) || previous == ')'))
        return '*';
    // A ')' in the first position is never followed by an inserted '*'.
    if (previous == ')' && i >= 2 && (isDigit(current) || current == '('))
        return '*';
    return '\0';
}

// Inserts at every position where rule() asks for a character, in one pass over both strings.
template <typename Rule> void insertWhere(ShadowText &marked, Rule rule) {
    ShadowText out;
    out.text.reserve(marked.text.size() * 2);
    out.shadow.reserve(marked.shadow.size() * 2);
    for (std::size_t i = 0; i < marked.shadow.size(); ++i) {
        const char inserted = i > 0 ? rule(marked.shadow, i) : '\0';
        if (inserted != '\0') {
            out.text += inserted;
            out.shadow.push_back(inserted);
        }
        out.text += marked.text[i];
        out.shadow.push_back(marked.shadow[i]);
    }
    marked.text = std::move(out.text);
    marked.shadow = std::move(out.shadow);
}

} // namespace

ShadowText MarkUnitNames(std::string_view text, std::span<const KnownUnit> knownUnits) {
    ShadowText marked;
    marked.text = std::string(text);
    marked.shadow.assign(text.size(), 0);
    std::transform(text.begin(), text.end(), marked.shadow.begin(),
                   [](char c) { return c == '\0' ? kUnmappableMarker : shadowValue(c); });
    for (std::size_t index = 0; index < knownUnits.size(); ++index) {
        if (markOneName(marked, knownUnits[index].name)) {
            marked.usedUnits.push_back(index);
            marked.usedNames.push_back(knownUnits[index].name);
        }
    }
    return marked;
}

void NormalizeUnitText(ShadowText &marked) {
    dropSpacesAndCommas(marked);
    encloseSignedGroups(marked);
    // "-(" and "+(" become "-1(" and "+1("; one pass suffices, as an inserted '1' never forms
    // a new pair.
    insertWhere(marked, insertionBefore);
    insertWhere(marked, multiplicationBefore);
}

} // namespace mensurio
