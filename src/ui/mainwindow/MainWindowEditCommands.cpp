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

void TForm1::connectEditCommands() {
    const WindowActions &a = m_actions;
    connect(a.Cut1, &QAction::triggered, this, [this] {
        editCommand([](QLineEdit &field) { field.cut(); });
        UpdateEditCommands();
    });
    connect(a.Copy1, &QAction::triggered, this, [this] { editCommand([](QLineEdit &field) { field.copy(); }); });
    connect(a.Paste1, &QAction::triggered, this, &TForm1::Paste1Click);
    connect(a.Selectall1, &QAction::triggered, this, [this] {
        editCommand([](QLineEdit &field) { field.selectAll(); });
        UpdateEditCommands();
    });
    // Focus changes count only while the focus is in this window: a dialog's fields are its own.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now != nullptr && now->window() == this)
            UpdateEditCommands();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TForm1::ClipboardChanged);
    connect(Edit1, &QLineEdit::selectionChanged, this, [this] {
        if (QApplication::focusWidget() == Edit1)
            enableEditCommands(Edit1->hasSelectedText(), Edit1->hasSelectedText(), clipboardHasText, true);
    });
    clipboardHasText = ClipboardHoldsText();
    UpdateEditCommands();
}

void TForm1::UpdateEditCommands() {
    QWidget *focused = QApplication::focusWidget();
    if (focused != nullptr && focused->window() != this)
        return; // another window's fields are its own business
    if (focused == Edit1) {
        const bool selected = Edit1->hasSelectedText();
        enableEditCommands(selected, selected, clipboardHasText, true);
    } else if (focused == Edit2) {
        enableEditCommands(false, true, false, true);
    } else if (qobject_cast<QLineEdit *>(focused) == nullptr) {
        enableEditCommands(false, false, false, false);
    }
}

void TForm1::enableEditCommands(bool cut, bool copy, bool paste, bool selectAll) {
    m_actions.Cut1->setEnabled(cut);
    m_actions.Copy1->setEnabled(copy);
    m_actions.Paste1->setEnabled(paste);
    m_actions.Selectall1->setEnabled(selectAll);
}

void TForm1::ClipboardChanged() {
    clipboardHasText = ClipboardHoldsText();
    UpdateEditCommands();
}

// The commands act on a focused field of this window only.
void TForm1::editCommand(const std::function<void(QLineEdit &)> &command) {
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (field != nullptr && field->window() == this)
        command(*field);
}

void TForm1::Paste1Click() {
    if (ClipboardHoldsText())
        editCommand([](QLineEdit &field) { field.paste(); });
    UpdateEditCommands();
}

} // namespace mensurio
