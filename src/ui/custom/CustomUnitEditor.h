// SPDX-License-Identifier: MIT
#pragma once

#include "core/custom/CustomUnits.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mensurio {

class Prompts;

enum class UnitEditorMode { Add, Modify };

/// The custom unit editor, "Add custom unit" or "Modify custom unit": the unit's name and how
/// much one of it is in another unit of the category. OK makes the change at once; a refused
/// name or value is explained and the editor stays open with the text as typed.
class TPagesDlg1 : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPagesDlg1)

  public:
    /// `unit` is the unit to change in Modify mode and ignored in Add mode.
    TPagesDlg1(CustomUnits &units, Prompts &prompts, std::string category, UnitEditorMode mode,
               const std::string &unit, QWidget *parent = nullptr);

    void BitBtn1Click();

  private:
    void createControls();
    void applySetup(const UnitEditorSetup &setup);
    void lockValue(bool locked);
    void updateOk();

    CustomUnits &m_units;
    Prompts &m_prompts;
    std::string m_category;
    UnitEditorMode m_mode;
    std::string m_unit;
    UnitEditorSetup m_setup;

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
};

} // namespace mensurio
