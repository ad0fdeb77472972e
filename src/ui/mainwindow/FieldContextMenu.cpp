// SPDX-License-Identifier: MIT
#include "ui/mainwindow/FieldContextMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace mensurio {

QMenu *FieldContextMenu::Create(QLineEdit *field) {
    QMenu *menu = field->createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        if (action->objectName() != QLatin1String("select-all"))
            continue;
        const qsizetype tab = action->text().indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            action->setText(action->text().left(tab)); // the key shown after the tab
    }
    return menu;
}

void FieldContextMenu::Install(QLineEdit *field) {
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field, [field](const QPoint &position) {
        QMenu *menu = Create(field);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(field->mapToGlobal(position));
    });
}

} // namespace mensurio
