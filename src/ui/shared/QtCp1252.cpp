// SPDX-License-Identifier: MIT
#include "ui/shared/QtCp1252.h"

#include "core/db/Cp1252.h"

#include <QList>

namespace mensurio {

QString QtCp1252::ToQString(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char byte : cp1252) {
        const char32_t codePoint = Cp1252::ToCodePoint(static_cast<unsigned char>(byte));
        text.append(QString::fromUcs4(&codePoint, 1));
    }
    return text;
}

std::string QtCp1252::FromQString(const QString &text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t codePoint : text.toUcs4())
        bytes.push_back(static_cast<char>(Cp1252::FromCodePoint(codePoint)));
    return bytes;
}

std::string QtCp1252::FromTypedQString(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    return Cp1252::FromTypedUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace mensurio
