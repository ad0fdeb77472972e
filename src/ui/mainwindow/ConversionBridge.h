// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ConversionRequest.h"
#include "core/engine/ConversionResult.h"
#include "core/engine/Separators.h"

#include <QString>

class QLineEdit;
class QListWidget;

namespace mensurio {

class Engine;
class OutputUnitList;
struct ProgramSettings;

/// The widgets a conversion reads and writes.
struct ConversionWidgets {
    QLineEdit *input = nullptr;  // the value field
    QLineEdit *output = nullptr; // the result field
    QListWidget *inputList = nullptr;
    OutputUnitList *outputList = nullptr;
};

/// Carries one conversion between the window and the engine: builds the ConversionRequest from
/// the widgets and the settings, runs the engine and puts the ConversionResult back.
class ConversionBridge {
  public:
    ConversionBridge(Engine &engine, const ProgramSettings &settings, NumberSeparators separators,
                     ConversionWidgets widgets);

    ConversionRequest BuildRequest() const;
    /// Writes the output field, the all-results column and the input list's new selection.
    void ApplyResult(const ConversionResult &result);
    /// BuildRequest, the engine's Convert and ApplyResult; then the all-results column is
    /// repainted at once when asked for and the quick repaint is asked for again.
    void Convert();

    /// Show All Results asks for the next conversion to leave the repaint to the list's mode switch.
    void SetQuickRepaint(bool on) { m_quickRepaint = on; }
    bool QuickRepaint() const { return m_quickRepaint; }
    /// The output field holds a result of the last conversion shown, not a message.
    bool ShowsResult() const { return m_showsResult; }

    /// What the value field's description tells a screen reader after a conversion.
    static QString Announcement(const QString &output, bool isResult, const QString &singleOutputUnit);

  private:
    void announce(const std::string &output, bool isResult);

    Engine &m_engine;
    const ProgramSettings &m_settings;
    NumberSeparators m_separators;
    ConversionWidgets m_widgets;
    bool m_quickRepaint = true;
    bool m_showsResult = false;
};

} // namespace mensurio
