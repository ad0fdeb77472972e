// SPDX-License-Identifier: MIT
#include "ui/mainwindow/OutputUnitList.h"

#include "ui/mainwindow/UnitSymbolDelegate.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace mensurio {

namespace {

// Paints the rows of a TListBoxTwo in the ttwo mode: name, separator line, value. In the
// tstandard mode the style paints the row as in any list.
class TwoColumnDelegate : public QStyledItemDelegate {
public:
    explicit TwoColumnDelegate(TListBoxTwo* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (m_list->mode() != TListBoxTwo::Mode::ttwo) {
            QStyledItemDelegate::paint(painter, option, index);
            const int nameRight = option.rect.left() + 4 +
                                  QFontMetrics(option.font).horizontalAdvance(index.data(Qt::DisplayRole).toString());
            UnitSymbolDelegate::PaintSymbol(painter, option, index, nameRight);
            UnitSymbolDelegate::PaintFocus(painter, option);
            return;
        }
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette::ColorGroup group = option.state.testFlag(QStyle::State_Active) ? QPalette::Active
                                                                                       : QPalette::Inactive;
        const QColor background = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        const QColor text = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        const QRect row = option.rect;
        const int width = m_list->columnWidth();

        painter->save();
        painter->setFont(option.font);
        painter->fillRect(row, background);
        painter->setPen(text);
        drawText(painter, row, TListBoxTwo::NameX, index.data(Qt::DisplayRole).toString());

        // The value column is cleared again so that a long name never runs into it.
        const int clearX = row.left() + TListBoxTwo::ValueClearX(width);
        painter->fillRect(QRect(clearX, row.top(), row.right() - clearX + 1, row.height()), background);
        const int lineX = row.left() + TListBoxTwo::SeparatorX(width);
        painter->setPen(TListBoxTwo::LineColor());
        painter->drawLine(lineX, row.top(), lineX, row.bottom());
        painter->setPen(text);
        drawText(painter, row, TListBoxTwo::ValueX(width), m_list->valueAt(index.row()));

        if (option.state.testFlag(QStyle::State_HasFocus)) {
            painter->setPen(QPen(text, 1, Qt::DotLine));
            painter->drawRect(row.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

private:
    static void drawText(QPainter* painter, const QRect& row, int x, const QString& text)
    {
        if (text.isEmpty())
            return;
        const QRect area(row.left() + x, row.top(), row.right() - (row.left() + x) + 1, row.height());
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

    TListBoxTwo* m_list;
};

} // namespace

QColor TListBoxTwo::LineColor() { return QColor(192, 192, 192); }

TListBoxTwo::TListBoxTwo(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setItemDelegate(new TwoColumnDelegate(this));
}

TListBoxTwo::~TListBoxTwo() = default;

void TListBoxTwo::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    viewport()->update();
}

void TListBoxTwo::setValues(const QStringList& values)
{
    m_values = values;
    scheduleValueRepaint();
}

void TListBoxTwo::appendValue(const QString& value)
{
    m_values.append(value);
    scheduleValueRepaint();
}

void TListBoxTwo::clearValues()
{
    m_values.clear();
    scheduleValueRepaint();
}

QString TListBoxTwo::valueAt(int row) const
{
    return row >= 0 && row < m_values.size() ? m_values.at(row) : QString();
}

int TListBoxTwo::columnWidth() const { return viewport()->width(); }

QRect TListBoxTwo::valueColumnRect() const
{
    const int x = ValueClearX(columnWidth());
    return QRect(x, 0, viewport()->width() - x, viewport()->height());
}

void TListBoxTwo::scheduleValueRepaint()
{
    if (m_mode == Mode::ttwo)
        viewport()->update(valueColumnRect());
}

void TListBoxTwo::QuickRepaint()
{
    if (m_mode == Mode::ttwo && isVisible())
        viewport()->repaint(valueColumnRect());
}

} // namespace mensurio
