// SPDX-License-Identifier: MIT
#include "ui/shared/LocaleCollation.h"

#include "ui/shared/QtCp1252.h"

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

// Qt's sort keys ignore the case setting in the C locale, so the cached form is the Unicode
// text, converted once per name, and each comparison goes through the collator.
NameOrder LocaleCollation::Order(const std::vector<std::string> &known) const {
    auto texts = std::make_shared<std::unordered_map<std::string, QString>>();
    texts->reserve(known.size());
    for (const std::string &name : known)
        texts->try_emplace(name, QtCp1252::ToQString(name));
    return [this, texts](const std::string &a, const std::string &b) {
        const auto x = texts->find(a);
        const auto y = texts->find(b);
        if (x != texts->end() && y != texts->end())
            return m_collator.compare(x->second, y->second) < 0;
        return Less(a, b);
    };
}

} // namespace mensurio
