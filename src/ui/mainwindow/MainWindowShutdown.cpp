// SPDX-License-Identifier: MIT
// The end of a run: closing stores the memory and the bounds, destruction writes the files.
#include "ui/mainwindow/MainWindow.h"

#include "core/db/DatabaseLifecycle.h"
#include "core/settings/DataVersionSetting.h"
#include "ui/rates/CurrencyRates.h"

#include <QCloseEvent>
#include <QRect>

namespace mensurio {

void MainWindow::closeEvent(QCloseEvent *event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

void MainWindow::FormClose() {
    if (!m_started)
        return;
    SaveCategoryMemory();
    // The client area, as ApplyPlacement restores it: the frame a window manager draws around
    // it is the manager's to place, and mixing the two moved the window at every restart.
    const QRect placed = isMaximized() && normalGeometry().isValid() ? normalGeometry() : geometry();
    m_settings.left = placed.x();
    m_settings.top = placed.y();
    m_settings.height = placed.height();
    m_settings.width = placed.width();
    m_settings.maximized = isMaximized();
}

// Only a window that was shown writes anything: a run that ends before (both databases
// unreadable, or started in the tray and never restored) leaves every file as it was.
void MainWindow::FormDestroy() {
    bool databaseSaved = false;
    if (m_started && m_startedOk)
        m_currencyRates->ClearBeforeSave(); // units.dat never holds exchange rates
    if (m_started)
        databaseSaved = DatabaseLifecycle::SaveDatabaseAtExit(m_database, m_environment.baseDirectory,
                                                              *m_environment.prompts);
    m_database.Clear();
    if (!m_started)
        return;
    // The settings and the toolbar placement reach the disk in one replace of the file: the
    // same content the key-by-key writes would leave, without a flush to the disk for each
    // key. A file that cannot be written keeps its old content and the run ends as usual.
    IniWriteBatch batch(m_settingsFile);
    WriteSettings(m_settingsFile, m_settings);
    SaveToolbarPlacement();
    // The data version goes with the database that holds its units: a database that could not
    // be saved gets the new units again at the next start.
    if (databaseSaved && m_dataVersionToRecord > 0)
        WriteDataVersion(m_settingsFile, m_dataVersionToRecord);
    RunIgnoringRefusedWrites([&] { batch.Commit(); });
}

} // namespace mensurio
