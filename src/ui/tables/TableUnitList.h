// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

namespace mensurio {

/// The unit lists of the table dialog: a click or Space toggles an item, no more than the
/// maximum can be selected (the item just clicked or focused stays unselected), and an item
/// dragged with the mouse (or moved by Ctrl+Up and Ctrl+Down) goes up or down with its
/// selected state.
class TableUnitList : public QListWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableUnitList)
  public:
    explicit TableUnitList(QWidget *parent = nullptr);

    /// 0: no limit. Setting it clears every selection.
    void SetMaximum(int maximum);
    int Maximum() const { return m_maximum; }
    int SelectedCount() const;
    /// Names of the selected items in list order.
    QStringList SelectedNames() const;
    /// Moves the item at `from` to `to`, keeping its selected state.
    void MoveItem(int from, int to);

  signals:
    void SelectionCountChanged();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void enforceMaximum();

    int m_maximum = 0;
    int m_pressRow = -1;
    QPoint m_pressAt;
    bool m_dragging = false;
    bool m_enforcing = false;
};

} // namespace mensurio
