// SPDX-License-Identifier: MIT
// The four pages of the Preferences dialog and the wiring of their controls.
#include "ui/preferences/PreferencesDialog.h"

#include "ui/shared/DialogWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace mensurio {

namespace {

QGroupBox *Group(const QString &heading, QWidget *parent) {
    auto *group = new QGroupBox(heading, parent);
    new QVBoxLayout(group);
    return group;
}

void Add(QGroupBox *group, std::initializer_list<QWidget *> widgets) {
    for (QWidget *widget : widgets)
        group->layout()->addWidget(widget);
}

QLabel *FontSample(const char *name, QWidget *parent) {
    auto *sample = Named(new QLabel("ABCD abcd 1234567890", parent), name);
    sample->setMinimumHeight(40);
    sample->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return sample;
}

} // namespace

QWidget *TPagesDlg2::createGeneralPage() {
    auto *page = new QWidget;
    QGroupBox *environment = Group("Environment", page);
    CheckBox1 = Named(new QCheckBox("Show &Toolbar"), "CheckBox1");
    CheckBox6 = Named(new QCheckBox("Show &Recordbar"), "CheckBox6");
    CheckBox2 = Named(new QCheckBox("Show &Category Selection Index Tabs"), "CheckBox2");
    CheckBox3 = Named(new QCheckBox("Sort &Units in Alphabetical Order"), "CheckBox3");
    CheckBox8 = Named(new QCheckBox("Run on &Start Up"), "CheckBox8");
    CheckBox9 = Named(new QCheckBox("&Minimize to Tray"), "CheckBox9");
    Add(environment, {CheckBox1, CheckBox6, CheckBox2, CheckBox3, CheckBox8, CheckBox9});
    static_cast<QVBoxLayout *>(environment->layout())->addStretch();
    QGroupBox *operation = Group("Operation", page);
    CheckBox5 = Named(new QCheckBox("Swop &Value by Invert Conversion"), "CheckBox5");
    CheckBox7 = Named(new QCheckBox("Show &All Results"), "CheckBox7");
    Add(operation, {CheckBox5, CheckBox7});
    QGroupBox *calculator = Group("Calculator Program", page);
    RadioButton6 = Named(new QRadioButton("&System Calculator"), "RadioButton6");
    RadioButton5 = Named(new QRadioButton("&Other Program:"), "RadioButton5");
    auto *pathRow = new QWidget;
    auto *pathLayout = new QHBoxLayout(pathRow);
    pathLayout->setContentsMargins(0, 0, 0, 0);
    Edit1 = Named(new QLineEdit, "Edit1");
    Edit1->setStyleSheet("QLineEdit:disabled { background-color: silver; }");
    SpeedButton1 = Named(new QToolButton, "SpeedButton1");
    SpeedButton1->setText("...");
    SpeedButton1->setToolTip("Browse");
    Edit1->setAccessibleName("Other calculator program");
    SpeedButton1->setAccessibleName("Browse for the calculator program");
    pathLayout->addWidget(Edit1);
    pathLayout->addWidget(SpeedButton1);
    Add(calculator, {RadioButton6, RadioButton5, pathRow});
    auto *columns = new QHBoxLayout(page);
    columns->addWidget(environment);
    auto *right = new QVBoxLayout;
    right->addWidget(operation);
    right->addWidget(calculator);
    right->addStretch();
    columns->addLayout(right);
    return page;
}

QWidget *TPagesDlg2::createResultFormatPage() {
    auto *page = new QWidget;
    QGroupBox *format = Group("Result Number Format", page);
    RadioButton1 = Named(new QRadioButton("&AutoFormat"), "RadioButton1");
    RadioButton2 = Named(new QRadioButton("&Scientific"), "RadioButton2");
    RadioButton3 = Named(new QRadioButton("&Fixed"), "RadioButton3");
    RadioButton4 = Named(new QRadioButton("Fixed with &Thousands Separators"), "RadioButton4");
    ComboBox1 = Named(new QComboBox, "ComboBox1");
    for (int places = 0; places <= 12; ++places)
        ComboBox1->addItem(QString::number(places));
    ComboBox1->setStyleSheet("QComboBox:disabled { background-color: silver; }");
    auto *placesRow = new QWidget;
    auto *placesLayout = new QHBoxLayout(placesRow);
    placesLayout->setContentsMargins(0, 0, 0, 0);
    auto *placesLabel = new QLabel("&Decimal Places to Display in Result:");
    placesLabel->setBuddy(ComboBox1);
    placesLayout->addWidget(placesLabel);
    placesLayout->addWidget(ComboBox1);
    placesLayout->addStretch();
    Add(format, {RadioButton1, RadioButton2, RadioButton3, RadioButton4, placesRow});
    QGroupBox *preview = Group("Preview", page);
    Label1 = Named(new QLabel, "Label1");
    QFont sampleFont("Arial");
    sampleFont.setPixelSize(27);
    sampleFont.setBold(true);
    Label1->setFont(sampleFont);
    Add(preview, {Label1});
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(format);
    layout->addWidget(preview);
    layout->addStretch();
    return page;
}

QWidget *TPagesDlg2::createStringFormatPage() {
    auto *page = new QWidget;
    QGroupBox *format = Group("Compound Result Format", page);
    RadioSF1 = Named(new QRadioButton("(&value) unit + (value) unit + (value) unit"), "RadioSF1");
    RadioSF2 = Named(new QRadioButton("value u&nit + value unit + value unit"), "RadioSF2");
    RadioSF3 = Named(new QRadioButton("&unit (value) + unit (value) + unit (value)"), "RadioSF3");
    Add(format, {RadioSF1, RadioSF2, RadioSF3});
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(format);
    layout->addStretch();
    return page;
}

QWidget *TPagesDlg2::createFontsPage() {
    auto *page = new QWidget;
    QGroupBox *fields = Group("Text Fields and Lists", page);
    StaticText9 = FontSample("StaticText9", fields);
    BitBtn5 = Named(new QPushButton("&Change..."), "BitBtn5");
    Add(fields, {StaticText9, BitBtn5});
    QGroupBox *tabs = Group("Category Selection Index Tabs", page);
    StaticText11 = FontSample("StaticText11", tabs);
    BitBtn7 = Named(new QPushButton("C&hange..."), "BitBtn7");
    Add(tabs, {StaticText11, BitBtn7});
    BitBtn5->setAccessibleName("Change the font of text fields and lists");
    BitBtn7->setAccessibleName("Change the font of the category tabs");
    BitBtn4 = Named(new QPushButton("&Default"), "BitBtn4");
    BitBtn4->setAccessibleName("Default fonts");
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(fields);
    layout->addWidget(tabs);
    layout->addWidget(BitBtn4, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

// Flags follow clicks (the user's doing), never the set-up of the controls.
void TPagesDlg2::connectControls() {
    const auto flagOn = [this](QCheckBox *box, bool PreferenceChanges::*flag) {
        connect(box, &QCheckBox::clicked, this, [this, flag] { m_changes.*flag = true; });
    };
    flagOn(CheckBox2, &PreferenceChanges::tabs);
    flagOn(CheckBox1, &PreferenceChanges::toolbars);
    flagOn(CheckBox6, &PreferenceChanges::toolbars);
    flagOn(CheckBox3, &PreferenceChanges::sortUnits);
    flagOn(CheckBox7, &PreferenceChanges::allResults);
    flagOn(CheckBox9, &PreferenceChanges::tray);
    flagOn(CheckBox8, &PreferenceChanges::startUp);
    connect(RadioButton5, &QRadioButton::toggled, this, &TPagesDlg2::RadioButton5Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TPagesDlg2::SpeedButton1Click);
    int format = 0;
    for (QRadioButton *button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        connect(button, &QRadioButton::toggled, this, [this, format](bool on) {
            if (on)
                resultFormatChosen(format);
        });
        ++format;
    }
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TPagesDlg2::ComboBox1Change);
    connect(BitBtn5, &QPushButton::clicked, this, &TPagesDlg2::BitBtn5Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TPagesDlg2::BitBtn7Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TPagesDlg2::BitBtn4Click);
}

} // namespace mensurio
