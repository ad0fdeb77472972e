// SPDX-License-Identifier: MIT
// Cut, Copy, Paste and Select all: kept in step with the focused field and the clipboard.
#include "ui/mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

namespace mensurio {

namespace {

bool ClipboardHoldsText() {
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

} // namespace

void MainWindow::connectEditCommands() {
    const WindowActions &a = m_actions;
    connect(a.cut, &QAction::triggered, this, [this] {
        editCommand([](QLineEdit &field) { field.cut(); });
        UpdateEditCommands();
    });
    connect(a.copy, &QAction::triggered, this,
            [this] { editCommand([](QLineEdit &field) { field.copy(); }); });
    connect(a.paste, &QAction::triggered, this, &MainWindow::pasteIntoField);
    connect(a.selectAll, &QAction::triggered, this, [this] {
        editCommand([](QLineEdit &field) { field.selectAll(); });
        UpdateEditCommands();
    });
    // Focus changes count only while the focus is in this window: a dialog's fields are its own.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now != nullptr && now->window() == this)
            UpdateEditCommands();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::ClipboardChanged);
    connect(m_valueField, &QLineEdit::selectionChanged, this, [this] {
        if (QApplication::focusWidget() == m_valueField)
            enableEditCommands(m_valueField->hasSelectedText(), m_valueField->hasSelectedText(),
                               clipboardHasText, true);
    });
    clipboardHasText = ClipboardHoldsText();
    UpdateEditCommands();
}

void MainWindow::UpdateEditCommands() {
    QWidget *focused = QApplication::focusWidget();
    if (focused != nullptr && focused->window() != this)
        return; // another window's fields are its own business
    if (focused == m_valueField) {
        const bool selected = m_valueField->hasSelectedText();
        enableEditCommands(selected, selected, clipboardHasText, true);
    } else if (focused == m_resultField) {
        enableEditCommands(false, true, false, true);
    } else if (qobject_cast<QLineEdit *>(focused) == nullptr) {
        enableEditCommands(false, false, false, false);
    }
}

void MainWindow::enableEditCommands(bool cut, bool copy, bool paste, bool selectAll) {
    m_actions.cut->setEnabled(cut);
    m_actions.copy->setEnabled(copy);
    m_actions.paste->setEnabled(paste);
    m_actions.selectAll->setEnabled(selectAll);
}

void MainWindow::ClipboardChanged() {
    clipboardHasText = ClipboardHoldsText();
    UpdateEditCommands();
}

// The commands act on a focused field of this window only.
void MainWindow::editCommand(const std::function<void(QLineEdit &)> &command) {
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (field != nullptr && field->window() == this)
        command(*field);
}

void MainWindow::pasteIntoField() {
    if (ClipboardHoldsText())
        editCommand([](QLineEdit &field) { field.paste(); });
    UpdateEditCommands();
}

} // namespace mensurio
