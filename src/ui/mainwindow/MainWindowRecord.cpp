// SPDX-License-Identifier: MIT
// The conversion record and the three clipboard texts of the Record menu.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/ConversionBridge.h"
#include "ui/mainwindow/ListWidgetSelection.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/shared/QtCp1252.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace mensurio {

void MainWindow::connectRecordCommands() {
    const WindowActions &a = m_actions;
    // The record button's tooltip is the record itself; the menu shows no tooltips.
    m_record.SetHintListener(
        [this](const std::string &hint) { m_actions.record->setToolTip(QtCp1252::ToQString(hint)); });
    connect(a.record, &QAction::toggled, this, [this](bool on) { m_record.SetRecording(on); });
    connect(a.addItem, &QAction::triggered, this, &MainWindow::addRecordItem);
    connect(a.removeLastItem, &QAction::triggered, this, [this] { m_record.RemoveLastItem(); });
    connect(a.deleteAllItems, &QAction::triggered, this, [this] { m_record.DeleteAllItems(); });
    connect(a.copyConversion, &QAction::triggered, this, &MainWindow::copyConversion);
    connect(a.copyAllConversions, &QAction::triggered, this, &MainWindow::copyAllConversions);
    connect(a.copyRecord, &QAction::triggered, this, &MainWindow::copyRecord);
    m_inputList->installEventFilter(this);
    m_outputList->installEventFilter(this);
}

ConversionSnapshot MainWindow::conversionSnapshot() const {
    ConversionSnapshot snapshot;
    snapshot.category = m_settings.AktualCate;
    snapshot.inputText = QtCp1252::FromQString(m_valueField->text());
    snapshot.outputText = QtCp1252::FromQString(m_resultField->text());
    snapshot.input = ListWidgetSelection::Read(*m_inputList);
    snapshot.output = ListWidgetSelection::Read(*m_outputList);
    for (int row = 0; row < m_inputList->count(); ++row)
        snapshot.rowNames.push_back(QtCp1252::FromQString(m_inputList->item(row)->text()));
    snapshot.compoundInput = m_engine.Compound();
    snapshot.outputIsResult = m_bridge && m_bridge->ShowsResult();
    return snapshot;
}

void MainWindow::putOnClipboard(const std::string &text) {
    QApplication::clipboard()->setText(QtCp1252::ToQString(text));
}

// The record keeps conversions only: a message in the output field adds nothing.
void MainWindow::addRecordItem() {
    m_record.AddItem(RecordItemText(conversionSnapshot()));
}

// Also an empty line replaces the clipboard's text.
void MainWindow::copyConversion() {
    putOnClipboard(CurrentConversionText(conversionSnapshot()));
}

// One more conversion in collect mode: the output field, the value column and the settings
// stay as they are. Nothing to copy leaves the clipboard alone.
void MainWindow::copyAllConversions() {
    const std::optional<std::string> text =
        CopyAllConversions(m_engine, m_bridge->BuildRequest(), conversionSnapshot(), m_categoryHasUnits);
    if (text)
        putOnClipboard(*text);
}

void MainWindow::copyRecord() {
    if (const std::optional<std::string> text = m_record.CopyRecord())
        putOnClipboard(*text);
}

// While recording, a key that types a character in a unit list (Enter and Space included)
// adds the current conversion; the list still gets the key.
void MainWindow::recordKeyFilter(QObject *, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (m_record.AddsOnUnitListKey(key->text().toStdString()))
        addRecordItem();
}

} // namespace mensurio
