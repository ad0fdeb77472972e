// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform/StartupLink.h"
#include "core/settings/FontSettings.h"
#include "ui/preferences/PreferenceChanges.h"

#include <QDialog>
#include <QFont>

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

class TForm1;
struct ProgramSettings;

/// The "Preferences" dialog: the user-level settings, the two display fonts and the start-up
/// link. Only the result-format sample is live; OK applies what was touched, Cancel restores.
class TPagesDlg2 : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPagesDlg2)
  public:
    /// Asks for a font starting from `initial`; nothing when the user cancels. Tests answer it.
    using FontChooser = std::function<std::optional<QFont>(const QFont &initial, QWidget *parent)>;

    static constexpr long double kSampleValue = 1234567.89987654321L;
    /// Name filters cannot test the execute permission: "Programs" lists every file (Linux programs
    /// carry no extension), the second choice narrows to the usual packaged and script forms.
    static constexpr char kCalculatorFilter[] =
        "Programs (*);;AppImages and Scripts (*.AppImage *.sh);;All Files (*)";

    TPagesDlg2(TForm1 &window, StartupLink startupLink, QWidget *parent = nullptr);

    void SetFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }
    const PreferenceChanges &changes() const { return m_changes; }

    void accept() override;
    void reject() override;

  private:
    // Building the pages (TPagesDlg2Pages.cpp)
    QWidget *createGeneralPage();
    QWidget *createResultFormatPage();
    QWidget *createStringFormatPage();
    QWidget *createFontsPage();
    void connectControls();
    // Behaviour (TPagesDlg2.cpp)
    void FormShow();
    void showFonts(const tfont2 &field, const tfont2 &tab);
    void RadioButton5Click();
    void resultFormatChosen(int format);
    void ComboBox1Change(int index);
    void renderSample();
    void BitBtn5Click();
    void BitBtn7Click();
    void BitBtn4Click();
    void SpeedButton1Click();
    void copyControlsToSettings();

    TForm1 &m_window;
    ProgramSettings &m_settings;
    StartupLink m_startupLink;
    FontChooser m_chooseFont;
    PreferenceChanges m_changes;
    int32_t m_rememberedFormat = 0;
    int32_t m_rememberedPlaces = 0;

    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QCheckBox *CheckBox5 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QCheckBox *CheckBox8 = nullptr;
    QCheckBox *CheckBox9 = nullptr;
    QRadioButton *RadioButton5 = nullptr;
    QRadioButton *RadioButton6 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label1 = nullptr;
    QRadioButton *RadioSF1 = nullptr;
    QRadioButton *RadioSF2 = nullptr;
    QRadioButton *RadioSF3 = nullptr;
    QLabel *StaticText9 = nullptr;
    QLabel *StaticText11 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QPushButton *BitBtn7 = nullptr;
    tfont2 m_pendingFieldFont; // what StaticText9 shows
    tfont2 m_pendingTabFont;   // what StaticText11 shows
};

} // namespace mensurio
