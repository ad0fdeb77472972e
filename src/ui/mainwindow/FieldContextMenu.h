// SPDX-License-Identifier: MIT
#pragma once

class QLineEdit;
class QMenu;

namespace mensurio {

/// The input and result fields' context menu: Qt's standard one, except that "Select All" does
/// not claim Ctrl+A, which in this window adds the conversion to the record.
class FieldContextMenu {
  public:
    /// Shows the menu on the field's context-menu request from now on.
    static void Install(QLineEdit *field);
    /// The menu for `field`, owned by the caller.
    static QMenu *Create(QLineEdit *field);
};

} // namespace mensurio
