// SPDX-License-Identifier: MIT
// The end of a run: closing stores the memory and the bounds, destruction writes the files.
#include "ui/TForm1.h"

#include "core/db/DatabaseLifecycle.h"
#include "core/settings/ToolbarPlacement.h"

#include <QCloseEvent>
#include <QToolBar>

namespace mensurio {

namespace {

const char *DockName(Qt::ToolBarArea area) {
    switch (area) {
    case Qt::LeftToolBarArea:
        return "Dock97left";
    case Qt::RightToolBarArea:
        return "Dock97right";
    case Qt::BottomToolBarArea:
        return "Dock97bottom";
    default:
        return "Dock97top";
    }
}

} // namespace

void TForm1::closeEvent(QCloseEvent *event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

void TForm1::FormClose() {
    if (!m_started)
        return;
    SaveCategoryMemory();
    m_settings.left = x();
    m_settings.top = y();
    m_settings.height = height();
    m_settings.width = width();
    m_settings.maximized = isMaximized();
}

// Only a window that was shown writes anything: a run that ends before (both databases
// unreadable, or started in the tray and never restored) leaves every file as it was.
void TForm1::FormDestroy() {
    if (m_started)
        DatabaseLifecycle::SaveDatabaseAtExit(m_database, m_environment.baseDirectory,
                                              *m_environment.prompts);
    m_database.Clear();
    if (!m_started)
        return;
    WriteSettings(m_settingsFile, m_settings);
    SaveToolbarPlacement();
}

// The toolbar's visibility and dock; its row and position within the dock come with the
// toolbar layout.
void TForm1::SaveToolbarPlacement() {
    ToolbarPlacement placement;
    placement.name = kToolbarSection;
    placement.visible = !Toolbar971->isHidden();
    placement.dockedTo = DockName(toolBarArea(Toolbar971));
    const bool horizontal = Toolbar971->orientation() == Qt::Horizontal;
    placement.dockPos = horizontal ? Toolbar971->x() : Toolbar971->y();
    SaveToolbarPositions(m_settingsFile, {placement});
}

} // namespace mensurio
