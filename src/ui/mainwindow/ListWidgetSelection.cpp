// SPDX-License-Identifier: MIT
#include "ui/mainwindow/ListWidgetSelection.h"

#include <QItemSelection>
#include <QListWidget>
#include <QSignalBlocker>

namespace mensurio {

ListSelection ListWidgetSelection::Read(const QListWidget &list) {
    ListSelection selection;
    selection.selected.assign(static_cast<std::size_t>(list.count()), false);
    for (int row = 0; row < list.count(); ++row)
        selection.selected[static_cast<std::size_t>(row)] = list.item(row)->isSelected();
    selection.current = list.currentRow();
    return selection;
}

void ListWidgetSelection::Write(QListWidget &list, const ListSelection &selection) {
    const QSignalBlocker blocker(&list);
    QItemSelectionModel *model = list.selectionModel();
    if (selection.current >= 0 && selection.current < list.count())
        model->setCurrentIndex(list.model()->index(selection.current, 0), QItemSelectionModel::NoUpdate);
    QItemSelection wanted;
    for (int row = 0; row < list.count() && row < selection.RowCount(); ++row) {
        if (selection.IsSelected(row)) {
            const QModelIndex index = list.model()->index(row, 0);
            wanted.select(index, index);
        }
    }
    model->select(wanted, QItemSelectionModel::ClearAndSelect);
}

void ListWidgetSelection::SetSelected(QListWidget &list, int row, bool on) {
    if (row < 0 || row >= list.count())
        return;
    const QSignalBlocker blocker(&list);
    list.item(row)->setSelected(on);
}

void ListWidgetSelection::SetCurrentRow(QListWidget &list, int row) {
    if (row < 0 || row >= list.count())
        return;
    const QSignalBlocker blocker(&list);
    list.setCurrentRow(row);
}

int ListWidgetSelection::LowestSelected(const QListWidget &list) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->isSelected())
            return row;
    }
    return -1;
}

int ListWidgetSelection::SelectedCount(const QListWidget &list) {
    int count = 0;
    for (int row = 0; row < list.count(); ++row)
        count += list.item(row)->isSelected() ? 1 : 0;
    return count;
}

} // namespace mensurio
