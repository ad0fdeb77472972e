// SPDX-License-Identifier: MIT
// The Preferences command and how the window takes on what the dialog changed.
#include "ui/mainwindow/MainWindow.h"

#include "core/platform/StartupLink.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/preferences/PreferenceChanges.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QAction>
#include <QLayout>

namespace mensurio {

void MainWindow::showPreferences() {
    PreferencesDialog dialog(*this, StartupLink::ForRunningProgram(), this);
    dialog.exec();
}

// The fonts go to the settings file at once; the rest of the settings are already in
// m_settings and are written at exit.
void MainWindow::ApplyPreferences(const PreferenceChanges &changes) {
    std::string remembered;
    CapturedSelection captured;
    if (changes.sortUnits || changes.anyFont) {
        remembered = m_settings.AktualCate;
        captured = CaptureSelection();
    }
    if (changes.fieldFont) {
        fieldFont.CopyFrom(changes.newFieldFont);
        fieldFont.SaveToIni(m_settingsFile, kFieldFontPrefix);
    }
    if (changes.tabFont) {
        tabFont.CopyFrom(changes.newTabFont);
        tabFont.SaveToIni(m_settingsFile, kTabFontPrefix);
    }
    if (changes.tabs)
        RebuildCategoryList();
    if (changes.toolbars)
        ApplyToolbarSettings();
    if (changes.anyFont)
        ApplyFonts();
    if (changes.tabs || changes.toolbars || changes.anyFont) {
        if (layout() != nullptr)
            layout()->activate(); // the client area takes its new size before it is laid out
        LayoutWindow();
    }
    if (changes.sortUnits) {
        ApplySortButton();
        RebuildUnitLists(remembered, captured);
    } else if (changes.anyFont) {
        if (m_settings.AktualCate != remembered)
            RestoreCategoryMemory();
        else
            ApplySelection(captured);
    }
    if (changes.allResults) {
        m_actions.showAllResults->setChecked(m_settings.split);
        showAllResultsToggled(m_settings.split);
    }
    if (m_categoryHasUnits)
        Convert();
}

void MainWindow::ApplyTrayPreference(bool minimizeToTray) {
    m_actions.minimizeToTray->setChecked(minimizeToTray);
    minimizeToTrayToggled(minimizeToTray);
}

} // namespace mensurio
