// SPDX-License-Identifier: MIT
// The Help menu's commands and the pictures of the window's commands.
#include "ui/TForm1.h"

#include "ui/BundledResources.h"
#include "ui/CalculatorLauncher.h"
#include "ui/HelpWindow.h"
#include "ui/TAboutBox.h"
#include "ui/ToolbarIcons.h"

#include <QAction>
#include <QLabel>

namespace mensurio {

void TForm1::applyIcons() {
    EnsureBundledResources();
    setWindowIcon(ToolbarIcons::ApplicationIcon());
    Image1->setPixmap(ToolbarIcons::Arrow());
    for (QAction *command : findChildren<QAction *>()) {
        const QIcon icon = ToolbarIcons::IconFor(command->objectName());
        if (!icon.isNull())
            command->setIcon(icon);
    }
}

void TForm1::connectHelpCommands() {
    const WindowActions &a = m_actions;
    for (QAction *command : {a.HelpTopics1, a.MetricPrefixes1, a.Calculator1, a.About2})
        command->setEnabled(true);
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

} // namespace mensurio
