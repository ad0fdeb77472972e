// SPDX-License-Identifier: MIT
#include "ui/preferences/PreferencesDialog.h"

#include "core/engine/ResultFormatter.h"
#include "core/platform/FileOps.h"
#include "core/platform/Prompts.h"
#include "core/settings/ProgramSettings.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/shared/QtCp1252.h"
#include "ui/shared/QtFonts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace mensurio {

namespace {

constexpr int kDesignWidth = 427;
constexpr int kDesignHeight = 299;

std::optional<QFont> AskFontDialog(const QFont &initial, QWidget *parent) {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, parent, "Font");
    return chosen ? std::optional<QFont>(font) : std::nullopt;
}

void ShowFont(QLabel &sample, const FontSpec &font) {
    sample.setFont(QtFonts::ToQFont(font, QApplication::font()));
    QPalette palette = sample.palette();
    palette.setColor(QPalette::WindowText,
                     QtFonts::TextColor(font).value_or(QApplication::palette().color(QPalette::WindowText)));
    sample.setPalette(palette);
}

} // namespace

PreferencesDialog::PreferencesDialog(MainWindow &window, StartupLink startupLink, QWidget *parent)
    : QDialog(parent), m_window(window), m_settings(window.settings()), m_startupLink(std::move(startupLink)),
      m_chooseFont(&AskFontDialog) {
    setObjectName("PreferencesDialog");
    setWindowTitle("Preferences");
    auto *pages = new QTabWidget(this);
    pages->setObjectName("pages");
    pages->setAccessibleName("Preference pages");
    pages->tabBar()->setAccessibleName("Pages");
    pages->addTab(createGeneralPage(), "General");
    pages->addTab(createResultFormatPage(), "Result Format");
    pages->addTab(createStringFormatPage(), "String Format");
    pages->addTab(createFontsPage(), "Fonts");
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    FormShow();
    connectControls();
    // A fixed border, at least the design's size, centred on the screen.
    setFixedSize(sizeHint().expandedTo(QSize(kDesignWidth, kDesignHeight)));
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The controls show the settings; nothing here counts as a change (the flags follow clicks).
void PreferencesDialog::FormShow() {
    m_runOnStartUp->setChecked(m_startupLink.Exists());
    m_showToolbar->setChecked(m_settings.Toolbar971Visible);
    m_showRecordbar->setChecked(m_settings.Toolbar972Visible);
    m_showCategoryTabs->setChecked(m_settings.GeDiCate);
    m_sortUnits->setChecked(m_settings.GeSoUnit);
    m_minimizeToTray->setChecked(m_settings.tray);
    m_swapValueOnInvert->setChecked(m_settings.SwopValue);
    m_showAllResults->setChecked(m_settings.split);
    (m_settings.GeCaDefa ? m_systemCalculator : m_otherCalculator)->setChecked(true);
    calculatorChoiceChanged();
    m_calculatorPath->setText(QtCp1252::ToQString(m_settings.CalcPath));
    m_rememberedFormat = m_settings.ReNumber;
    m_rememberedPlaces = m_settings.ReDeciPlace;
    for (const auto &[button, format] : formatButtons())
        if (format == m_settings.ReNumber)
            button->setChecked(true);
    resultFormatChosen(m_settings.ReNumber);
    {
        const QSignalBlocker blocked(m_decimalPlaces); // an out-of-range value stays until one is chosen
        m_decimalPlaces->setCurrentIndex(EffectiveDecimalPlaces(m_settings.ReDeciPlace));
    }
    const std::pair<QRadioButton *, CompoundStyle> styles[] = {
        {m_bracketedValues, CompoundStyle::ParenthesisedValue},
        {m_plainValues, CompoundStyle::PlainValue},
        {m_unitsFirst, CompoundStyle::UnitFirst}};
    for (const auto &[button, style] : styles)
        if (style == m_settings.multiformat)
            button->setChecked(true);
    showFonts(m_window.FieldFont(), m_window.TabFont());
}

void PreferencesDialog::showFonts(const FontSpec &field, const FontSpec &tab) {
    m_pendingFieldFont = field;
    m_pendingTabFont = tab;
    ShowFont(*m_fieldFontSample, field);
    ShowFont(*m_tabFontSample, tab);
}

void PreferencesDialog::calculatorChoiceChanged() {
    const bool other = m_otherCalculator->isChecked();
    m_calculatorPath->setEnabled(other);
    m_browseButton->setEnabled(other);
}

// The format takes effect at once, so the sample shows it; Cancel takes it back.
std::array<std::pair<QRadioButton *, ResultFormat>, 4> PreferencesDialog::formatButtons() const {
    return {{{m_autoFormat, ResultFormat::Auto},
             {m_scientificFormat, ResultFormat::Scientific},
             {m_fixedFormat, ResultFormat::Fixed},
             {m_thousandsFormat, ResultFormat::FixedThousands}}};
}

void PreferencesDialog::resultFormatChosen(ResultFormat format) {
    m_settings.ReNumber = format;
    m_decimalPlaces->setEnabled(format != ResultFormat::Auto);
    renderSample();
}

void PreferencesDialog::decimalPlacesChanged(int index) {
    if (index < 0)
        return;
    m_settings.ReDeciPlace = index;
    renderSample();
}

void PreferencesDialog::renderSample() {
    const ResultFormatOptions options{m_settings.ReNumber, m_settings.ReDeciPlace, m_window.Separators()};
    m_formatSample->setText(QtCp1252::ToQString(FormatResult(kSampleValue, false, options)));
}

// The font dialog starts from the window's font of that kind, not from the pending one.
void PreferencesDialog::changeFieldFont() {
    const FontSpec &current = m_window.FieldFont();
    if (const auto chosen = m_chooseFont(QtFonts::ToQFont(current, QApplication::font()), this)) {
        showFonts(QtFonts::FromQFont(*chosen, current), m_pendingTabFont);
        m_changes.anyFont = m_changes.fieldFont = true;
    }
}

void PreferencesDialog::changeTabFont() {
    const FontSpec &current = m_window.TabFont();
    if (const auto chosen = m_chooseFont(QtFonts::ToQFont(current, QApplication::font()), this)) {
        showFonts(m_pendingFieldFont, QtFonts::FromQFont(*chosen, current));
        m_changes.anyFont = m_changes.tabFont = true;
    }
}

void PreferencesDialog::useDefaultFonts() {
    showFonts(FontSpec{}, FontSpec{});
    m_changes.anyFont = m_changes.fieldFont = m_changes.tabFont = true;
}

// The dialog starts in the chosen program's folder, else where desktop programs live.
void PreferencesDialog::browseForCalculator() {
    const std::string current = m_calculatorPath->text().toStdString();
    const std::string folder =
        current.find('/') != std::string::npos ? FileOps::DirectoryOf(current) : "/usr/bin";
    const std::string chosen =
        m_window.prompts().OpenFileName("Calculator Program", folder, kCalculatorFilter);
    if (!chosen.empty())
        m_calculatorPath->setText(QString::fromStdString(chosen));
}

void PreferencesDialog::copyControlsToSettings() {
    m_settings.Toolbar971Visible = m_showToolbar->isChecked();
    m_settings.Toolbar972Visible = m_showRecordbar->isChecked();
    m_settings.GeDiCate = m_showCategoryTabs->isChecked();
    m_settings.GeSoUnit = m_sortUnits->isChecked();
    m_settings.SwopValue = m_swapValueOnInvert->isChecked();
    m_settings.GeCaDefa = m_systemCalculator->isChecked();
    m_settings.split = m_showAllResults->isChecked();
    m_settings.CalcPath = QtCp1252::FromQString(m_calculatorPath->text());
    // ReNumber and ReDeciPlace already hold what the page shows.
    m_settings.multiformat = m_unitsFirst->isChecked()    ? CompoundStyle::UnitFirst
                             : m_plainValues->isChecked() ? CompoundStyle::PlainValue
                                                          : CompoundStyle::ParenthesisedValue;
}

namespace {

constexpr const char *kUnstorableCalculatorPath =
    "The calculator path holds characters that the settings file cannot store, so the calculator "
    "could not be found again. Choose a program whose path uses only Western European characters.";

// The settings file holds Windows-1252 text: a path that would not read back as typed is refused.
bool ReadsBackExactly(const QString &path) {
    return QtCp1252::ToQString(QtCp1252::FromQString(path)) == path;
}

} // namespace

void PreferencesDialog::accept() {
    if (!ReadsBackExactly(m_calculatorPath->text())) {
        m_window.prompts().Error(kUnstorableCalculatorPath);
        m_calculatorPath->setFocus();
        return; // the dialog stays open with every other choice as it was
    }
    copyControlsToSettings();
    m_changes.newFieldFont = m_pendingFieldFont;
    m_changes.newTabFont = m_pendingTabFont;
    m_window.ApplyPreferences(m_changes);
    if (m_changes.startUp)
        m_startupLink.BringInLine(m_runOnStartUp->isChecked(), m_window.prompts());
    if (m_changes.tray)
        m_window.ApplyTrayPreference(m_minimizeToTray->isChecked());
    QDialog::accept();
}

void PreferencesDialog::reject() {
    m_settings.ReNumber = m_rememberedFormat;
    m_settings.ReDeciPlace = m_rememberedPlaces;
    QDialog::reject();
}

} // namespace mensurio
