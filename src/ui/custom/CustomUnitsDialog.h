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
class TPagesDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPagesDlg)

  public:
    /// Opens on `category` (any letter case; the first category when it does not exist).
    TPagesDlg(UnitDatabase &database, Prompts &prompts, const std::string &category,
              QWidget *parent = nullptr);

    /// Shows the dialog modally on `category` and returns when it is closed.
    static void ShowCustomUnits(UnitDatabase &database, Prompts &prompts, const std::string &category,
                                QWidget *parent);

    /// The category the dialog shows.
    std::string CurrentCategory() const;

    void ComboBox1Change();
    void ListBox1Click();
    void BitBtn1Click();
    void BitBtn4Click();
    void BitBtn5Click();

  private:
    void createControls();
    void fillCategories(const std::string &category);
    void fillUnits();
    void updateState();
    void openEditor(UnitEditorMode mode);
    std::string selectedUnit() const;

    Prompts &m_prompts;
    CustomUnits m_units;
    std::vector<std::string> m_categories; // ComboBox1's entries as the database spells them
    std::vector<std::string> m_unitNames;  // ListBox1's entries

    QLabel *Label2 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QLabel *Label1 = nullptr;
};

} // namespace mensurio
