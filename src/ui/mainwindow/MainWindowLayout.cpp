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
LayoutInput TForm1::layoutInput() {
    LayoutInput input;
    input.panel1Width = Panel1->width();
    input.panel1Height = Panel1->height();
    const QRect page = TabSheet->contentsRect();
    input.panel3Width = page.width();
    input.editHeight = Edit1->sizeHint().height();
    input.comboHeight = ComboBox1->sizeHint().height();
    const int tabsHeight = TabControl1->count() > 0 ? TabControl1->sizeHint().height() : 0;
    input.panel2Height = page.height() - FieldsStripHeight(input.editHeight) - tabsHeight;
    return input;
}

// The tab control's page is placed first: the strip's width and the lists' height are measured
// inside it.
void TForm1::LayoutWindow() {
    Place(TabSheet, mensurio::LayoutWindow(layoutInput(), m_settings.AktualCate).tabControl1);
    const WindowLayoutResult layout = mensurio::LayoutWindow(layoutInput(), m_settings.AktualCate);
    const QRect page = TabSheet->contentsRect();
    const int tabsHeight = TabControl1->count() > 0 ? TabControl1->sizeHint().height() : 0;
    Panel3->setGeometry(page.left(), page.top(), page.width(), layout.panel3Height);
    Panel2->setGeometry(page.left(), page.top() + layout.panel3Height, page.width(),
                        page.height() - layout.panel3Height - tabsHeight);
    TabControl1->setGeometry(page.left(), page.bottom() + 1 - tabsHeight, page.width(), tabsHeight);
    TabControl1->setVisible(tabsHeight > 0);
    Place(Edit1, layout.edit1);
    Place(Edit2, layout.edit2);
    Place(Image1, layout.image1);
    Image1->setVisible(layout.arrowVisible);
    Place(ComboBox1, layout.comboBox1);
    Place(ComboBox2, layout.comboBox2);
    Place(ListBox1, layout.listBox1);
    Place(ListBox2, layout.listBox2);
    Place(Label1, layout.label1);
    applyCategoryLayout(layout.category);
}

// Only the vertical geometry of the lists and what shows; horizontal positions stay.
void TForm1::LayoutForCategory() {
    applyCategoryLayout(
        mensurio::LayoutForCategory(m_settings.AktualCate, Panel2->height(), ComboBox1->sizeHint().height()));
}

void TForm1::applyCategoryLayout(const CategoryLayout &layout) {
    ComboBox1->setVisible(layout.combosVisible);
    ComboBox2->setVisible(layout.combosVisible);
    ComboBox1->resize(ComboBox1->width(), ComboBox1->sizeHint().height());
    ComboBox2->resize(ComboBox2->width(), ComboBox2->sizeHint().height());
    for (QWidget *list : std::initializer_list<QWidget *>{ListBox1, ListBox2, Label1})
        list->setGeometry(list->x(), layout.listTop, list->width(), layout.listHeight);
    ListBox1->setVisible(layout.listBox1Visible);
    Label1->setVisible(layout.label1Visible);
}

// While a toolbar is shown, hidden or moved the resizes it causes are counted off instead of
// laying the window out each time; the toolbar command lays out once itself.
void TForm1::panel1Resized() {
    if (resizeSuppress.OnClientResize())
        LayoutWindow();
}

} // namespace mensurio
