// SPDX-License-Identifier: MIT
#include "core/custom/CustomNames.h"

#include "core/custom/CustomTexts.h"
#include "core/db/Cp1252.h"
#include "core/db/UnitDatabase.h"

#include <algorithm>

namespace mensurio {

namespace {

// Control characters (C0, DEL, and the five code-page bytes that only stand for C1 controls) and
// the mark of a character the code page cannot hold are refused.
bool Storable(unsigned char byte) {
    const bool c1Control = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    return byte >= 0x20 && byte != 0x7F && !c1Control && byte != Cp1252::Unmappable;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

PreparedName PrepareCustomName(std::string_view typed, NameKind kind) {
    const auto first = std::find_if_not(typed.begin(), typed.end(), IsBlank);
    const auto last = std::find_if_not(typed.rbegin(), typed.rend(), IsBlank).base();
    PreparedName prepared;
    if (first < last)
        prepared.name =
            UnitDatabase::CutName(std::string_view(&*first, static_cast<std::size_t>(last - first)));
    while (!prepared.name.empty() && IsBlank(prepared.name.back())) // the cut may end on a space
        prepared.name.pop_back();
    if (prepared.name.empty())
        prepared.problem =
            kind == NameKind::Unit ? CustomTexts::BlankUnitName : CustomTexts::BlankCategoryName;
    else if (!std::all_of(prepared.name.begin(), prepared.name.end(),
                          [](char c) { return Storable(static_cast<unsigned char>(c)); }))
        prepared.problem = CustomTexts::UnstorableName;
    else if (kind == NameKind::Category && prepared.name == "Category")
        prepared.problem = CustomTexts::ReservedCategoryName;
    return prepared;
}

} // namespace mensurio
