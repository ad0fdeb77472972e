// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/Separators.h"
#include "core/tables/TableChoices.h"

#include <functional>
#include <string>
#include <vector>

namespace mensurio {

/// Width in pixels of a text in the measuring font (Windows-1252 bytes).
using TextWidthFunction = std::function<int(const std::string &)>;

/// How table texts are measured: the width of a text and the height of one line.
struct TextMeasure {
    TextWidthFunction width;
    int lineHeight = 13;
};

/// The text of one table cell: scientific ("1.2345000E03") or general (fixed with at most
/// ten decimals between 1E-5 and 1E10, exponent form outside). Values that are not finite
/// (a unit with factor 0) give "n/a".
std::string FormatTableValue(long double value, TableResultFormat resultFormat,
                             const NumberSeparators &separators);

/// A column-header name with blanks inserted where the header field breaks its lines.
struct WrappedHeader {
    std::string text;                // the name with break points inserted
    int lines = 0;                   // the number of pieces
    std::vector<std::string> pieces; // the lines as the field shows them
};

/// Breaks a name to fit `width`: before a blank, "/", "\" or "(", after ")", or, when no such
/// place fits, by a hyphen after as many characters as fit.
WrappedHeader WrapHeaderText(const std::string &name, int width, const TextWidthFunction &measure);

} // namespace mensurio
