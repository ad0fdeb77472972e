// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <vector>

class QAction;
class QFont;
class QMenu;
class QToolButton;
class QWidget;
class QWidgetAction;

namespace mensurio {

/// The category items of categoryPopup: one checkable item per shown category, the check mark that
/// follows the current category, and the three-column grid of a long list.
class CategoryMenu {
  public:
    /// `chosen` runs with the item's index when the user picks an item.
    CategoryMenu(QMenu &menu, std::function<void(int)> chosen);

    void Clear();
    void AddItem(const QString &name);
    int Count() const { return static_cast<int>(m_items.size()); }
    QAction *Item(int index) const;

    /// Moves the check mark to `index`, leaving no other item checked; -1 checks nothing.
    void MoveCheck(int index);
    int LastChecked() const { return m_lastChecked; }

    /// The first items of the second and third column for n items: none below 10 items,
    /// else a and 2a with a = n div 3, plus 1 when n mod 3 is not 0.
    static std::vector<int> ColumnStarts(int itemCount);
    /// Shows the items in one column, or in three columns that start where ColumnStarts says.
    void SplitColumns();
    /// Width in pixels of the widest item caption in `font`.
    int WidestCaption(const QFont &font) const;

    /// An item caption shows '&' literally.
    static QString Caption(const QString &name);

  private:
    void showAsGrid(const std::vector<int> &starts);
    void focusCheckedOnShow(QWidget *panel, const std::vector<QToolButton *> &buttons);

    QMenu &m_menu;
    std::function<void(int)> m_chosen;
    std::vector<QAction *> m_items;
    QWidgetAction *m_grid = nullptr;
    int m_lastChecked = 0;
};

} // namespace mensurio
