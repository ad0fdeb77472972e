// SPDX-License-Identifier: MIT
// The notification-area icon: minimising into it, restoring from it, and its menu.
#include "ui/mainwindow/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace mensurio {

// Without a notification area there is no icon: the window then never hides.
void MainWindow::createTrayIcon() {
    connect(m_actions.minimizeToTray, &QAction::triggered, this, &MainWindow::minimizeToTrayToggled);
    if (!m_environment.trayAvailable)
        return;
    m_trayIcon = new QSystemTrayIcon(windowIcon(), this);
    m_trayIcon->setObjectName("trayIcon");
    m_trayIcon->setToolTip("Mensurio");
    auto *menu = new QMenu(this);
    menu->setObjectName("TrayMenu");
    QAction *restore = menu->addAction("&Restore");
    restore->setObjectName("TrayRestore");
    QAction *exit = menu->addAction("E&xit");
    exit->setObjectName("TrayExit");
    m_trayIcon->setContextMenu(menu);
    connect(restore, &QAction::triggered, this, &MainWindow::restoreFromTray);
    connect(exit, &QAction::triggered, this, [this] {
        close();
        QApplication::quit(); // a hidden window's close does not end the event loop by itself
    });
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
            restoreFromTray();
    });
    updateTrayIcon();
}

// A hidden window (minimised into the icon, or started with "tray") comes back; in any case it
// comes to the front.
void MainWindow::restoreFromTray() {
    if (isHidden() || isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::BringToFront() {
    restoreFromTray();
    if (QWidget *dialog = QApplication::activeModalWidget(); dialog != nullptr && dialog != this) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void MainWindow::minimizeToTrayToggled(bool checked) {
    m_settings.tray = checked;
    startedInTray = false;
    updateTrayIcon();
}

void MainWindow::updateTrayIcon() {
    if (m_trayIcon != nullptr)
        m_trayIcon->setVisible(startedInTray || m_settings.tray);
}

void MainWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyIcons(); // the drawings are inked in the palette's text colour
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        minimizedToTray();
}

bool MainWindow::trayPresentNow() const {
    return m_environment.trayPresent ? m_environment.trayPresent() : m_environment.trayAvailable;
}

// Minimised with the icon showing, the window leaves the task bar and only the icon stays.
// Without a notification area at this moment the icon cannot be seen or clicked, and a hidden
// window could never come back: it then minimises as usual.
void MainWindow::minimizedToTray() {
    if (m_trayIcon == nullptr || !m_trayIcon->isVisible() || !(m_settings.tray || startedInTray))
        return;
    if (!trayPresentNow())
        return;
    // Hiding inside the state change would confuse the window manager: hide just after it.
    QTimer::singleShot(0, this, [this] {
        if (isMinimized())
            hide();
    });
}

} // namespace mensurio
