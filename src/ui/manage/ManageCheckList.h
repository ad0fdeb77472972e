// SPDX-License-Identifier: MIT
#pragma once

#include "core/manage/CheckItem.h"

#include <QListWidget>

class QMimeData;

namespace mensurio {

/// A check list of the manage dialog: a check box and a name per row. A click on the check
/// box or the space bar toggles the focused row. While moving is allowed, a row is dragged to
/// a new place (or moved with Ctrl+Up and Ctrl+Down) and the rows between shift by one, the
/// check marks travelling with their names.
class ManageCheckList : public QListWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ManageCheckList)

  public:
    explicit ManageCheckList(QWidget *parent = nullptr);

    CheckItems Items() const;
    /// Replaces the rows; the focused row becomes the one named `focus`, else the first.
    void SetItems(const CheckItems &items, const std::string &focus = {});
    std::string FocusedName() const;
    void FocusName(const std::string &name);

    void SetMovable(bool movable);
    bool Movable() const { return m_movable; }
    /// Moves row `from` to row `to`; the rows between shift by one. False when not allowed.
    bool MoveRow(int from, int to);

    /// What a drag of `row` carries (the caller owns it); a drop of it on this list moves the row.
    QMimeData *DragData(int row) const;
    /// A drop of `data` at `position` of the viewport: moves the dragged row there. False when
    /// moving is not allowed or the data is not a row of this list.
    bool DropAt(const QMimeData *data, const QPoint &position);

  signals:
    /// Enter or Return on the list.
    void enterPressed();

  protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    int draggedRow(const QMimeData *data) const;
    int dropRow(const QPoint &position) const;

    bool m_movable = true;
};

} // namespace mensurio
