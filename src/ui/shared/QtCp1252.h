// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace mensurio {

/// Moves Windows-1252 names and engine texts across the edge to Qt's Unicode strings.
class QtCp1252 {
  public:
    static QString ToQString(std::string_view cp1252);
    /// Characters the code page cannot hold become Cp1252::Unmappable, which typed text never matches.
    static std::string FromQString(const QString &text);
    /// Typed text: the symbol characters the code page lacks (Greek mu, ohm, superscript
    /// exponents) are mapped first, as Cp1252::FromTypedUtf8 does.
    static std::string FromTypedQString(const QString &text);
};

} // namespace mensurio
