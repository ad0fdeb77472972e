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
class TPagesDlg4 : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPagesDlg4)

  public:
    /// `category` is the category to rename in Rename mode and ignored in Add mode.
    TPagesDlg4(CustomCategories &categories, Prompts &prompts, CategoryEditorMode mode, std::string category,
               QWidget *parent = nullptr);

    void Edit1Change();
    void BitBtn3Click();

  private:
    CustomCategories &m_categories;
    Prompts &m_prompts;
    CategoryEditorMode m_mode;
    std::string m_category;

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn2 = nullptr;
};

} // namespace mensurio
