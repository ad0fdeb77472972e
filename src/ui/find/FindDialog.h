// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/FindEntry.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace mensurio {

class UnitDatabase;
struct ProgramSettings;

/// "Find": every category and unit of the database, narrowed as the user types; Go names the
/// chosen entry for the window to switch to. The entries and their order are the ones
/// `mensurio-cli --find` prints; the order is the user's locale order ignoring case (QCollator).
class TPagesDlg5 : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPagesDlg5)

  public:
    TPagesDlg5(const UnitDatabase &database, ProgramSettings &settings, QWidget *parent = nullptr);

    /// The entry chosen with Go; empty after Cancel.
    std::optional<FindEntry> Chosen() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void createWidgets();
    void layOut();
    void connectControls();
    void Edit1Change();
    void UpdateGo();
    void SearchStyleClick();
    void BitBtn1Click();
    void moveSelection(int key);

    ProgramSettings &m_settings;
    std::vector<FindEntry> m_entries; // in display order
    QStringList m_displays;           // the entries' display texts, in the same order
    std::vector<std::size_t> m_rows;  // the entry each row of ListBox1 shows
    std::optional<std::size_t> m_chosen;

    QLineEdit *Edit1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
};

} // namespace mensurio
