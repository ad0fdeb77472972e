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
void TForm1::createTrayIcon() {
    connect(m_actions.MinimizetoTray1, &QAction::triggered, this, &TForm1::MinimizetoTray1Click);
    if (!m_environment.trayAvailable)
        return;
    TrayIcon1 = new QSystemTrayIcon(windowIcon(), this);
    TrayIcon1->setObjectName("TrayIcon1");
    TrayIcon1->setToolTip("Mensurio");
    auto *menu = new QMenu(this);
    menu->setObjectName("TrayMenu");
    QAction *restore = menu->addAction("&Restore");
    restore->setObjectName("TrayRestore");
    QAction *exit = menu->addAction("E&xit");
    exit->setObjectName("TrayExit");
    TrayIcon1->setContextMenu(menu);
    connect(restore, &QAction::triggered, this, &TForm1::TrayIcon1DblClick);
    connect(exit, &QAction::triggered, this, [this] {
        close();
        QApplication::quit(); // a hidden window's close does not end the event loop by itself
    });
    connect(TrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
            TrayIcon1DblClick();
    });
    updateTrayIcon();
}

// A hidden window (minimised into the icon, or started with "tray") comes back; in any case it
// comes to the front.
void TForm1::TrayIcon1DblClick() {
    if (isHidden() || isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TForm1::MinimizetoTray1Click(bool checked) {
    m_settings.tray = checked;
    startedInTray = false;
    updateTrayIcon();
}

void TForm1::updateTrayIcon() {
    if (TrayIcon1 != nullptr)
        TrayIcon1->setVisible(startedInTray || m_settings.tray);
}

void TForm1::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyIcons(); // the drawings are inked in the palette's text colour
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        minimizedToTray();
}

bool TForm1::trayPresentNow() const {
    return m_environment.trayPresent ? m_environment.trayPresent() : m_environment.trayAvailable;
}

// Minimised with the icon showing, the window leaves the task bar and only the icon stays.
// Without a notification area at this moment the icon cannot be seen or clicked, and a hidden
// window could never come back: it then minimises as usual.
void TForm1::minimizedToTray() {
    if (TrayIcon1 == nullptr || !TrayIcon1->isVisible() || !(m_settings.tray || startedInTray))
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
