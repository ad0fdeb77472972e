// SPDX-License-Identifier: MIT
#pragma once

#include "core/manage/ListSnapshot.h"
#include "ui/shared/LocaleCollation.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;

namespace mensurio {

class Prompts;
class ManageCheckList;
class UnitDatabase;
struct ProgramSettings;

/// What the manage dialog needs from the window that opens it.
struct ManageDialogHooks {
    /// Run the custom categories or custom units dialog modally; unset hides nothing but
    /// disables the button.
    std::function<void()> customCategories;
    /// The custom units dialog opens on the category whose units the manage dialog shows.
    std::function<void(const std::string &category)> customUnits;
    /// The window's "Show Hidden" menu item takes this check mark.
    std::function<void(bool)> showHiddenChanged;
    /// The dialog is closing: the window rebuilds its lists from the database.
    std::function<void()> closed;
};

/// "Manage Units and Categories": which categories and units the window shows, and in which
/// order. The two check lists hold pending edits; the database changes on the accept buttons,
/// in the custom dialogs, and by the category sort when the dialog closes.
class ManageDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ManageDialog)

  public:
    ManageDialog(UnitDatabase &database, ProgramSettings &settings, Prompts &prompts, ManageDialogHooks hooks,
                 QWidget *parent = nullptr);

    /// The category whose units the unit list shows (shownCategoryLabel).
    const std::string &ShownCategory() const { return m_shownCategory; }

    void done(int result) override;

  private:
    // Construction (ManageDialog.cpp)
    void createWidgets();
    void createMenus();
    void layOut();
    void connectControls();
    void fillLists();
    // The lists and their commands (ManageDialogLists.cpp)
    void showUnitsOf(const std::string &category);
    void showCounts(UnitCounts counts);
    void updateCategoryCounts();
    void AcceptCategoriesClick();
    void AcceptUnitsClick();
    void ResetCategoriesClick();
    void ResetUnitsClick();
    void sortCategories();
    void orderUnits(ManageLists::UnitOrder order);
    void applyTicks(ManageCheckList *list, ManageLists::TickCommand command);
    void sortCategoriesToggled(bool checked);
    void showHiddenToggled(bool checked);
    void runCustomDialog(const std::function<void()> &dialog);
    void restoreAfterCustomDialog(const std::string &focusedCategory, const std::string &focusedUnit,
                                  const std::string &shownBefore);

    UnitDatabase &m_database;
    ProgramSettings &m_settings;
    Prompts &m_prompts;
    std::string selectedCategory() const;

    ManageDialogHooks m_hooks;
    LocaleCollation m_collation;
    ListSnapshot m_snapshot;
    std::string m_shownCategory;
    bool m_closing = false;

    QLabel *m_shownCategoryLabel = nullptr;
    QLabel *m_categoryCounts = nullptr;
    QLabel *m_unitCount = nullptr;
    QLabel *m_visibleCount = nullptr;
    ManageCheckList *m_categoryList = nullptr;
    ManageCheckList *m_unitList = nullptr;
    QPushButton *m_acceptCategoriesButton = nullptr;
    QPushButton *m_acceptUnitsButton = nullptr;
    QPushButton *m_resetCategoriesButton = nullptr;
    QPushButton *m_resetUnitsButton = nullptr;
    QPushButton *m_customCategoriesButton = nullptr;
    QPushButton *m_customUnitsButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QCheckBox *m_sortCategories = nullptr;
    QCheckBox *m_showHidden = nullptr;
    QMenu *m_categoryMenu = nullptr;
    QMenu *m_unitMenu = nullptr;
};

} // namespace mensurio
