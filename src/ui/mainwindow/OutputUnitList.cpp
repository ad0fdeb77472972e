// SPDX-License-Identifier: MIT
#include "ui/mainwindow/OutputUnitList.h"

#include "ui/mainwindow/UnitSymbolDelegate.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace mensurio {

namespace {

// Paints the rows of an OutputUnitList in the TwoColumns mode: name, separator line, value. In the
// Standard mode the style paints the row as in any list.
class TwoColumnDelegate : public QStyledItemDelegate {
  public:
    explicit TwoColumnDelegate(OutputUnitList *list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        if (m_list->mode() != OutputUnitList::Mode::TwoColumns) {
            QStyledItemDelegate::paint(painter, option, index);
            const int nameRight =
                option.rect.left() + 4 +
                QFontMetrics(option.font).horizontalAdvance(index.data(Qt::DisplayRole).toString());
            UnitSymbolDelegate::PaintSymbol(painter, option, index, nameRight);
            UnitSymbolDelegate::PaintFocus(painter, option);
            return;
        }
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette::ColorGroup group =
            option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        const QColor background =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        const QColor text =
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        const QRect row = option.rect;
        const int width = m_list->columnWidth();

        painter->save();
        painter->setFont(option.font);
        painter->fillRect(row, background);
        painter->setPen(text);
        drawText(painter, row, OutputUnitList::NameX, index.data(Qt::DisplayRole).toString());

        // The value column is cleared again so that a long name never runs into it.
        const int clearX = row.left() + OutputUnitList::ValueClearX(width);
        painter->fillRect(QRect(clearX, row.top(), row.right() - clearX + 1, row.height()), background);
        const int lineX = row.left() + OutputUnitList::SeparatorX(width);
        painter->setPen(OutputUnitList::LineColor());
        painter->drawLine(lineX, row.top(), lineX, row.bottom());
        painter->setPen(text);
        drawText(painter, row, OutputUnitList::ValueX(width), m_list->valueAt(index.row()));

        if (option.state.testFlag(QStyle::State_HasFocus)) {
            painter->setPen(QPen(text, 1, Qt::DotLine));
            painter->drawRect(row.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

  private:
    static void drawText(QPainter *painter, const QRect &row, int x, const QString &text) {
        if (text.isEmpty())
            return;
        const QRect area(row.left() + x, row.top(), row.right() - (row.left() + x) + 1, row.height());
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

    OutputUnitList *m_list;
};

} // namespace

QColor OutputUnitList::LineColor() {
    return QColor(192, 192, 192);
}

OutputUnitList::OutputUnitList(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setItemDelegate(new TwoColumnDelegate(this));
}

OutputUnitList::~OutputUnitList() = default;

void OutputUnitList::setMode(Mode mode) {
    if (mode == m_mode)
        return;
    m_mode = mode;
    viewport()->update();
}

void OutputUnitList::setValues(const QStringList &values) {
    m_values = values;
    scheduleValueRepaint();
}

void OutputUnitList::appendValue(const QString &value) {
    m_values.append(value);
    scheduleValueRepaint();
}

void OutputUnitList::clearValues() {
    m_values.clear();
    scheduleValueRepaint();
}

QString OutputUnitList::valueAt(int row) const {
    return row >= 0 && row < m_values.size() ? m_values.at(row) : QString();
}

int OutputUnitList::columnWidth() const {
    return viewport()->width();
}

QRect OutputUnitList::valueColumnRect() const {
    const int x = ValueClearX(columnWidth());
    return QRect(x, 0, viewport()->width() - x, viewport()->height());
}

void OutputUnitList::scheduleValueRepaint() {
    if (m_mode == Mode::TwoColumns)
        viewport()->update(valueColumnRect());
}

void OutputUnitList::QuickRepaint() {
    if (m_mode == Mode::TwoColumns && isVisible())
        viewport()->repaint(valueColumnRect());
}

} // namespace mensurio
