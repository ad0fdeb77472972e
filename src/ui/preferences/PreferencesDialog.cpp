// SPDX-License-Identifier: MIT
#include "ui/preferences/PreferencesDialog.h"

#include "core/engine/ResultFormatter.h"
#include "core/platform/FileOps.h"
#include "core/platform/Prompts.h"
#include "core/settings/ProgramSettings.h"
#include "ui/shared/QtCp1252.h"
#include "ui/shared/QtFonts.h"
#include "ui/mainwindow/MainWindow.h"

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

void ShowFont(QLabel &sample, const tfont2 &font) {
    sample.setFont(QtFonts::ToQFont(font, QApplication::font()));
    QPalette palette = sample.palette();
    palette.setColor(QPalette::WindowText,
                     QtFonts::TextColor(font).value_or(QApplication::palette().color(QPalette::WindowText)));
    sample.setPalette(palette);
}

} // namespace

TPagesDlg2::TPagesDlg2(TForm1 &window, StartupLink startupLink, QWidget *parent)
    : QDialog(parent), m_window(window), m_settings(window.settings()), m_startupLink(std::move(startupLink)),
      m_chooseFont(&AskFontDialog) {
    setObjectName("TPagesDlg2");
    setWindowTitle("Preferences");
    auto *pages = new QTabWidget(this);
    pages->setObjectName("PageControl1");
    pages->setAccessibleName("Preference pages");
    pages->tabBar()->setAccessibleName("Pages");
    pages->addTab(createGeneralPage(), "General");
    pages->addTab(createResultFormatPage(), "Result Format");
    pages->addTab(createStringFormatPage(), "String Format");
    pages->addTab(createFontsPage(), "Fonts");
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &TPagesDlg2::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TPagesDlg2::reject);
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
void TPagesDlg2::FormShow() {
    CheckBox8->setChecked(m_startupLink.Exists());
    CheckBox1->setChecked(m_settings.Toolbar971Visible);
    CheckBox6->setChecked(m_settings.Toolbar972Visible);
    CheckBox2->setChecked(m_settings.GeDiCate);
    CheckBox3->setChecked(m_settings.GeSoUnit);
    CheckBox9->setChecked(m_settings.tray);
    CheckBox5->setChecked(m_settings.SwopValue);
    CheckBox7->setChecked(m_settings.split);
    (m_settings.GeCaDefa ? RadioButton6 : RadioButton5)->setChecked(true);
    RadioButton5Click();
    Edit1->setText(QtCp1252::ToQString(m_settings.CalcPath));
    m_rememberedFormat = m_settings.ReNumber;
    m_rememberedPlaces = m_settings.ReDeciPlace;
    QRadioButton *formats[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    const int format = m_settings.ReNumber >= 0 && m_settings.ReNumber <= 3 ? m_settings.ReNumber : 0;
    formats[format]->setChecked(true);
    resultFormatChosen(format);
    {
        const QSignalBlocker blocked(ComboBox1); // an out-of-range value stays until one is chosen
        ComboBox1->setCurrentIndex(EffectiveDecimalPlaces(m_settings.ReDeciPlace));
    }
    QRadioButton *styles[] = {RadioSF1, RadioSF2, RadioSF3};
    styles[m_settings.multiformat >= 0 && m_settings.multiformat <= 2 ? m_settings.multiformat : 0]
        ->setChecked(true);
    showFonts(m_window.FieldFont(), m_window.TabFont());
}

void TPagesDlg2::showFonts(const tfont2 &field, const tfont2 &tab) {
    m_pendingFieldFont = field;
    m_pendingTabFont = tab;
    ShowFont(*StaticText9, field);
    ShowFont(*StaticText11, tab);
}

void TPagesDlg2::RadioButton5Click() {
    const bool other = RadioButton5->isChecked();
    Edit1->setEnabled(other);
    SpeedButton1->setEnabled(other);
}

// The format takes effect at once, so the sample shows it; Cancel takes it back.
void TPagesDlg2::resultFormatChosen(int format) {
    m_settings.ReNumber = format;
    ComboBox1->setEnabled(format != kFormatAuto);
    renderSample();
}

void TPagesDlg2::ComboBox1Change(int index) {
    if (index < 0)
        return;
    m_settings.ReDeciPlace = index;
    renderSample();
}

void TPagesDlg2::renderSample() {
    const ResultFormatOptions options{m_settings.ReNumber, m_settings.ReDeciPlace, m_window.Separators()};
    Label1->setText(QtCp1252::ToQString(FormatResult(kSampleValue, false, options)));
}

// The font dialog starts from the window's font of that kind, not from the pending one.
void TPagesDlg2::BitBtn5Click() {
    const tfont2 &current = m_window.FieldFont();
    if (const auto chosen = m_chooseFont(QtFonts::ToQFont(current, QApplication::font()), this)) {
        showFonts(QtFonts::FromQFont(*chosen, current), m_pendingTabFont);
        m_changes.anyFont = m_changes.fieldFont = true;
    }
}

void TPagesDlg2::BitBtn7Click() {
    const tfont2 &current = m_window.TabFont();
    if (const auto chosen = m_chooseFont(QtFonts::ToQFont(current, QApplication::font()), this)) {
        showFonts(m_pendingFieldFont, QtFonts::FromQFont(*chosen, current));
        m_changes.anyFont = m_changes.tabFont = true;
    }
}

void TPagesDlg2::BitBtn4Click() {
    showFonts(tfont2{}, tfont2{});
    m_changes.anyFont = m_changes.fieldFont = m_changes.tabFont = true;
}

// The dialog starts in the chosen program's folder, else where desktop programs live.
void TPagesDlg2::SpeedButton1Click() {
    const std::string current = Edit1->text().toStdString();
    const std::string folder =
        current.find('/') != std::string::npos ? FileOps::DirectoryOf(current) : "/usr/bin";
    const std::string chosen =
        m_window.prompts().OpenFileName("Calculator Program", folder, kCalculatorFilter);
    if (!chosen.empty())
        Edit1->setText(QString::fromStdString(chosen));
}

void TPagesDlg2::copyControlsToSettings() {
    m_settings.Toolbar971Visible = CheckBox1->isChecked();
    m_settings.Toolbar972Visible = CheckBox6->isChecked();
    m_settings.GeDiCate = CheckBox2->isChecked();
    m_settings.GeSoUnit = CheckBox3->isChecked();
    m_settings.SwopValue = CheckBox5->isChecked();
    m_settings.GeCaDefa = RadioButton6->isChecked();
    m_settings.split = CheckBox7->isChecked();
    m_settings.CalcPath = QtCp1252::FromQString(Edit1->text());
    // ReNumber and ReDeciPlace already hold what the page shows.
    m_settings.multiformat = RadioSF3->isChecked() ? 2 : RadioSF2->isChecked() ? 1 : 0;
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

void TPagesDlg2::accept() {
    if (!ReadsBackExactly(Edit1->text())) {
        m_window.prompts().Error(kUnstorableCalculatorPath);
        Edit1->setFocus();
        return; // the dialog stays open with every other choice as it was
    }
    copyControlsToSettings();
    m_changes.newFieldFont = m_pendingFieldFont;
    m_changes.newTabFont = m_pendingTabFont;
    m_window.ApplyPreferences(m_changes);
    if (m_changes.startUp)
        m_startupLink.BringInLine(CheckBox8->isChecked(), m_window.prompts());
    if (m_changes.tray)
        m_window.ApplyTrayPreference(CheckBox9->isChecked());
    QDialog::accept();
}

void TPagesDlg2::reject() {
    m_settings.ReNumber = m_rememberedFormat;
    m_settings.ReDeciPlace = m_rememberedPlaces;
    QDialog::reject();
}

} // namespace mensurio
