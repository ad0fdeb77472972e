// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mensurio {

class CustomCategories;
class Prompts;

enum class CategoryEditorMode { Add, Rename };

/// The custom category name editor, "Add Custom Category" or "Rename Custom Category". OK makes
/// the change at once; a refused name is explained and the editor stays open with it.
class CustomCategoryEditor : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomCategoryEditor)

  public:
    /// `category` is the category to rename in Rename mode and ignored in Add mode.
    CustomCategoryEditor(CustomCategories &categories, Prompts &prompts, CategoryEditorMode mode,
                         std::string category, QWidget *parent = nullptr);

    void nameEdited();
    void acceptEdit();

  private:
    CustomCategories &m_categories;
    Prompts &m_prompts;
    CategoryEditorMode m_mode;
    std::string m_category;

    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameField = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace mensurio
