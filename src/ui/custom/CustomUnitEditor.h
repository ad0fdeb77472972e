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
class CustomUnitEditor : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomUnitEditor)

  public:
    /// `unit` is the unit to change in Modify mode and ignored in Add mode.
    CustomUnitEditor(CustomUnits &units, Prompts &prompts, std::string category, UnitEditorMode mode,
                     const std::string &unit, QWidget *parent = nullptr);

    void acceptEdit();

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

    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameField = nullptr;
    QLabel *m_amountLabel = nullptr;
    QLineEdit *m_amountField = nullptr;
    QComboBox *m_originChoice = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace mensurio
