// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <cstddef>

class QCheckBox;
class QLabel;

namespace mensurio {

struct ProgramSettings;

/// The tip-of-the-day dialog: one tip at a time with Previous, Next and Close, and the choice
/// whether it shows when the program starts.
class TipOfTheDayDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TipOfTheDayDialog)

  public:
    /// Starts at tip `firstTip` (wrapped into the list) with the check box preset to showAtStart.
    TipOfTheDayDialog(bool showAtStart, std::size_t firstTip, QWidget *parent = nullptr);

    bool ShowAtStart() const;
    std::size_t TipIndex() const { return m_index; }
    QString TipText() const;

    void NextTip();
    void PreviousTip();

    /// The start-up showing and "Tip of the Day...": the dialog opens at a random tip with the
    /// check box preset to `tipbox`, and `tipbox` takes the check box's state when it closes.
    static void ShowTipOfTheDay(ProgramSettings &settings, QWidget *parent);

  private:
    void ShowTip();

    std::size_t m_index = 0;
    QLabel *m_tipLabel = nullptr;
    QCheckBox *m_showAtStart = nullptr;
};

} // namespace mensurio
