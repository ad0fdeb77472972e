// SPDX-License-Identifier: MIT
// What keyboard and screen-reader users need beyond the mouse's view of the window: names that
// say what each control is for, and an order of the controls for Tab.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/OutputUnitList.h"
#include "ui/shared/DialogWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QToolButton>

namespace mensurio {

void MainWindow::setUpAccessibility() {
    // The category button's name is its caption, the current category.
    SetAccessibleNames({{m_valueField, "Value"},
                        {m_resultField, "Result"},
                        {m_inputList, "Convert from"},
                        {m_outputList, "Convert to"},
                        {m_inputPressure, "Pressure reference of the value"},
                        {m_outputPressure, "Pressure reference of the result"},
                        {m_categoryTabs, "Categories"}});
    m_categoryButton->setAccessibleDescription("Category");
    // A tool bar's buttons take no focus; the category selector must, for the keyboard.
    m_categoryButton->setFocusPolicy(Qt::TabFocus);
    m_categoryTabs->setFocusPolicy(Qt::StrongFocus);
    // Top to bottom, left to right, as the controls are laid out.
    QWidget *const order[] = {m_categoryButton, m_valueField,     m_resultField, m_inputPressure,
                              m_inputList,      m_outputPressure, m_outputList,  m_categoryTabs};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace mensurio
