// SPDX-License-Identifier: MIT
// The Help menu's commands and the pictures of the window's commands.
#include "ui/mainwindow/MainWindow.h"

#include "ui/help/AboutDialog.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/TipOfTheDayDialog.h"
#include "ui/mainwindow/CalculatorLauncher.h"
#include "ui/shared/BundledResources.h"
#include "ui/shared/ToolbarIcons.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace mensurio {

void MainWindow::applyIcons() {
    EnsureBundledResources();
    setWindowIcon(ToolbarIcons::ApplicationIcon());
    m_arrow->setPixmap(ToolbarIcons::Arrow(palette()));
    for (QAction *command : findChildren<QAction *>()) {
        const QIcon icon = ToolbarIcons::Icon(ToolbarIcons::GlyphFor(command->objectName()), palette());
        if (!icon.isNull())
            command->setIcon(icon);
    }
}

void MainWindow::connectHelpCommands() {
    const WindowActions &a = m_actions;
    for (QAction *command : {a.helpTopics, a.metricPrefixes, a.calculator, a.about})
        command->setEnabled(true);
    m_showTipOfTheDay = &TipOfTheDayDialog::ShowTipOfTheDay;
    connect(a.tipOfTheDay, &QAction::triggered, this, &MainWindow::showTipOfTheDay);
    connect(a.helpTopics, &QAction::triggered, this,
            [this] { HelpWindow::ShowHelp(HelpPage::Index, *m_environment.prompts, this); });
    connect(a.metricPrefixes, &QAction::triggered, this,
            [this] { HelpWindow::ShowHelp(HelpPage::MetricPrefixes, *m_environment.prompts, this); });
    connect(a.calculator, &QAction::triggered, this,
            [this] { CalculatorLauncher(*m_environment.prompts).Start(m_settings); });
    connect(a.about, &QAction::triggered, this, [this] {
        AboutDialog about(this);
        about.exec();
    });
}

void MainWindow::showTipOfTheDay() {
    if (m_showTipOfTheDay)
        m_showTipOfTheDay(m_settings, this);
}

// The first paint shows the tip of the day when asked for; the dialog opens once the paint is
// over, never inside it.
void MainWindow::paintEvent(QPaintEvent *event) {
    QMainWindow::paintEvent(event);
    if (m_painted || !m_started)
        return;
    m_painted = true;
    if (m_settings.tipbox)
        QTimer::singleShot(0, this, &MainWindow::showTipOfTheDay);
}

} // namespace mensurio
