// SPDX-License-Identifier: MIT
#pragma once

#include "core/custom/CustomUnits.h"
#include "ui/custom/CustomUnitEditor.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace mensurio {

class Prompts;
class UnitDatabase;

/// "Custom Units": the custom units of one category with Add, Modify and Remove. Changes go to
/// the database at once; whoever opened the dialog refreshes its own lists when it closes.
class CustomUnitsDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomUnitsDialog)

  public:
    /// Opens on `category` (any letter case; the first category when it does not exist).
    CustomUnitsDialog(UnitDatabase &database, Prompts &prompts, const std::string &category,
                      QWidget *parent = nullptr);

    /// Shows the dialog modally on `category` and returns when it is closed.
    static void ShowCustomUnits(UnitDatabase &database, Prompts &prompts, const std::string &category,
                                QWidget *parent);

    /// The category the dialog shows.
    std::string CurrentCategory() const;

    void categoryChanged();
    void unitSelectionChanged();
    void addUnit();
    void modifyUnit();
    void removeUnit();

  private:
    void createControls();
    void fillCategories(const std::string &category);
    void fillUnits();
    void updateState();
    void openEditor(UnitEditorMode mode);
    std::string selectedUnit() const;

    Prompts &m_prompts;
    CustomUnits m_units;
    std::vector<std::string> m_categories; // categoryChoice's entries as the database spells them
    std::vector<std::string> m_unitNames;  // unitList's entries

    QLabel *m_categoryLabel = nullptr;
    QComboBox *m_categoryChoice = nullptr;
    QListWidget *m_unitList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_modifyButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_description = nullptr;
};

} // namespace mensurio
