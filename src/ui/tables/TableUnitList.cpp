// SPDX-License-Identifier: MIT
#include "ui/tables/TableUnitList.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace mensurio {

TableUnitList::TableUnitList(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::MultiSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        enforceMaximum();
        emit SelectionCountChanged();
    });
}

void TableUnitList::SetMaximum(int maximum) {
    m_maximum = maximum;
    clearSelection();
}

int TableUnitList::SelectedCount() const {
    return static_cast<int>(selectedItems().size());
}

QStringList TableUnitList::SelectedNames() const {
    QStringList names;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            names << item(row)->text();
    return names;
}

// Selections beyond the maximum: the item the user just toggled (the focused one) gives way, then
// the last selected ones, until the count is within the maximum again.
void TableUnitList::enforceMaximum() {
    if (m_enforcing || m_maximum <= 0 || SelectedCount() <= m_maximum)
        return;
    m_enforcing = true;
    QListWidgetItem *focused = currentItem();
    if (focused && focused->isSelected())
        focused->setSelected(false);
    while (SelectedCount() > m_maximum) {
        QListWidgetItem *last = nullptr;
        for (int row = count() - 1; row >= 0 && !last; --row)
            last = item(row)->isSelected() ? item(row) : nullptr;
        last->setSelected(false);
    }
    m_enforcing = false;
}

void TableUnitList::MoveItem(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    const bool selected = item(from)->isSelected();
    const QSignalBlocker blocker(this);
    QListWidgetItem *moving = takeItem(from);
    insertItem(to, moving);
    moving->setSelected(selected);
    setCurrentItem(moving, QItemSelectionModel::NoUpdate);
}

// The press only remembers the row: the release toggles it, or, after a drag, moves it.
void TableUnitList::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    m_pressRow = row(itemAt(event->position().toPoint()));
    m_pressAt = event->position().toPoint();
    m_dragging = false;
    setFocus(Qt::MouseFocusReason);
}

void TableUnitList::mouseMoveEvent(QMouseEvent *event) {
    if (m_pressRow < 0 || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressAt).manhattanLength() >= QApplication::startDragDistance())
        m_dragging = true;
    if (m_dragging)
        setCursor(Qt::SizeVerCursor);
}

void TableUnitList::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || m_pressRow < 0) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    const int pressRow = m_pressRow;
    m_pressRow = -1;
    unsetCursor();
    const int releaseRow = row(itemAt(event->position().toPoint()));
    if (m_dragging) {
        MoveItem(pressRow, releaseRow < 0 ? count() - 1 : releaseRow);
        return;
    }
    if (pressRow != releaseRow)
        return;
    QListWidgetItem *clicked = item(pressRow);
    setCurrentItem(clicked, QItemSelectionModel::NoUpdate);
    clicked->setSelected(!clicked->isSelected());
}

} // namespace mensurio

namespace mensurio {

// Ctrl+Up and Ctrl+Down move the focused item, the keyboard's way of dragging it.
void TableUnitList::keyPressEvent(QKeyEvent *event) {
    // Selecting every item is refused, as a click beyond the maximum is, when they are too many.
    if (event->matches(QKeySequence::SelectAll) && m_maximum > 0 && count() > m_maximum) {
        QApplication::beep();
        return;
    }
    const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
    if (step != 0 && event->modifiers() == Qt::ControlModifier && currentRow() >= 0) {
        MoveItem(currentRow(), currentRow() + step);
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace mensurio
