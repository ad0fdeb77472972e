// SPDX-License-Identifier: MIT
#include "ui/support/DialogHelpers.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace mensurio::test {

void ClickButton(QWidget &parent, const char *name) {
    if (auto *button = Child<QPushButton>(parent, name))
        QTest::mouseClick(button, Qt::LeftButton);
}

QPushButton *StandardButton(const QWidget &dialog, QDialogButtonBox::StandardButton which) {
    auto *box = dialog.findChild<QDialogButtonBox *>();
    return box != nullptr ? box->button(which) : nullptr;
}

void PressStandardButton(QWidget &dialog, QDialogButtonBox::StandardButton which) {
    if (QPushButton *button = StandardButton(dialog, which))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        qWarning("no button of role %d", static_cast<int>(which));
}

void TriggerAction(QObject &parent, const char *name) {
    if (auto *action = Child<QAction>(parent, name))
        action->trigger();
}

void TypeInto(QWidget &parent, const char *name, const QString &text) {
    auto *edit = Child<QLineEdit>(parent, name);
    if (edit == nullptr)
        return;
    edit->setFocus();
    edit->selectAll();
    edit->del();
    const bool latin1 = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (latin1)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text); // as an input method enters it: key clicks carry Latin-1 only
}

QStringList Rows(const QListWidget *list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows.append(list->item(row)->text());
    return rows;
}

QStringList ComboItems(const QComboBox *combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

void ClickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers) {
    QListWidgetItem *item = list->item(row);
    if (item == nullptr) {
        qWarning("no row %d to click", row);
        return;
    }
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

void ClickRow(QListWidget *list, const QString &name, Qt::KeyboardModifiers modifiers) {
    ClickRow(list, RowOf(list, name), modifiers);
}

int RowOf(const QListWidget *list, const QString &name) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name)
            return row;
    }
    return -1;
}

QStringList SelectedNames(const QListWidget *list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            names.append(list->item(row)->text());
    }
    return names;
}

QString CurrentName(const QListWidget *list) {
    const QListWidgetItem *item = list->currentItem();
    return item != nullptr ? item->text() : QString();
}

} // namespace mensurio::test
