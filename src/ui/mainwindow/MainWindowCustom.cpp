// SPDX-License-Identifier: MIT
// The View menu's custom units and custom categories commands.
#include "ui/mainwindow/MainWindow.h"

#include "ui/custom/CustomCategoriesDialog.h"
#include "ui/custom/CustomUnitsDialog.h"

#include <QAction>

namespace mensurio {

void MainWindow::connectCustomCommands() {
    const WindowActions &a = m_actions;
    connect(a.customUnits, &QAction::triggered, this, &MainWindow::showCustomUnits);
    connect(a.customCategories, &QAction::triggered, this, &MainWindow::showCustomCategories);
}

void MainWindow::showCustomUnits() {
    CustomUnitsDialog::ShowCustomUnits(m_database, *m_environment.prompts, m_settings.AktualCate, this);
    RebuildLists();
}

// A renamed current category stays current under its new name.
void MainWindow::showCustomCategories() {
    std::string current;
    {
        CustomCategoriesDialog dialog(m_database, *m_environment.prompts, this);
        dialog.exec();
        current = dialog.CurrentNameOf(m_settings.AktualCate);
    }
    m_settings.AktualCate = current;
    RebuildLists();
}

} // namespace mensurio
