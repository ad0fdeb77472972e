// SPDX-License-Identifier: MIT
#include "ui/LocaleCollation.h"

#include "ui/QtCp1252.h"

#include <QLocale>

#include <memory>
#include <unordered_map>

namespace mensurio {

LocaleCollation::LocaleCollation() : m_collator(QLocale::system()) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

bool LocaleCollation::Less(const std::string &a, const std::string &b) const {
    return m_collator.compare(QtCp1252::ToQString(a), QtCp1252::ToQString(b)) < 0;
}

NameOrder LocaleCollation::Order(const std::vector<std::string> &known) const {
    auto keys = std::make_shared<std::unordered_map<std::string, QCollatorSortKey>>();
    keys->reserve(known.size());
    for (const std::string &name : known)
        if (keys->find(name) == keys->end())
            keys->emplace(name, m_collator.sortKey(QtCp1252::ToQString(name)));
    return [this, keys](const std::string &a, const std::string &b) {
        const auto x = keys->find(a);
        const auto y = keys->find(b);
        if (x != keys->end() && y != keys->end())
            return x->second.compare(y->second) < 0;
        return Less(a, b);
    };
}

} // namespace mensurio
