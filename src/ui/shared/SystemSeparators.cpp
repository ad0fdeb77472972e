// SPDX-License-Identifier: MIT
#include "ui/shared/SystemSeparators.h"

#include <QLocale>

namespace mensurio {

NumberSeparators SystemSeparators() {
    const QLocale locale = QLocale::system();
    return MapLocaleSeparators(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());
}

} // namespace mensurio
