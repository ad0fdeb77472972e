// SPDX-License-Identifier: MIT
#include "ui/mainwindow/ConversionBridge.h"

#include "core/engine/Engine.h"
#include "core/engine/RequestSettings.h"
#include "core/settings/ProgramSettings.h"
#include "ui/mainwindow/ListWidgetSelection.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/shared/QtCp1252.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>

namespace mensurio {

ConversionBridge::ConversionBridge(Engine &engine, const ProgramSettings &settings,
                                   NumberSeparators separators, ConversionWidgets widgets)
    : m_engine(engine), m_settings(settings), m_separators(separators), m_widgets(widgets) {}

ConversionRequest ConversionBridge::BuildRequest() const {
    ConversionRequest request;
    request.inputText = QtCp1252::FromTypedQString(m_widgets.input->text());
    request.input = ListWidgetSelection::Read(*m_widgets.inputList);
    request.output = ListWidgetSelection::Read(*m_widgets.outputList);
    ApplyProgramSettings(request, m_settings, m_separators);
    return request;
}

void ConversionBridge::ApplyResult(const ConversionResult &result) {
    if (result.inputSelection)
        ListWidgetSelection::Write(*m_widgets.inputList, *result.inputSelection);
    if (result.outputText) {
        m_showsResult = result.resultValid;
        m_widgets.output->setText(QtCp1252::ToQString(*result.outputText));
        m_widgets.output->setCursorPosition(0); // a long result shows its start
        announce(*result.outputText, result.resultValid);
    }
    if (result.allResults) {
        QStringList values;
        values.reserve(static_cast<qsizetype>(result.allResults->size()));
        for (const std::string &value : *result.allResults)
            values.append(QtCp1252::ToQString(value));
        m_widgets.outputList->setValues(values);
    }
}

QString ConversionBridge::Announcement(const QString &output, bool isResult,
                                       const QString &singleOutputUnit) {
    if (!isResult || output.isEmpty())
        return output;
    return singleOutputUnit.isEmpty() ? "Result: " + output : "Result: " + output + " " + singleOutputUnit;
}

// The result goes into the value field's description too, which screen readers announce while
// the focus stays in the field: no need to move to the output field after each key.
void ConversionBridge::announce(const std::string &output, bool isResult) {
    const QList<QListWidgetItem *> selected = m_widgets.outputList->selectedItems();
    const QString unit = selected.size() == 1 ? selected.front()->text() : QString();
    const QString announcement = Announcement(QtCp1252::ToQString(output), isResult, unit);
    if (announcement == m_widgets.input->accessibleDescription())
        return;
    m_widgets.input->setAccessibleDescription(announcement);
    // Told explicitly: setting the description alone does not reach the screen reader here.
    QAccessibleEvent changed(m_widgets.input, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void ConversionBridge::Convert() {
    ApplyResult(m_engine.Convert(BuildRequest()));
    if (m_settings.split && m_quickRepaint)
        m_widgets.outputList->QuickRepaint();
    m_quickRepaint = true;
}

} // namespace mensurio
