// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <utility>

namespace mensurio {

/// Gives a new control its object name (the name tests find it by) and returns it.
template <typename T> T *Named(T *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

/// A dialog's push button that does not take Enter as the default button: Enter belongs to the
/// lists and fields of these dialogs.
inline QPushButton *DialogButton(const QString &caption, const char *name) {
    auto *button = Named(new QPushButton(caption), name);
    button->setAutoDefault(false);
    return button;
}

/// Gives controls the names a screen reader announces where their captions alone would be
/// ambiguous or missing.
inline void SetAccessibleNames(std::initializer_list<std::pair<QWidget *, const char *>> names) {
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(QString::fromUtf8(name));
}

} // namespace mensurio
