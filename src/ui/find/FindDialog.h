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
class FindDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindDialog)

  public:
    FindDialog(const UnitDatabase &database, ProgramSettings &settings, QWidget *parent = nullptr);

    /// The entry chosen with Go; empty after Cancel.
    std::optional<FindEntry> Chosen() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void createWidgets();
    void layOut();
    void connectControls();
    void searchEdited();
    void UpdateGo();
    void SearchStyleClick();
    void acceptSelected();
    void moveSelection(int key);

    ProgramSettings &m_settings;
    std::vector<FindEntry> m_entries; // in display order
    QStringList m_displays;           // the entries' display texts, in the same order
    std::vector<std::size_t> m_rows;  // the entry each row of matchList shows
    std::optional<std::size_t> m_chosen;

    QLineEdit *m_searchField = nullptr;
    QListWidget *m_matchList = nullptr;
    QRadioButton *m_startOnly = nullptr;
    QRadioButton *m_anywhere = nullptr;
    QPushButton *m_goButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace mensurio
