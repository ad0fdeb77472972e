// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace mensurio::test {

/// The named control (or command) of a dialog or window. Warns when there is none, so that a test
/// which goes on to use the null pointer fails with the name in its output.
template <typename T> T *Child(const QObject &parent, const char *name) {
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    if (child == nullptr)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return child;
}

/// Clicks the named push button as the user does.
void ClickButton(QWidget &parent, const char *name);
/// The button of the dialog's button box in the role `which` (OK, Cancel, ...); null without one.
QPushButton *StandardButton(const QWidget &dialog, QDialogButtonBox::StandardButton which);
/// Clicks the button of the dialog's button box in the role `which`, as the user does.
void PressStandardButton(QWidget &dialog, QDialogButtonBox::StandardButton which);
/// Triggers the named command (a menu item or a context menu entry).
void TriggerAction(QObject &parent, const char *name);
/// Makes the named field hold exactly `text`, typed key by key.
void TypeInto(QWidget &parent, const char *name, const QString &text);

/// The texts of a list's rows, or of a drop-down list's entries, in order.
QStringList Rows(const QListWidget *list);
QStringList ComboItems(const QComboBox *combo);
/// Clicks a row as the user does, with the given keyboard modifiers (Ctrl toggles a row).
void ClickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void ClickRow(QListWidget *list, const QString &name, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
int RowOf(const QListWidget *list, const QString &name);
QStringList SelectedNames(const QListWidget *list);
QString CurrentName(const QListWidget *list);

/// Runs `open`, which shows a modal dialog of type D (a command, a button), and drives that
/// dialog from inside its event loop once it has opened. A dialog still open after `drive` is
/// rejected, so that a failing test never hangs. Returns whether a dialog of type D was reached.
/// ModalSteps (ModalSteps.h) drives a chain of dialogs that open one another.
template <typename D>
bool DriveModal(const std::function<void()> &open, const std::function<void(D &)> &drive) {
    bool reached = false;
    QObject context; // cancels the pending call when no dialog opened
    QTimer::singleShot(0, &context, [&] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        reached = true;
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
    return reached;
}

} // namespace mensurio::test
