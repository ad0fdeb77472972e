// SPDX-License-Identifier: MIT
#pragma once

#include "core/custom/CustomCategories.h"

#include <QDialog>

#include <string>
#include <utility>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace mensurio {

class Prompts;
class UnitDatabase;

/// "Custom Categories": the user's own categories with Add, Rename, Remove and Units. Changes go
/// to the database at once; whoever opened the dialog refreshes its own lists when it closes.
class CustomCategoriesDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomCategoriesDialog)

  public:
    CustomCategoriesDialog(UnitDatabase &database, Prompts &prompts, QWidget *parent = nullptr);

    /// Shows the dialog modally and returns when it is closed.
    static void ShowCustomCategories(UnitDatabase &database, Prompts &prompts, QWidget *parent);

    /// The name a category has now after the renames made in this dialog (`name` itself when
    /// it was not renamed), so that an opener can keep showing a renamed category.
    std::string CurrentNameOf(const std::string &name) const;

    void selectionChanged();
    void addCategory();
    void renameCategory();
    void removeCategory();
    void showUnits();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    void createControls();
    void fillList(const std::string &selected = {});
    void updateState();
    std::string selectedCategory() const;

    UnitDatabase &m_database;
    Prompts &m_prompts;
    CustomCategories m_categories;
    std::vector<std::string> m_names; // categoryList's entries as the database spells them
    std::vector<std::pair<std::string, std::string>> m_renames;

    QListWidget *m_categoryList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_renameButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_unitsButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_unitCount = nullptr;
};

} // namespace mensurio
