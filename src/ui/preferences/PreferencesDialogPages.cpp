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

QWidget *PreferencesDialog::createGeneralPage() {
    auto *page = new QWidget;
    QGroupBox *environment = Group("Environment", page);
    m_showToolbar = Named(new QCheckBox("Show &Toolbar"), "showToolbar");
    m_showRecordbar = Named(new QCheckBox("Show &Recordbar"), "showRecordbar");
    m_showCategoryTabs = Named(new QCheckBox("Show &Category Selection Index Tabs"), "showCategoryTabs");
    m_sortUnits = Named(new QCheckBox("Sort &Units in Alphabetical Order"), "sortUnits");
    m_runOnStartUp = Named(new QCheckBox("Run on &Start Up"), "runOnStartUp");
    m_minimizeToTray = Named(new QCheckBox("&Minimize to Tray"), "minimizeToTray");
    Add(environment,
        {m_showToolbar, m_showRecordbar, m_showCategoryTabs, m_sortUnits, m_runOnStartUp, m_minimizeToTray});
    static_cast<QVBoxLayout *>(environment->layout())->addStretch();
    QGroupBox *operation = Group("Operation", page);
    m_swapValueOnInvert = Named(new QCheckBox("Swop &Value by Invert Conversion"), "swapValueOnInvert");
    m_showAllResults = Named(new QCheckBox("Show &All Results"), "showAllResults");
    Add(operation, {m_swapValueOnInvert, m_showAllResults});
    QGroupBox *calculator = Group("Calculator Program", page);
    m_systemCalculator = Named(new QRadioButton("&System Calculator"), "systemCalculator");
    m_otherCalculator = Named(new QRadioButton("&Other Program:"), "otherCalculator");
    auto *pathRow = new QWidget;
    auto *pathLayout = new QHBoxLayout(pathRow);
    pathLayout->setContentsMargins(0, 0, 0, 0);
    m_calculatorPath = Named(new QLineEdit, "calculatorPath");
    m_calculatorPath->setStyleSheet("QLineEdit:disabled { background-color: silver; }");
    m_browseButton = Named(new QToolButton, "browseCalculatorButton");
    m_browseButton->setText("...");
    m_browseButton->setToolTip("Browse");
    m_calculatorPath->setAccessibleName("Other calculator program");
    m_browseButton->setAccessibleName("Browse for the calculator program");
    pathLayout->addWidget(m_calculatorPath);
    pathLayout->addWidget(m_browseButton);
    Add(calculator, {m_systemCalculator, m_otherCalculator, pathRow});
    auto *columns = new QHBoxLayout(page);
    columns->addWidget(environment);
    auto *right = new QVBoxLayout;
    right->addWidget(operation);
    right->addWidget(calculator);
    right->addStretch();
    columns->addLayout(right);
    return page;
}

QWidget *PreferencesDialog::createResultFormatPage() {
    auto *page = new QWidget;
    QGroupBox *format = Group("Result Number Format", page);
    m_autoFormat = Named(new QRadioButton("&AutoFormat"), "autoFormat");
    m_scientificFormat = Named(new QRadioButton("&Scientific"), "scientificFormat");
    m_fixedFormat = Named(new QRadioButton("&Fixed"), "fixedFormat");
    m_thousandsFormat = Named(new QRadioButton("Fixed with &Thousands Separators"), "thousandsFormat");
    m_decimalPlaces = Named(new QComboBox, "decimalPlaces");
    for (int places = 0; places <= 12; ++places)
        m_decimalPlaces->addItem(QString::number(places));
    m_decimalPlaces->setStyleSheet("QComboBox:disabled { background-color: silver; }");
    auto *placesRow = new QWidget;
    auto *placesLayout = new QHBoxLayout(placesRow);
    placesLayout->setContentsMargins(0, 0, 0, 0);
    auto *placesLabel = new QLabel("&Decimal Places to Display in Result:");
    placesLabel->setBuddy(m_decimalPlaces);
    placesLayout->addWidget(placesLabel);
    placesLayout->addWidget(m_decimalPlaces);
    placesLayout->addStretch();
    Add(format, {m_autoFormat, m_scientificFormat, m_fixedFormat, m_thousandsFormat, placesRow});
    QGroupBox *preview = Group("Preview", page);
    m_formatSample = Named(new QLabel, "formatSample");
    QFont sampleFont("Arial");
    sampleFont.setPixelSize(27);
    sampleFont.setBold(true);
    m_formatSample->setFont(sampleFont);
    Add(preview, {m_formatSample});
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(format);
    layout->addWidget(preview);
    layout->addStretch();
    return page;
}

QWidget *PreferencesDialog::createStringFormatPage() {
    auto *page = new QWidget;
    QGroupBox *format = Group("Compound Result Format", page);
    m_bracketedValues =
        Named(new QRadioButton("(&value) unit + (value) unit + (value) unit"), "compoundBracketedValues");
    m_plainValues = Named(new QRadioButton("value u&nit + value unit + value unit"), "compoundPlainValues");
    m_unitsFirst =
        Named(new QRadioButton("&unit (value) + unit (value) + unit (value)"), "compoundUnitsFirst");
    Add(format, {m_bracketedValues, m_plainValues, m_unitsFirst});
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(format);
    layout->addStretch();
    return page;
}

QWidget *PreferencesDialog::createFontsPage() {
    auto *page = new QWidget;
    QGroupBox *fields = Group("Text Fields and Lists", page);
    m_fieldFontSample = FontSample("fieldFontSample", fields);
    m_changeFieldFontButton = Named(new QPushButton("&Change..."), "changeFieldFontButton");
    Add(fields, {m_fieldFontSample, m_changeFieldFontButton});
    QGroupBox *tabs = Group("Category Selection Index Tabs", page);
    m_tabFontSample = FontSample("tabFontSample", tabs);
    m_changeTabFontButton = Named(new QPushButton("C&hange..."), "changeTabFontButton");
    Add(tabs, {m_tabFontSample, m_changeTabFontButton});
    m_changeFieldFontButton->setAccessibleName("Change the font of text fields and lists");
    m_changeTabFontButton->setAccessibleName("Change the font of the category tabs");
    m_defaultFontsButton = Named(new QPushButton("&Default"), "defaultFontsButton");
    m_defaultFontsButton->setAccessibleName("Default fonts");
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(fields);
    layout->addWidget(tabs);
    layout->addWidget(m_defaultFontsButton, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

// Flags follow clicks (the user's doing), never the set-up of the controls.
void PreferencesDialog::connectControls() {
    const auto flagOn = [this](QCheckBox *box, bool PreferenceChanges::*flag) {
        connect(box, &QCheckBox::clicked, this, [this, flag] { m_changes.*flag = true; });
    };
    flagOn(m_showCategoryTabs, &PreferenceChanges::tabs);
    flagOn(m_showToolbar, &PreferenceChanges::toolbars);
    flagOn(m_showRecordbar, &PreferenceChanges::toolbars);
    flagOn(m_sortUnits, &PreferenceChanges::sortUnits);
    flagOn(m_showAllResults, &PreferenceChanges::allResults);
    flagOn(m_minimizeToTray, &PreferenceChanges::tray);
    flagOn(m_runOnStartUp, &PreferenceChanges::startUp);
    connect(m_otherCalculator, &QRadioButton::toggled, this, &PreferencesDialog::calculatorChoiceChanged);
    connect(m_browseButton, &QToolButton::clicked, this, &PreferencesDialog::browseForCalculator);
    for (const auto &[button, format] : formatButtons()) {
        connect(button, &QRadioButton::toggled, this, [this, chosen = format](bool on) {
            if (on)
                resultFormatChosen(chosen);
        });
    }
    connect(m_decimalPlaces, &QComboBox::currentIndexChanged, this, &PreferencesDialog::decimalPlacesChanged);
    connect(m_changeFieldFontButton, &QPushButton::clicked, this, &PreferencesDialog::changeFieldFont);
    connect(m_changeTabFontButton, &QPushButton::clicked, this, &PreferencesDialog::changeTabFont);
    connect(m_defaultFontsButton, &QPushButton::clicked, this, &PreferencesDialog::useDefaultFonts);
}

} // namespace mensurio
