// SPDX-License-Identifier: MIT
// What keyboard and screen-reader users need beyond the mouse's view of the window: names that
// say what each control is for, and an order of the controls for Tab.
#include "ui/mainwindow/MainWindow.h"

#include "ui/shared/DialogWidgets.h"
#include "ui/mainwindow/OutputUnitList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QToolButton>

namespace mensurio {

void TForm1::setUpAccessibility() {
    // The category button's name is its caption, the current category.
    SetAccessibleNames({{Edit1, "Value"},
                        {Edit2, "Result"},
                        {ListBox1, "Convert from"},
                        {ListBox2, "Convert to"},
                        {ComboBox1, "Pressure reference of the value"},
                        {ComboBox2, "Pressure reference of the result"},
                        {TabControl1, "Categories"}});
    ToolbarButton973->setAccessibleDescription("Category");
    // A tool bar's buttons take no focus; the category selector must, for the keyboard.
    ToolbarButton973->setFocusPolicy(Qt::TabFocus);
    TabControl1->setFocusPolicy(Qt::StrongFocus);
    // Top to bottom, left to right, as the controls are laid out.
    QWidget *const order[] = {ToolbarButton973, Edit1, Edit2, ComboBox1, ListBox1, ComboBox2, ListBox2, TabControl1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace mensurio
