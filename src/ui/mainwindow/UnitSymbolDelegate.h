// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace mensurio {

/// Paints a unit row as the style does and, where the row has room for it, the unit's symbol
/// (the item's UnitSymbolRole) right-aligned in the placeholder colour.
class UnitSymbolDelegate : public QStyledItemDelegate {
  public:
    static constexpr int UnitSymbolRole = Qt::UserRole + 41;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    /// Paints only the symbol, for delegates that paint the rest themselves.
    static void PaintSymbol(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                            int nameRight);
    /// Outlines the focused row with a dotted line in the row's text colour: styles that draw a
    /// focus frame only after a keyboard focus change would otherwise show the focused list's
    /// current row no differently from any selected row.
    static void PaintFocus(QPainter *painter, const QStyleOptionViewItem &option);
};

} // namespace mensurio
