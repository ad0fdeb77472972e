// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

// A unit the unit-aware parse looks for in the typed text.
struct KnownUnit {
    std::string name;          // Windows-1252, up to 50 characters
    long double factor = 0.0L; // base units per one of this unit
    bool inverse = false;      // an inverse unit of an Efficiency or Reciprocal category
};

// Shadow value that stands for a character of a found unit name. It lies outside the byte range,
// so no typed character can equal it.
inline constexpr int kUnitNameMarker = 256;
// Shadow value of a typed character that Windows-1252 cannot hold (Cp1252::Unmappable in the
// text); it matches no character of any unit name.
inline constexpr int kUnmappableMarker = 258;

// The text of a unit-aware expression together with its shadow: the same characters (as values
// 0..255) except that every character of a found unit name is kUnitNameMarker in the shadow.
// Every insertion and deletion is made at the same position in both.
struct ShadowText {
    std::string text;
    std::vector<int> shadow;
    std::vector<std::size_t> usedUnits; // indices into the known-unit list, in list order, each once
    std::vector<std::string> usedNames; // their names, in the same order
};

// Finds the known units in text, in list order (the caller lists longer names first): every
// occurrence, matched exactly and case-sensitively, is enclosed in '(' and ')' in both strings and
// masked in the shadow, so neither it nor a shorter name inside it is found again. Units with an
// empty name are skipped.
ShadowText MarkUnitNames(std::string_view text, std::span<const KnownUnit> knownUnits);

// Prepares marked text for tree building, deciding on the shadow so that unit names keep their
// characters: deletes spaces, turns commas into points, encloses a signed group in a sign position
// in parentheses of its own ("8/-(2)" gives "8/(-(2))"), writes "-(" and "+(" as "-1(" and "+1(",
// and inserts '*' between a digit or ')' and a following '(', and between ')' and a following
// digit or '(' (implicit multiplication: "5 foot 3 inch" gives "5*(foot)*3*(inch)").
void NormalizeUnitText(ShadowText &marked);

} // namespace mensurio
