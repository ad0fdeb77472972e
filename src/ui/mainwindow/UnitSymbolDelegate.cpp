// SPDX-License-Identifier: MIT
#include "ui/mainwindow/UnitSymbolDelegate.h"

#include <QPainter>

namespace mensurio {

void UnitSymbolDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QFontMetrics metrics(option.font);
    const int nameRight =
        option.rect.left() + 4 + metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    PaintSymbol(painter, option, index, nameRight);
    PaintFocus(painter, option);
}

void UnitSymbolDelegate::PaintFocus(QPainter *painter, const QStyleOptionViewItem &option) {
    if (!option.state.testFlag(QStyle::State_HasFocus))
        return;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setPen(
        QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void UnitSymbolDelegate::PaintSymbol(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index, int nameRight) {
    const QString symbol = index.data(UnitSymbolRole).toString();
    if (symbol.isEmpty())
        return;
    const QFontMetrics metrics(option.font);
    const int width = metrics.horizontalAdvance(symbol);
    const int gap = metrics.horizontalAdvance(QStringLiteral("  "));
    const QRect area(option.rect.right() - 3 - width, option.rect.top(), width, option.rect.height());
    if (area.left() - gap < nameRight)
        return; // no room: the name comes first
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, symbol);
    painter->restore();
}

} // namespace mensurio
