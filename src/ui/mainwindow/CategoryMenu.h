// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaObject>
#include <QString>
#include <QStringList>

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
/// follows the current category, and the three-column grid of a long list. The items are made
/// when the menu is about to open, not when they are added, so that a database of many
/// categories costs the window's start nothing for a menu that may never be opened.
class CategoryMenu {
  public:
    /// `chosen` runs with the item's index when the user picks an item.
    CategoryMenu(QMenu &menu, std::function<void(int)> chosen);
    ~CategoryMenu();
    CategoryMenu(const CategoryMenu &) = delete;
    CategoryMenu &operator=(const CategoryMenu &) = delete;

    void Clear();
    void AddItem(const QString &name);
    int Count() const { return static_cast<int>(m_names.size()); }
    /// The item of a category; null until the menu has been opened (or Build called).
    QAction *Item(int index) const;
    /// Makes the items, in columns when SplitColumns asked for them; the menu's opening does it.
    void Build();

    /// Moves the check mark to `index`, leaving no other item checked; -1 checks nothing.
    void MoveCheck(int index);
    int LastChecked() const { return m_lastChecked; }

    /// The first items of the second and third column for n items: none below 10 items,
    /// else a and 2a with a = n div 3, plus 1 when n mod 3 is not 0.
    static std::vector<int> ColumnStarts(int itemCount);
    /// Shows the items in one column, or in three columns that start where ColumnStarts says,
    /// from the next opening of the menu on.
    void SplitColumns();
    /// Width in pixels of the widest item caption in `font`.
    int WidestCaption(const QFont &font) const;

    /// An item caption shows '&' literally.
    static QString Caption(const QString &name);

  private:
    void removeItems();
    void showAsGrid(const std::vector<int> &starts);
    void focusChecked();

    QMenu &m_menu;
    std::function<void(int)> m_chosen;
    QStringList m_names;
    std::vector<QAction *> m_items;       // empty until built
    std::vector<QToolButton *> m_buttons; // the grid's, in item order
    QWidgetAction *m_grid = nullptr;
    bool m_split = false;
    bool m_built = false;
    int m_lastChecked = 0;
    QMetaObject::Connection m_opening;
};

} // namespace mensurio
