// SPDX-License-Identifier: MIT
// The Help menu's commands and the pictures of the window's commands.
#include "ui/mainwindow/MainWindow.h"

#include "ui/shared/BundledResources.h"
#include "ui/mainwindow/CalculatorLauncher.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/AboutDialog.h"
#include "ui/help/TipOfTheDayDialog.h"
#include "ui/shared/ToolbarIcons.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace mensurio {

void TForm1::applyIcons() {
    EnsureBundledResources();
    setWindowIcon(ToolbarIcons::ApplicationIcon());
    Image1->setPixmap(ToolbarIcons::Arrow(palette()));
    for (QAction *command : findChildren<QAction *>()) {
        const QIcon icon = ToolbarIcons::Icon(ToolbarIcons::GlyphFor(command->objectName()), palette());
        if (!icon.isNull())
            command->setIcon(icon);
    }
}

void TForm1::connectHelpCommands() {
    const WindowActions &a = m_actions;
    for (QAction *command : {a.HelpTopics1, a.MetricPrefixes1, a.Calculator1, a.About2})
        command->setEnabled(true);
    m_showTipOfTheDay = &TTipDay::ShowTipOfTheDay;
    connect(a.TipoftheDay1, &QAction::triggered, this, &TForm1::TipoftheDay1Click);
    connect(a.HelpTopics1, &QAction::triggered, this,
            [this] { HelpWindow::ShowHelp(HelpPage::Index, *m_environment.prompts, this); });
    connect(a.MetricPrefixes1, &QAction::triggered, this,
            [this] { HelpWindow::ShowHelp(HelpPage::MetricPrefixes, *m_environment.prompts, this); });
    connect(a.Calculator1, &QAction::triggered, this,
            [this] { CalculatorLauncher(*m_environment.prompts).Start(m_settings); });
    connect(a.About2, &QAction::triggered, this, [this] {
        TAboutBox about(this);
        about.exec();
    });
}

void TForm1::TipoftheDay1Click() {
    if (m_showTipOfTheDay)
        m_showTipOfTheDay(m_settings, this);
}

// The first paint shows the tip of the day when asked for; the dialog opens once the paint is
// over, never inside it.
void TForm1::paintEvent(QPaintEvent *event) {
    QMainWindow::paintEvent(event);
    if (m_painted || !m_started)
        return;
    m_painted = true;
    if (m_settings.tipbox)
        QTimer::singleShot(0, this, &TForm1::TipoftheDay1Click);
}

} // namespace mensurio
