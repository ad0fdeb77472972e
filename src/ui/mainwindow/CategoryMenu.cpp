// SPDX-License-Identifier: MIT
#include "ui/mainwindow/CategoryMenu.h"

#include "ui/mainwindow/CategoryGridKeys.h"

#include <QAction>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWidgetAction>

#include <algorithm>

namespace mensurio {

CategoryMenu::CategoryMenu(QMenu &menu, std::function<void(int)> chosen)
    : m_menu(menu), m_chosen(std::move(chosen)) {
    m_opening = QObject::connect(&m_menu, &QMenu::aboutToShow, &m_menu, [this] {
        Build();
        focusChecked();
    });
}

CategoryMenu::~CategoryMenu() {
    QObject::disconnect(m_opening);
}

void CategoryMenu::removeItems() {
    delete m_grid; // its buttons refer to the items: it goes first
    m_grid = nullptr;
    m_buttons.clear();
    for (QAction *item : m_items)
        delete item;
    m_items.clear();
    m_menu.clear();
    m_built = false;
}

void CategoryMenu::Clear() {
    removeItems();
    m_names.clear();
    m_split = false;
    m_lastChecked = 0;
}

void CategoryMenu::AddItem(const QString &name) {
    if (m_built)
        removeItems();
    m_names.append(name);
}

void CategoryMenu::Build() {
    if (m_built)
        return;
    m_built = true;
    m_items.reserve(static_cast<std::size_t>(m_names.size()));
    for (int index = 0; index < Count(); ++index) {
        const QString &name = m_names[index];
        auto *item = new QAction(Caption(name), &m_menu);
        item->setCheckable(true);
        item->setChecked(index == m_lastChecked);
        item->setData(name);
        // The item itself is the context: a menu drops its own connections to actions it removes.
        QObject::connect(item, &QAction::triggered, item, [this, index] { m_chosen(index); });
        m_items.push_back(item);
    }
    const std::vector<int> starts = ColumnStarts(Count());
    if (m_split && !starts.empty())
        showAsGrid(starts);
    else
        m_menu.addActions(QList<QAction *>(m_items.begin(), m_items.end()));
}

QAction *CategoryMenu::Item(int index) const {
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[static_cast<std::size_t>(index)]
                                                                  : nullptr;
}

// Picking an item toggles its check on its own, so more than the last checked item may carry
// one: every item but the current category's loses it.
void CategoryMenu::MoveCheck(int index) {
    for (int item = 0; item < static_cast<int>(m_items.size()); ++item)
        m_items[static_cast<std::size_t>(item)]->setChecked(item == index);
    m_lastChecked = index;
}

std::vector<int> CategoryMenu::ColumnStarts(int itemCount) {
    if (itemCount < 10)
        return {};
    const int a = itemCount / 3 + (itemCount % 3 != 0 ? 1 : 0);
    return {a, 2 * a};
}

void CategoryMenu::SplitColumns() {
    if (m_built)
        removeItems();
    m_split = true;
}

// A menu has no column breaks of its own: the items go onto buttons in a grid that sits in the
// menu as one widget action. The items stay the check-mark holders.
void CategoryMenu::showAsGrid(const std::vector<int> &starts) {
    m_grid = new QWidgetAction(&m_menu);
    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(0);
    m_buttons.reserve(m_items.size());
    for (int index = 0; index < Count(); ++index) {
        const int column = index >= starts[1] ? 2 : index >= starts[0] ? 1 : 0;
        const int row = column == 0 ? index : index - starts[static_cast<std::size_t>(column - 1)];
        auto *button = new QToolButton(panel);
        button->setDefaultAction(Item(index));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QObject::connect(button, &QToolButton::triggered, &m_menu, &QMenu::close);
        grid->addWidget(button, row, column);
        m_buttons.push_back(button);
    }
    new CategoryGridKeys(m_buttons, starts[0], panel);
    m_grid->setDefaultWidget(panel);
    m_menu.addAction(m_grid);
}

// The opened grid puts the keyboard on the current category, as a list does on its current row.
void CategoryMenu::focusChecked() {
    if (m_grid == nullptr || m_buttons.empty())
        return;
    QTimer::singleShot(0, m_grid->defaultWidget(), [buttons = m_buttons] {
        const auto checked = std::find_if(buttons.begin(), buttons.end(), [](const QToolButton *button) {
            return button->defaultAction()->isChecked();
        });
        (checked != buttons.end() ? *checked : buttons.front())->setFocus(Qt::TabFocusReason);
    });
}

int CategoryMenu::WidestCaption(const QFont &font) const {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &name : m_names)
        widest = std::max(widest, metrics.horizontalAdvance(name));
    return widest;
}

QString CategoryMenu::Caption(const QString &name) {
    QString caption = name;
    return caption.replace('&', "&&");
}

} // namespace mensurio
