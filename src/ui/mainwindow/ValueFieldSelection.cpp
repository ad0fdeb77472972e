// SPDX-License-Identifier: MIT
#include "ui/mainwindow/ValueFieldSelection.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace mensurio {

ValueFieldSelection::ValueFieldSelection(QLineEdit &field) : QObject(&field), m_field(field) {
    m_field.installEventFilter(this);
    connect(&m_field, &QLineEdit::textEdited, this, [this] { m_programText = false; });
}

void ValueFieldSelection::SelectProgramText(QLineEdit &field) {
    auto *selection = field.findChild<ValueFieldSelection *>(QString(), Qt::FindDirectChildrenOnly);
    if (selection == nullptr)
        selection = new ValueFieldSelection(field);
    selection->m_programText = true;
    selection->selectWhole();
}

void ValueFieldSelection::selectWhole() {
    const auto length = static_cast<int>(m_field.text().size());
    m_field.setSelection(length, -length); // the caret at the start
}

bool ValueFieldSelection::eventFilter(QObject *watched, QEvent *event) {
    if (watched != &m_field || !m_programText)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        m_programText = false; // typing replaces the selection; the rule has done its work
    } else if (event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // The first click focuses the field and keeps its text selected, instead of placing
        // the caret and dropping the selection.
        m_programText = false;
        m_field.setFocus(Qt::MouseFocusReason);
        selectWhole();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace mensurio
