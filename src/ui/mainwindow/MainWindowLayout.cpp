// SPDX-License-Identifier: MIT
// The layout of the client area: the core computes the geometry, the window applies it.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/OutputUnitList.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>

namespace mensurio {

namespace {

void Place(QWidget *widget, const LayoutRect &rect) {
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

} // namespace

// The tab control's page fills the client area less 4 pixels all round; the fields strip sits
// at its top, the tabs (when there are any) at its bottom and the lists between them.
LayoutInput MainWindow::layoutInput() {
    LayoutInput input;
    input.clientWidth = m_clientArea->width();
    input.clientHeight = m_clientArea->height();
    const QRect page = m_tabPage->contentsRect();
    input.fieldsStripWidth = page.width();
    input.editHeight = m_valueField->sizeHint().height();
    input.comboHeight = m_inputPressure->sizeHint().height();
    const int tabsHeight = m_categoryTabs->count() > 0 ? m_categoryTabs->sizeHint().height() : 0;
    input.listsAreaHeight = page.height() - FieldsStripHeight(input.editHeight) - tabsHeight;
    return input;
}

// The tab control's page is placed first: the strip's width and the lists' height are measured
// inside it.
void MainWindow::LayoutWindow() {
    Place(m_tabPage, mensurio::LayoutWindow(layoutInput(), m_settings.AktualCate).tabPage);
    const WindowLayoutResult layout = mensurio::LayoutWindow(layoutInput(), m_settings.AktualCate);
    const QRect page = m_tabPage->contentsRect();
    const int tabsHeight = m_categoryTabs->count() > 0 ? m_categoryTabs->sizeHint().height() : 0;
    m_fieldsStrip->setGeometry(page.left(), page.top(), page.width(), layout.fieldsStripHeight);
    m_listsArea->setGeometry(page.left(), page.top() + layout.fieldsStripHeight, page.width(),
                             page.height() - layout.fieldsStripHeight - tabsHeight);
    m_categoryTabs->setGeometry(page.left(), page.bottom() + 1 - tabsHeight, page.width(), tabsHeight);
    m_categoryTabs->setVisible(tabsHeight > 0);
    Place(m_valueField, layout.valueField);
    Place(m_resultField, layout.resultField);
    Place(m_arrow, layout.arrow);
    m_arrow->setVisible(layout.arrowVisible);
    Place(m_inputPressure, layout.inputPressure);
    Place(m_outputPressure, layout.outputPressure);
    Place(m_inputList, layout.inputList);
    Place(m_outputList, layout.outputList);
    Place(m_fractionsHint, layout.fractionsHint);
    applyCategoryLayout(layout.category);
}

// Only the vertical geometry of the lists and what shows; horizontal positions stay.
void MainWindow::LayoutForCategory() {
    applyCategoryLayout(mensurio::LayoutForCategory(m_settings.AktualCate, m_listsArea->height(),
                                                    m_inputPressure->sizeHint().height()));
}

void MainWindow::applyCategoryLayout(const CategoryLayout &layout) {
    m_inputPressure->setVisible(layout.combosVisible);
    m_outputPressure->setVisible(layout.combosVisible);
    m_inputPressure->resize(m_inputPressure->width(), m_inputPressure->sizeHint().height());
    m_outputPressure->resize(m_outputPressure->width(), m_outputPressure->sizeHint().height());
    for (QWidget *list : std::initializer_list<QWidget *>{m_inputList, m_outputList, m_fractionsHint})
        list->setGeometry(list->x(), layout.listTop, list->width(), layout.listHeight);
    m_inputList->setVisible(layout.inputListVisible);
    m_fractionsHint->setVisible(layout.fractionsHintVisible);
}

// While a toolbar is shown, hidden or moved the resizes it causes are counted off instead of
// laying the window out each time; the toolbar command lays out once itself.
void MainWindow::clientAreaResized() {
    if (resizeSuppress.OnClientResize())
        LayoutWindow();
}

} // namespace mensurio
