// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/Separators.h"
#include "core/settings/ProgramSettings.h"
#include "core/tables/TableChoices.h"
#include "ui/tables/PrinterChoice.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace mensurio {

class Prompts;
class TableArrow;
class TListBoxThree;
class TPreview;
class UnitDatabase;

/// The "Conversion Tables" dialog: a category, row and column units, the result format, the
/// paper and the direction of conversion, then a preview or a print of the table.
class TPagesDlg6 : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPagesDlg6)
  public:
    TPagesDlg6(UnitDatabase &database, ProgramSettings &settings, Prompts &prompts,
               NumberSeparators separators, QWidget *parent = nullptr);

    /// Tests answer the printer dialog here.
    void SetPrinterChoice(PrinterChoice choice) { m_printerChoice = std::move(choice); }
    /// Tests look at the preview here instead of it running modally.
    using PreviewHook = std::function<void(TPreview &)>;
    void SetPreviewHook(PreviewHook hook) { m_previewHook = std::move(hook); }

    /// The table the dialog's choices describe.
    TableChoices CurrentChoices() const;
    int ColumnMaximum() const { return m_columnMaximum; }

    void BitBtn1Click(); // Preview
    void BitBtn3Click(); // Print

  private:
    void createWidgets();
    QWidget *createListsArea();
    QWidget *createOptionsArea();
    QWidget *createExamplePanel();
    void createPopupMenus();
    void connectControls();
    void FormShow();
    void fillCategories();
    void ComboBox1Change();
    void fillUnitLists();
    void ListSelectionChange();
    void RadioGroup1Click(int index);
    void RadioGroup2Click(int index);
    void RadioButtonClick();
    void PopupMenu2Popup();
    void selectNextColumns();
    void invertRowSelection();
    bool hasSelection() const;
    void reportFailure(const std::exception &error);

    UnitDatabase &m_database;
    ProgramSettings &m_settings;
    Prompts &m_prompts;
    NumberSeparators m_separators;
    PrinterChoice m_printerChoice = &ShowPrintDialog;
    PreviewHook m_previewHook;
    int m_columnMaximum = 10;

    QComboBox *ComboBox1 = nullptr;
    TListBoxThree *ListBoxThree1 = nullptr;
    TListBoxThree *ListBoxThree2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *TestLabel1 = nullptr;
    TableArrow *Shape21 = nullptr;
    QButtonGroup *RadioGroup1 = nullptr;
    QButtonGroup *RadioGroup2 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    QAction *m_selectNext = nullptr;
};

} // namespace mensurio
