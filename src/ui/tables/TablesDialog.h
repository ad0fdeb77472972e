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
class TableUnitList;
class PreviewDialog;
class UnitDatabase;

/// The "Conversion Tables" dialog: a category, row and column units, the result format, the
/// paper and the direction of conversion, then a preview or a print of the table.
class TablesDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TablesDialog)
  public:
    TablesDialog(UnitDatabase &database, ProgramSettings &settings, Prompts &prompts,
                 NumberSeparators separators, QWidget *parent = nullptr);

    /// Tests answer the printer dialog here.
    void SetPrinterChoice(PrinterChoice choice) { m_printerChoice = std::move(choice); }
    /// Tests look at the preview here instead of it running modally.
    using PreviewHook = std::function<void(PreviewDialog &)>;
    void SetPreviewHook(PreviewHook hook) { m_previewHook = std::move(hook); }

    /// The table the dialog's choices describe.
    TableChoices CurrentChoices() const;
    int ColumnMaximum() const { return m_columnMaximum; }

    void Preview();
    void Print();

  private:
    void createWidgets();
    QWidget *createListsArea();
    QWidget *createOptionsArea();
    QWidget *createExamplePanel();
    void createPopupMenus();
    void connectControls();
    void FormShow();
    void fillCategories();
    void categoryChanged();
    void fillUnitLists();
    void ListSelectionChange();
    void resultFormatClicked(int index);
    void paperOrientationClicked(int index);
    void directionChanged();
    void columnMenuAboutToShow();
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
    int m_columnMaximum = kLandscapeTableColumns;

    QComboBox *m_categoryChoice = nullptr;
    TableUnitList *m_rowUnits = nullptr;
    TableUnitList *m_columnUnits = nullptr;
    QLabel *m_columnCount = nullptr;
    QLabel *m_exampleDayValue = nullptr;
    QLabel *m_exampleMinuteValue = nullptr;
    QLabel *m_bandFontProbe = nullptr;
    TableArrow *m_directionArrow = nullptr;
    QButtonGroup *m_resultFormat = nullptr;
    QButtonGroup *m_paperOrientation = nullptr;
    QRadioButton *m_rightAndUp = nullptr;
    QRadioButton *m_downAndLeft = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QMenu *m_rowMenu = nullptr;
    QMenu *m_columnMenu = nullptr;
    QAction *m_selectNext = nullptr;
};

} // namespace mensurio
