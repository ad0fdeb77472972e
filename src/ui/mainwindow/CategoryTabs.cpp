// SPDX-License-Identifier: MIT
#include "ui/mainwindow/CategoryTabs.h"

#include "ui/mainwindow/CategoryMenu.h"

#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace mensurio {

namespace {

// A visible tab bar lays out all its tabs at every tab added or removed, a hidden one at the
// next tab added: it is hidden while it changes, which at least spares the removals, and shown
// again as it was, with the keyboard focus it had.
class HiddenWhileChanged {
  public:
    explicit HiddenWhileChanged(QTabBar &bar)
        : m_bar(bar), m_wasShown(!bar.isHidden()), m_hadFocus(bar.hasFocus()) {
        m_bar.hide();
    }
    ~HiddenWhileChanged() {
        m_bar.setVisible(m_wasShown);
        if (m_hadFocus && m_wasShown)
            m_bar.setFocus();
    }
    HiddenWhileChanged(const HiddenWhileChanged &) = delete;
    HiddenWhileChanged &operator=(const HiddenWhileChanged &) = delete;

  private:
    QTabBar &m_bar;
    bool m_wasShown;
    bool m_hadFocus;
};

} // namespace

CategoryTabs::CategoryTabs(QTabBar &bar) : m_bar(bar) {}

QString CategoryTabs::BeforeCaption(int count) {
    return QString::fromUtf8("\u00AB %1 more").arg(count);
}

QString CategoryTabs::AfterCaption(int count) {
    return QString::fromUtf8("%1 more \u00BB").arg(count);
}

void CategoryTabs::SetCategories(const QStringList &names) {
    m_names = names;
    showWindowFrom(0);
}

void CategoryTabs::Clear() {
    m_names.clear();
    showWindowFrom(0);
}

int CategoryTabs::shownCount() const {
    return std::min(WindowSize, static_cast<int>(m_names.size()) - m_first);
}

int CategoryTabs::tabOf(int index) const {
    return index - m_first + (hasBefore() ? 1 : 0);
}

void CategoryTabs::showWindowFrom(int first) {
    const QSignalBlocker blocked(m_bar);
    const HiddenWhileChanged hidden(m_bar);
    while (m_bar.count() > 0)
        m_bar.removeTab(m_bar.count() - 1);
    m_unlistedTab = false;
    const int size = static_cast<int>(m_names.size());
    m_first = std::clamp(first, 0, std::max(0, size - WindowSize));
    if (hasBefore())
        m_bar.addTab(BeforeCaption(m_first));
    for (int index = m_first; index < m_first + shownCount(); ++index)
        m_bar.addTab(CategoryMenu::Caption(m_names[index]));
    if (hasAfter())
        m_bar.addTab(AfterCaption(size - m_first - shownCount()));
}

void CategoryTabs::Follow(int index, const QString &unlistedName, bool moveTab) {
    const QSignalBlocker blocked(m_bar);
    if (m_unlistedTab) {
        m_bar.removeTab(m_bar.count() - 1);
        m_unlistedTab = false;
    }
    if (index >= 0 && index < static_cast<int>(m_names.size())) {
        const bool outside = index < m_first || index >= m_first + shownCount();
        if (outside)
            showWindowFrom(index - WindowSize / 2);
        if (moveTab || outside)
            m_bar.setCurrentIndex(tabOf(index));
    } else if (index < 0 && !unlistedName.isEmpty()) {
        m_bar.setCurrentIndex(m_bar.addTab(CategoryMenu::Caption(unlistedName)));
        m_unlistedTab = true;
    }
}

int CategoryTabs::CategoryOf(int tab) const {
    if (tab < 0 || tab >= m_bar.count() || (m_unlistedTab && tab == m_bar.count() - 1))
        return -1;
    const int index = m_first + tab - (hasBefore() ? 1 : 0);
    // The tabs at the ends stand for the categories next to the window.
    return std::clamp(index, m_first - 1, m_first + shownCount());
}

} // namespace mensurio
