// SPDX-License-Identifier: MIT
// The conversion record and the three clipboard texts of the Record menu.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/ConversionBridge.h"
#include "ui/mainwindow/ListWidgetSelection.h"
#include "ui/shared/QtCp1252.h"
#include "ui/mainwindow/OutputUnitList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace mensurio {

void TForm1::connectRecordCommands() {
    const WindowActions &a = m_actions;
    // The record button's tooltip is the record itself; the menu shows no tooltips.
    m_record.SetHintListener([this](const std::string &hint) {
        m_actions.Record1->setToolTip(QtCp1252::ToQString(hint));
    });
    connect(a.Record1, &QAction::toggled, this, [this](bool on) { m_record.SetRecording(on); });
    connect(a.AddItem1, &QAction::triggered, this, &TForm1::AddItem1Click);
    connect(a.RemoveLastItem1, &QAction::triggered, this, [this] { m_record.RemoveLastItem(); });
    connect(a.DeleteAllItems1, &QAction::triggered, this, [this] { m_record.DeleteAllItems(); });
    connect(a.CopyConversion1, &QAction::triggered, this, &TForm1::CopyConversion1Click);
    connect(a.CopyAllConversions1, &QAction::triggered, this, &TForm1::CopyAllConversions1Click);
    connect(a.CopyRecord1, &QAction::triggered, this, &TForm1::CopyRecord1Click);
    ListBox1->installEventFilter(this);
    ListBox2->installEventFilter(this);
}

ConversionSnapshot TForm1::conversionSnapshot() const {
    ConversionSnapshot snapshot;
    snapshot.category = m_settings.AktualCate;
    snapshot.inputText = QtCp1252::FromQString(Edit1->text());
    snapshot.outputText = QtCp1252::FromQString(Edit2->text());
    snapshot.input = ListWidgetSelection::Read(*ListBox1);
    snapshot.output = ListWidgetSelection::Read(*ListBox2);
    for (int row = 0; row < ListBox1->count(); ++row)
        snapshot.rowNames.push_back(QtCp1252::FromQString(ListBox1->item(row)->text()));
    snapshot.compoundInput = m_engine.Compound();
    snapshot.outputIsResult = m_bridge && m_bridge->ShowsResult();
    return snapshot;
}

void TForm1::putOnClipboard(const std::string &text) {
    QApplication::clipboard()->setText(QtCp1252::ToQString(text));
}

// The record keeps conversions only: a message in the output field adds nothing.
void TForm1::AddItem1Click() {
    m_record.AddItem(RecordItemText(conversionSnapshot()));
}

// Also an empty line replaces the clipboard's text.
void TForm1::CopyConversion1Click() {
    putOnClipboard(CurrentConversionText(conversionSnapshot()));
}

// One more conversion in collect mode: the output field, the value column and the settings
// stay as they are. Nothing to copy leaves the clipboard alone.
void TForm1::CopyAllConversions1Click() {
    const std::optional<std::string> text =
        CopyAllConversions(m_engine, m_bridge->BuildRequest(), conversionSnapshot(), m_categoryHasUnits);
    if (text)
        putOnClipboard(*text);
}

void TForm1::CopyRecord1Click() {
    if (const std::optional<std::string> text = m_record.CopyRecord())
        putOnClipboard(*text);
}

// While recording, a key that types a character in a unit list (Enter and Space included)
// adds the current conversion; the list still gets the key.
void TForm1::recordKeyFilter(QObject *, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (m_record.AddsOnUnitListKey(key->text().toStdString()))
        AddItem1Click();
}

} // namespace mensurio
