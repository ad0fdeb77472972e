// SPDX-License-Identifier: MIT
#pragma once

class QAction;

namespace mensurio {

/// The commands of the conversion window's menus and toolbar. Each QAction carries the menu
/// item's design name as its object name and serves the menu item and its toolbar button.
struct WindowActions {
    // Action
    QAction *InvertConversion1 = nullptr;
    QAction *ClearInputField1 = nullptr;
    QAction *ClearConversionMemory1 = nullptr;
    QAction *CreateConversionTable1 = nullptr;
    QAction *ManageUnitsandCategories1 = nullptr;
    QAction *Preferences1 = nullptr;
    QAction *Find1 = nullptr;
    QAction *HandheldExport1 = nullptr;
    QAction *Exit1 = nullptr;
    // Edit
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *Selectall1 = nullptr;
    // Record
    QAction *Record1 = nullptr;
    QAction *AddItem1 = nullptr;
    QAction *RemoveLastItem1 = nullptr;
    QAction *DeleteAllItems1 = nullptr;
    QAction *CopyConversion1 = nullptr;
    QAction *CopyAllConversions1 = nullptr;
    QAction *CopyRecord1 = nullptr;
    // View
    QAction *Units1 = nullptr;
    QAction *Categories1 = nullptr;
    QAction *ShowAllResults1 = nullptr;
    QAction *ShowHidden1 = nullptr;
    QAction *MinimizetoTray1 = nullptr;
    QAction *Toolbar1 = nullptr;
    QAction *AdvancedToolbar1 = nullptr;
    // Help
    QAction *TipoftheDay1 = nullptr;
    QAction *HelpTopics1 = nullptr;
    QAction *Calculator1 = nullptr;
    QAction *MetricPrefixes1 = nullptr;
    QAction *About2 = nullptr;
    // Toolbar only: the Sort Units toggle (ToolbarButton971)
    QAction *SortUnits1 = nullptr;
};

} // namespace mensurio
