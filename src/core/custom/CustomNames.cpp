// SPDX-License-Identifier: MIT
#include "core/custom/CustomNames.h"

#include "core/custom/CustomTexts.h"
#include "core/db/Cp1252.h"
#include "core/db/UnitDatabase.h"

#include <algorithm>

namespace mensurio {

namespace {

bool Storable(unsigned char byte) {
    return byte >= 0x20 && byte != 0x7F && byte != Cp1252::Unmappable;
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
