// SPDX-License-Identifier: MIT
// Find and Manage Units and Categories: the dialogs and what the window does with their outcome.
#include "ui/mainwindow/MainWindow.h"

#include "core/db/FindEntry.h"
#include "ui/custom/CustomCategoriesDialog.h"
#include "ui/custom/CustomUnitsDialog.h"
#include "ui/find/FindDialog.h"
#include "ui/manage/ManageDialog.h"
#include "ui/shared/QtCp1252.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace mensurio {

void MainWindow::connectCustomiseCommands() {
    connect(m_actions.find, &QAction::triggered, this, &MainWindow::showFind);
    connect(m_actions.manageUnitsAndCategories, &QAction::triggered, this, &MainWindow::showManageDialog);
}

void MainWindow::SetCustomDialogs(std::function<void()> customUnits, std::function<void()> customCategories) {
    m_customUnitsDialog = std::move(customUnits);
    m_customCategoriesDialog = std::move(customCategories);
}

void MainWindow::showFind() {
    FindDialog dialog(m_database, m_settings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<FindEntry> chosen = dialog.Chosen())
        GoToFound(*chosen);
}

void MainWindow::showManageDialog() {
    ManageDialogHooks hooks;
    // The custom dialogs open over the manage dialog; tests may put their own in place.
    // A renamed current category stays current under its new name, as from the View menu.
    hooks.customCategories = m_customCategoriesDialog ? m_customCategoriesDialog : [this] {
        CustomCategoriesDialog dialog(m_database, *m_environment.prompts, QApplication::activeModalWidget());
        dialog.exec();
        m_settings.AktualCate = dialog.CurrentNameOf(m_settings.AktualCate);
    };
    hooks.customUnits = [this](const std::string &category) {
        if (m_customUnitsDialog)
            m_customUnitsDialog();
        else
            CustomUnitsDialog::ShowCustomUnits(m_database, *m_environment.prompts, category,
                                               QApplication::activeModalWidget());
    };
    hooks.showHiddenChanged = [this](bool on) { m_actions.showHidden->setChecked(on); };
    hooks.closed = [this] { RebuildLists(); };
    ManageDialog dialog(m_database, m_settings, *m_environment.prompts, std::move(hooks), this);
    dialog.exec();
}

void MainWindow::SetShowHidden(bool on) {
    m_actions.showHidden->setChecked(on);
    showHiddenToggled(on);
}

void MainWindow::GoToFound(const FindEntry &entry) {
    const QString category = QtCp1252::ToQString(entry.isCategory ? entry.name : entry.category);
    const auto listed = [this, &category] {
        return m_categoryNames->findText(category, Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    if (!entry.isCategory && !m_settings.showhidden && m_database.IsUnitHidden(entry.category, entry.name))
        SetShowHidden(true);
    int index = listed();
    if (index < 0 && !m_settings.showhidden) {
        SetShowHidden(true); // a hidden category
        index = listed();
    }
    if (index < 0)
        return; // gone from the database since the dialog opened
    {
        const QSignalBlocker blocked(m_categoryNames);
        m_categoryNames->setCurrentIndex(index);
    }
    categoryChanged();
    if (entry.isCategory)
        return;
    const QList<QListWidgetItem *> found =
        m_inputList->findItems(QtCp1252::ToQString(entry.name), Qt::MatchExactly | Qt::MatchCaseSensitive);
    SelectInputUnit(found.isEmpty() ? -1 : m_inputList->row(found.first()));
    inputListClicked();
}

} // namespace mensurio
