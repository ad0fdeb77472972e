// SPDX-License-Identifier: MIT
// Find and Manage Units and Categories: the dialogs and what the window does with their outcome.
#include "ui/mainwindow/MainWindow.h"

#include "core/db/FindEntry.h"
#include "ui/shared/QtCp1252.h"
#include "ui/manage/ManageDialog.h"
#include "ui/custom/CustomUnitsDialog.h"
#include "ui/custom/CustomCategoriesDialog.h"
#include "ui/find/FindDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace mensurio {

void TForm1::connectCustomiseCommands() {
    connect(m_actions.Find1, &QAction::triggered, this, &TForm1::Find1Click);
    connect(m_actions.ManageUnitsandCategories1, &QAction::triggered, this, &TForm1::SpeedButton12Click);
}

void TForm1::SetCustomDialogs(std::function<void()> customUnits, std::function<void()> customCategories) {
    m_customUnitsDialog = std::move(customUnits);
    m_customCategoriesDialog = std::move(customCategories);
}

void TForm1::Find1Click() {
    TPagesDlg5 dialog(m_database, m_settings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<FindEntry> chosen = dialog.Chosen())
        GoToFound(*chosen);
}

void TForm1::SpeedButton12Click() {
    ManageDialogHooks hooks;
    // The custom dialogs open over the manage dialog; tests may put their own in place.
    // A renamed current category stays current under its new name, as from the View menu.
    hooks.customCategories = m_customCategoriesDialog ? m_customCategoriesDialog : [this] {
        TPagesDlg3 dialog(m_database, *m_environment.prompts, QApplication::activeModalWidget());
        dialog.exec();
        m_settings.AktualCate = dialog.CurrentNameOf(m_settings.AktualCate);
    };
    hooks.customUnits = [this](const std::string &category) {
        if (m_customUnitsDialog)
            m_customUnitsDialog();
        else
            TPagesDlg::ShowCustomUnits(m_database, *m_environment.prompts, category,
                                       QApplication::activeModalWidget());
    };
    hooks.showHiddenChanged = [this](bool on) { m_actions.ShowHidden1->setChecked(on); };
    hooks.closed = [this] { RebuildLists(); };
    TManageDlg dialog(m_database, m_settings, *m_environment.prompts, std::move(hooks), this);
    dialog.exec();
}

void TForm1::SetShowHidden(bool on) {
    m_actions.ShowHidden1->setChecked(on);
    ShowHidden1Click(on);
}

void TForm1::GoToFound(const FindEntry &entry) {
    const QString category = QtCp1252::ToQString(entry.isCategory ? entry.name : entry.category);
    const auto listed = [this, &category] {
        return ComboBox3->findText(category, Qt::MatchExactly | Qt::MatchCaseSensitive);
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
        const QSignalBlocker blocked(ComboBox3);
        ComboBox3->setCurrentIndex(index);
    }
    ComboBox3Change();
    if (entry.isCategory)
        return;
    const QList<QListWidgetItem *> found =
        ListBox1->findItems(QtCp1252::ToQString(entry.name), Qt::MatchExactly | Qt::MatchCaseSensitive);
    SelectInputUnit(found.isEmpty() ? -1 : ListBox1->row(found.first()));
    ListBox1Click();
}

} // namespace mensurio
