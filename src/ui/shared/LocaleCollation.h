// SPDX-License-Identifier: MIT
#pragma once

#include "core/manage/ManageLists.h"

#include <QCollator>

#include <string>
#include <vector>

namespace mensurio {

/// The user's locale order of names, ignoring letter case (QCollator on the system locale),
/// for Windows-1252 names: the order of the Find list and of "Alphabetical Order" of categories.
class LocaleCollation {
  public:
    LocaleCollation();

    bool Less(const std::string &a, const std::string &b) const;
    /// The same order as a NameOrder, valid while this object lives. Names of `known` are
    /// converted for the collator once, which makes sorting many of them cheaper.
    NameOrder Order(const std::vector<std::string> &known = {}) const;

  private:
    QCollator m_collator;
};

} // namespace mensurio
