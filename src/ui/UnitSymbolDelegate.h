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
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    /// Paints only the symbol, for delegates that paint the rest themselves.
    static void PaintSymbol(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                            int nameRight);
};

} // namespace mensurio
