// SPDX-License-Identifier: MIT
#include "ui/manage/ManageCheckList.h"

#include "ui/shared/QtCp1252.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalBlocker>

#include <algorithm>

namespace mensurio {

namespace {

// A row dragged within one check list: the list's identity and the row, so that a drop from
// anywhere else is refused.
const QString kRowMimeType = QStringLiteral("application/x-mensurio-check-row");

QByteArray RowPayload(const ManageCheckList *list, int row) {
    return QByteArray::number(reinterpret_cast<quintptr>(list)) + ' ' + QByteArray::number(row);
}

} // namespace

ManageCheckList::ManageCheckList(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setDropIndicatorShown(true);
    SetMovable(true);
}

CheckItems ManageCheckList::Items() const {
    CheckItems items;
    items.reserve(static_cast<std::size_t>(count()));
    for (int row = 0; row < count(); ++row)
        items.push_back({QtCp1252::FromQString(item(row)->text()), item(row)->checkState() == Qt::Checked});
    return items;
}

void ManageCheckList::SetItems(const CheckItems &items, const std::string &focus) {
    const QSignalBlocker blocked(this);
    clear();
    for (const CheckItem &entry : items) {
        auto *row = new QListWidgetItem(QtCp1252::ToQString(entry.name), this);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                      Qt::ItemIsDragEnabled);
        row->setCheckState(entry.ticked ? Qt::Checked : Qt::Unchecked);
    }
    FocusName(focus);
}

std::string ManageCheckList::FocusedName() const {
    const QListWidgetItem *focused = currentItem();
    return focused != nullptr ? QtCp1252::FromQString(focused->text()) : std::string();
}

void ManageCheckList::FocusName(const std::string &name) {
    if (count() == 0)
        return;
    const QList<QListWidgetItem *> found =
        findItems(QtCp1252::ToQString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentItem(found.isEmpty() || name.empty() ? item(0) : found.first());
    scrollToItem(currentItem());
}

void ManageCheckList::SetMovable(bool movable) {
    m_movable = movable;
    setDragEnabled(movable);
    setAcceptDrops(movable);
    setDragDropMode(movable ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
}

bool ManageCheckList::MoveRow(int from, int to) {
    if (!m_movable || from < 0 || from >= count() || to < 0 || to >= count())
        return false;
    if (from == to)
        return true;
    QListWidgetItem *moved = takeItem(from);
    insertItem(to, moved);
    setCurrentItem(moved);
    return true;
}

QMimeData *ManageCheckList::DragData(int row) const {
    auto *data = new QMimeData;
    data->setData(kRowMimeType, RowPayload(this, row));
    return data;
}

QStringList ManageCheckList::mimeTypes() const {
    return {kRowMimeType};
}

QMimeData *ManageCheckList::mimeData(const QList<QListWidgetItem *> &items) const {
    return DragData(items.isEmpty() ? -1 : row(items.first()));
}

int ManageCheckList::draggedRow(const QMimeData *data) const {
    if (!m_movable || data == nullptr || !data->hasFormat(kRowMimeType))
        return -1;
    const QList<QByteArray> parts = data->data(kRowMimeType).split(' ');
    if (parts.size() != 2 || parts[0] != QByteArray::number(reinterpret_cast<quintptr>(this)))
        return -1;
    bool ok = false;
    const int row = parts[1].toInt(&ok);
    return ok && row >= 0 && row < count() ? row : -1;
}

// The row the dragged one takes when dropped at `position`: the row under the pointer, or
// the last row below the end of the list.
int ManageCheckList::dropRow(const QPoint &position) const {
    const QModelIndex under = indexAt(position);
    return under.isValid() ? under.row() : count() - 1;
}

void ManageCheckList::dragEnterEvent(QDragEnterEvent *event) {
    if (draggedRow(event->mimeData()) < 0) {
        event->ignore();
        return;
    }
    QListWidget::dragEnterEvent(event); // the view's dragging state and drop indicator
    event->acceptProposedAction();
}

void ManageCheckList::dragMoveEvent(QDragMoveEvent *event) {
    QListWidget::dragMoveEvent(event);
    if (draggedRow(event->mimeData()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

bool ManageCheckList::DropAt(const QMimeData *data, const QPoint &position) {
    const int from = draggedRow(data);
    return from >= 0 && MoveRow(from, dropRow(position));
}

// The move is done here, not by the item model: the row keeps its item and so its check mark,
// and nothing is copied from or removed by the drag's source.
void ManageCheckList::dropEvent(QDropEvent *event) {
    if (!DropAt(event->mimeData(), event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction); // nothing for the drag's source to remove
    event->accept();
    stopAutoScroll();
    setState(QAbstractItemView::NoState);
    viewport()->update();
}

void ManageCheckList::keyPressEvent(QKeyEvent *event) {
    const int row = currentRow();
    if (event->modifiers() == Qt::ControlModifier &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        if (m_movable && row >= 0)
            MoveRow(row, event->key() == Qt::Key_Up ? std::max(0, row - 1) : std::min(count() - 1, row + 1));
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        emit enterPressed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && currentItem() != nullptr) {
        QListWidgetItem *focused = currentItem();
        focused->setCheckState(focused->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace mensurio
