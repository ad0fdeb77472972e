// SPDX-License-Identifier: MIT
#include "ui/mainwindow/CategoryGridKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace mensurio {

namespace {

// Typed letters within this time extend the search, as in a list.
constexpr qint64 kTypeAheadMs = 1000;

} // namespace

CategoryGridKeys::CategoryGridKeys(std::vector<QToolButton *> buttons, int columnHeight, QObject *parent)
    : QObject(parent), m_buttons(std::move(buttons)), m_columnHeight(std::max(1, columnHeight)) {
    for (QToolButton *button : m_buttons) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->installEventFilter(this);
    }
}

int CategoryGridKeys::Target(int key, int current, int count, int columnHeight) {
    if (count <= 0)
        return -1;
    const auto clamp = [count](int index) { return std::clamp(index, 0, count - 1); };
    switch (key) {
    case Qt::Key_Down:
        return clamp(current + 1);
    case Qt::Key_Up:
        return clamp(current - 1);
    case Qt::Key_Right:
        return current + columnHeight < count ? current + columnHeight : current;
    case Qt::Key_Left:
        return current - columnHeight >= 0 ? current - columnHeight : current;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count - 1;
    default:
        return -1;
    }
}

bool CategoryGridKeys::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto found = std::find(m_buttons.begin(), m_buttons.end(), watched);
    if (found == m_buttons.end())
        return false;
    return handleKey(static_cast<int>(found - m_buttons.begin()), *static_cast<QKeyEvent *>(event));
}

bool CategoryGridKeys::handleKey(int current, const QKeyEvent &key) {
    const int count = static_cast<int>(m_buttons.size());
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space) {
        m_buttons[static_cast<std::size_t>(current)]->click();
        return true;
    }
    int target = Target(key.key(), current, count, m_columnHeight);
    if (target < 0 && !key.text().isEmpty() && key.text().at(0).isPrint() &&
        !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        target = typeAhead(current, key.text());
    if (target < 0)
        return false; // Escape and the rest belong to the menu
    m_buttons[static_cast<std::size_t>(target)]->setFocus(Qt::TabFocusReason);
    return true;
}

// The first category after the focused one (or the focused one itself while the typed text
// grows) whose name starts with the typed text, ignoring letter case.
int CategoryGridKeys::typeAhead(int current, const QString &text) {
    const bool extends = m_sinceTyped.isValid() && m_sinceTyped.elapsed() < kTypeAheadMs;
    m_typed = extends ? m_typed + text : text;
    m_sinceTyped.start();
    const int count = static_cast<int>(m_buttons.size());
    const int first = m_typed.size() > 1 ? current : current + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        const QString name = m_buttons[static_cast<std::size_t>(index)]->defaultAction()->data().toString();
        if (name.startsWith(m_typed, Qt::CaseInsensitive))
            return index;
    }
    return current;
}

} // namespace mensurio
