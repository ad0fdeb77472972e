// SPDX-License-Identifier: MIT
#pragma once

class QAction;

namespace mensurio {

/// The commands of the conversion window's menus and toolbar. Each QAction serves the menu item
/// and its toolbar button; its object name is the member's name followed by "Action".
struct WindowActions {
    // Action
    QAction *invertConversion = nullptr;
    QAction *clearInputField = nullptr;
    QAction *clearConversionMemory = nullptr;
    QAction *createConversionTable = nullptr;
    QAction *manageUnitsAndCategories = nullptr;
    QAction *preferences = nullptr;
    QAction *find = nullptr;
    QAction *handheldExport = nullptr;
    QAction *exit = nullptr;
    // Edit
    QAction *cut = nullptr;
    QAction *copy = nullptr;
    QAction *paste = nullptr;
    QAction *selectAll = nullptr;
    // Record
    QAction *record = nullptr;
    QAction *addItem = nullptr;
    QAction *removeLastItem = nullptr;
    QAction *deleteAllItems = nullptr;
    QAction *copyConversion = nullptr;
    QAction *copyAllConversions = nullptr;
    QAction *copyRecord = nullptr;
    // View
    QAction *customUnits = nullptr;
    QAction *customCategories = nullptr;
    QAction *showAllResults = nullptr;
    QAction *showHidden = nullptr;
    QAction *minimizeToTray = nullptr;
    QAction *showToolbar = nullptr;
    QAction *showRecordbar = nullptr;
    // Help
    QAction *tipOfTheDay = nullptr;
    QAction *helpTopics = nullptr;
    QAction *calculator = nullptr;
    QAction *metricPrefixes = nullptr;
    QAction *about = nullptr;
    // Toolbar only: the Sort Units toggle (sortUnitsButton)
    QAction *sortUnits = nullptr;
};

} // namespace mensurio
