// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ResultFormatter.h"
#include "core/platform/StartupLink.h"
#include "core/settings/FontSettings.h"
#include "ui/preferences/PreferenceChanges.h"

#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace mensurio {

class MainWindow;
struct ProgramSettings;

/// The "Preferences" dialog: the user-level settings, the two display fonts and the start-up
/// link. Only the result-format sample is live; OK applies what was touched, Cancel restores.
class PreferencesDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreferencesDialog)
  public:
    /// Asks for a font starting from `initial`; nothing when the user cancels. Tests answer it.
    using FontChooser = std::function<std::optional<QFont>(const QFont &initial, QWidget *parent)>;

    static constexpr long double kSampleValue = 1234567.89987654321L;
    /// Name filters cannot test the execute permission: "Programs" lists every file (Linux programs
    /// carry no extension), the second choice narrows to the usual packaged and script forms.
    static constexpr char kCalculatorFilter[] =
        "Programs (*);;AppImages and Scripts (*.AppImage *.sh);;All Files (*)";

    PreferencesDialog(MainWindow &window, StartupLink startupLink, QWidget *parent = nullptr);

    void SetFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }
    const PreferenceChanges &changes() const { return m_changes; }

    void accept() override;
    void reject() override;

  private:
    // Building the pages (PreferencesDialogPages.cpp)
    QWidget *createGeneralPage();
    QWidget *createResultFormatPage();
    QWidget *createStringFormatPage();
    QWidget *createFontsPage();
    void connectControls();
    // Behaviour (PreferencesDialog.cpp)
    void FormShow();
    void showFonts(const FontSpec &field, const FontSpec &tab);
    void calculatorChoiceChanged();
    void resultFormatChosen(ResultFormat format);
    std::array<std::pair<QRadioButton *, ResultFormat>, 4> formatButtons() const;
    void decimalPlacesChanged(int index);
    void renderSample();
    void changeFieldFont();
    void changeTabFont();
    void useDefaultFonts();
    void browseForCalculator();
    void copyControlsToSettings();

    MainWindow &m_window;
    ProgramSettings &m_settings;
    StartupLink m_startupLink;
    FontChooser m_chooseFont;
    PreferenceChanges m_changes;
    ResultFormat m_rememberedFormat = ResultFormat::Auto;
    int32_t m_rememberedPlaces = 0;

    QCheckBox *m_showToolbar = nullptr;
    QCheckBox *m_showCategoryTabs = nullptr;
    QCheckBox *m_sortUnits = nullptr;
    QCheckBox *m_swapValueOnInvert = nullptr;
    QCheckBox *m_showRecordbar = nullptr;
    QCheckBox *m_showAllResults = nullptr;
    QCheckBox *m_runOnStartUp = nullptr;
    QCheckBox *m_minimizeToTray = nullptr;
    QRadioButton *m_otherCalculator = nullptr;
    QRadioButton *m_systemCalculator = nullptr;
    QLineEdit *m_calculatorPath = nullptr;
    QToolButton *m_browseButton = nullptr;
    QRadioButton *m_autoFormat = nullptr;
    QRadioButton *m_scientificFormat = nullptr;
    QRadioButton *m_fixedFormat = nullptr;
    QRadioButton *m_thousandsFormat = nullptr;
    QComboBox *m_decimalPlaces = nullptr;
    QLabel *m_formatSample = nullptr;
    QRadioButton *m_bracketedValues = nullptr;
    QRadioButton *m_plainValues = nullptr;
    QRadioButton *m_unitsFirst = nullptr;
    QLabel *m_fieldFontSample = nullptr;
    QLabel *m_tabFontSample = nullptr;
    QPushButton *m_defaultFontsButton = nullptr;
    QPushButton *m_changeFieldFontButton = nullptr;
    QPushButton *m_changeTabFontButton = nullptr;
    FontSpec m_pendingFieldFont; // what fieldFontSample shows
    FontSpec m_pendingTabFont;   // what tabFontSample shows
};

} // namespace mensurio
