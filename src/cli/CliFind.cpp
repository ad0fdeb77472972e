// SPDX-License-Identifier: MIT
#include "cli/CliFind.h"

#include "cli/CliUsageError.h"
#include "cli/PrintableText.h"
#include "core/db/Cp1252.h"
#include "core/db/FindEntry.h"
#include "core/engine/BuiltinAliases.h"

#include <algorithm>
#include <cwchar>
#include <ostream>
#include <vector>

namespace mensurio {

namespace {

// Lower case of the capital letters Windows-1252 holds: A to Z, the Latin-1 capitals (without
// the multiplication sign) and S, Z, OE and Y with their marks.
char32_t LowerCase(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    switch (c) {
    case 0x160:
        return 0x161;
    case 0x152:
        return 0x153;
    case 0x17D:
        return 0x17E;
    case 0x178:
        return 0xFF;
    default:
        return c;
    }
}

std::wstring CollationText(const std::string &cp1252) {
    std::wstring text;
    text.reserve(cp1252.size());
    for (char c : cp1252)
        text.push_back(static_cast<wchar_t>(LowerCase(Cp1252::ToCodePoint(static_cast<unsigned char>(c)))));
    return text;
}

} // namespace

bool CliFind::CollatesBefore(const std::string &a, const std::string &b) {
    return std::wcscoll(CollationText(a).c_str(), CollationText(b).c_str()) < 0;
}

int CliFind::Print(const UnitDatabase &database, const std::string &textUtf8, bool anywhere,
                   std::ostream &out) {
    // Only the matching entries are put in order: a stable order of a part of the list is that
    // part of the stable order of the whole. Each text is made ready for comparing once.
    const std::string search = Cp1252::FromTypedUtf8(textUtf8);
    struct Match {
        bool exact;
        std::wstring collation;
        std::string display;
    };
    std::vector<Match> matches;
    std::vector<FindEntry> entries = BuildFindEntries(database);
    AddFindAliases(entries, BuiltinAliases());
    for (FindEntry &entry : entries) {
        if (const FindMatch match = MatchFindEntry(entry, search, anywhere); match != FindMatch::None)
            matches.push_back(
                {match == FindMatch::Exact, CollationText(entry.display), std::move(entry.display)});
    }
    // Exact names and symbols first, then the collation order.
    std::stable_sort(matches.begin(), matches.end(), [](const Match &a, const Match &b) {
        if (a.exact != b.exact)
            return a.exact;
        return std::wcscoll(a.collation.c_str(), b.collation.c_str()) < 0;
    });
    for (const Match &match : matches)
        out << PrintableText::FromCp1252(match.display) << "\n";
    return kExitResult;
}

} // namespace mensurio
