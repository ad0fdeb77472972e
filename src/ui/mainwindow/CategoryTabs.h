// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QTabBar;

namespace mensurio {

/// The tabs of the category tab strip: one per shown category, and the current category's own
/// tab at the end while it is one that is not shown. A tab bar lays out all its tabs again at
/// every tab it gains, so that filling it costs the square of its tabs: a list of more than
/// WindowSize categories is shown as a window of WindowSize tabs around the current category,
/// with a tab at either end that stands for the categories before or after it. Choosing such a
/// tab chooses the category next to the window, which the window then follows.
class CategoryTabs {
  public:
    static constexpr int WindowSize = 256;

    explicit CategoryTabs(QTabBar &bar);
    CategoryTabs(const CategoryTabs &) = delete;
    CategoryTabs &operator=(const CategoryTabs &) = delete;

    /// The shown categories' names, in list order; the tabs show the first window of them.
    void SetCategories(const QStringList &names);
    void Clear();

    /// Makes the tab of the category at `index` in the list current, moving the window to it
    /// when it lies outside; with `index` -1 and a name, that category gets a tab of its own at
    /// the end. The tab is made current only when `moveTab` is set or the window moved (a tab
    /// the user chose is current already).
    void Follow(int index, const QString &unlistedName, bool moveTab);

    /// The list index of the category a tab stands for: for the tab of the categories before
    /// or after the window, the one next to it; -1 for a category that is not shown.
    int CategoryOf(int tab) const;

    /// The list index of the first category with a tab of its own.
    int FirstShown() const { return m_first; }

    /// "« 12 more" and "12 more »": the tabs of the categories before and after the window.
    static QString BeforeCaption(int count);
    static QString AfterCaption(int count);

  private:
    int shownCount() const;
    bool hasBefore() const { return m_first > 0; }
    bool hasAfter() const { return m_first + shownCount() < static_cast<int>(m_names.size()); }
    int tabOf(int index) const;
    void showWindowFrom(int first);

    QTabBar &m_bar;
    QStringList m_names;
    int m_first = 0;
    bool m_unlistedTab = false;
};

} // namespace mensurio
