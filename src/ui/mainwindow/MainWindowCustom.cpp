// SPDX-License-Identifier: MIT
// The View menu's custom units and custom categories commands.
#include "ui/mainwindow/MainWindow.h"

#include "ui/custom/CustomUnitsDialog.h"
#include "ui/custom/CustomCategoriesDialog.h"

#include <QAction>

namespace mensurio {

void TForm1::connectCustomCommands() {
    const WindowActions &a = m_actions;
    connect(a.Units1, &QAction::triggered, this, &TForm1::Units1Click);
    connect(a.Categories1, &QAction::triggered, this, &TForm1::Categories1Click);
}

void TForm1::Units1Click() {
    TPagesDlg::ShowCustomUnits(m_database, *m_environment.prompts, m_settings.AktualCate, this);
    RebuildLists();
}

// A renamed current category stays current under its new name.
void TForm1::Categories1Click() {
    std::string current;
    {
        TPagesDlg3 dialog(m_database, *m_environment.prompts, this);
        dialog.exec();
        current = dialog.CurrentNameOf(m_settings.AktualCate);
    }
    m_settings.AktualCate = current;
    RebuildLists();
}

} // namespace mensurio
