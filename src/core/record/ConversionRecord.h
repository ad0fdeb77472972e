// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ConversionRequest.h"
#include "core/engine/ListSelection.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

class Engine;

/// The state of the conversion window that the record's texts are built from.
struct ConversionSnapshot {
    std::string category;              // the current category's name
    std::string inputText;             // valueField, as typed
    std::string outputText;            // resultField: a result or a message
    ListSelection input;               // inputList: selected rows and item index (current row)
    ListSelection output;              // outputList
    std::vector<std::string> rowNames; // the listed units' names in row order (both lists)
    bool compoundInput = false;        // the engine found unit names in the typed input
    bool outputIsResult = true;        // resultField holds a result, not one of the engine's messages
};

/// Every listed unit's result from one conversion in collect mode.
struct CollectedConversions {
    std::vector<std::string> results; // one formatted result per listed row, in row order
    bool compoundInput = false;
};

/// The text without leading and trailing spaces (code 32 only; tabs stay).
std::string TrimSpaces(std::string_view text);

/// The current conversion as one line, e.g. "12 foot = 3.6576 meter"; empty when the lists do
/// not name an input and an output unit.
std::string CurrentConversionText(const ConversionSnapshot &snapshot);

/// The record's item for the current conversion: CurrentConversionText, but empty (nothing to
/// add) while the output field shows a message instead of a result.
std::string RecordItemText(const ConversionSnapshot &snapshot);

/// What goes in front of every line of Copy All Conversions: the input and its unit and " = ";
/// empty when no input unit is selected.
std::string AllConversionsPrefix(const ConversionSnapshot &snapshot);

/// The lines of Copy All Conversions: prefix + result + " " + unit name per listed row that has
/// a result, joined by CR LF without a final line break. No text when there are no lines (the
/// clipboard is then left alone).
std::optional<std::string> AllConversionsText(const ConversionSnapshot &snapshot,
                                              const std::vector<std::string> &collected);

/// Runs the request once more in collect mode (all results, nothing shown): the window's output
/// field, value column and settings stay as they are. Nothing is converted when the category
/// lists no unit.
CollectedConversions CollectAllConversions(Engine &engine, ConversionRequest request, bool categoryHasUnits);

/// Copy All Conversions: CollectAllConversions, then AllConversionsText with the compound report
/// of that run. No text means the clipboard is left alone.
std::optional<std::string> CopyAllConversions(Engine &engine, const ConversionRequest &request,
                                              ConversionSnapshot snapshot, bool categoryHasUnits);

/// The running record of conversions for one run of the program, and the recording switch.
class ConversionRecord {
  public:
    using HintListener = std::function<void(const std::string &hint)>;

    /// The listener is told the hint now and after every change of the record.
    void SetHintListener(HintListener listener);

    /// The items in the order added, joined by CR LF, without a final line break.
    const std::string &RecordText() const { return m_recordText; }
    /// The record button's tooltip: "Record:", CR LF, then the items.
    std::string Hint() const;

    bool Recording() const { return m_recording; }
    void SetRecording(bool on) { m_recording = on; }

    /// Appends the item as a new line; an empty item adds nothing.
    void AddItem(std::string_view item);
    /// Removes the last item and the line break before it; nothing when the record is empty.
    void RemoveLastItem();
    void DeleteAllItems();

    /// Copy Record: the items without the heading; no text (the clipboard is left alone) when
    /// the record is empty.
    std::optional<std::string> CopyRecord() const;

    /// Enter in the input field adds the current conversion while recording.
    bool AddsOnEnter() const { return m_recording; }
    /// A key in a unit list adds the current conversion while recording when it produces a
    /// character (Enter and Space do, arrow and other navigation keys do not). keyText is the
    /// text the key event carries.
    bool AddsOnUnitListKey(std::string_view keyText) const { return m_recording && !keyText.empty(); }

  private:
    void Changed();

    std::string m_recordText;
    bool m_recording = false;
    HintListener m_hintListener;
};

} // namespace mensurio
