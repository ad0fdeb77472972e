// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace mensurio {

/// The decimal and thousands separators that shown numbers use, as Windows-1252 bytes.
struct NumberSeparators {
    char decimal = '.';
    char thousands = ',';
};

/// Maps the locale's separators, given as UTF-8 texts, to the two Windows-1252 characters.
/// An empty or unmappable decimal separator becomes '.'. An empty thousands separator (or one
/// that cannot be mapped, or equals the decimal separator) becomes ',' or, when the decimal
/// separator is ',', '.'. A space-like separator that Windows-1252 cannot hold becomes the
/// no-break space (160).
NumberSeparators MapLocaleSeparators(std::string_view decimalUtf8, std::string_view thousandsUtf8);

/// Reads the separators of the user's locale through setlocale(LC_ALL, "") and localeconv(),
/// then restores the previous locale so that number parsing keeps running in the "C" locale.
NumberSeparators ReadLocaleSeparators();

} // namespace mensurio
