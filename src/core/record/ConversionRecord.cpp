// SPDX-License-Identifier: MIT
#include "core/record/ConversionRecord.h"

#include "core/engine/CategoryKind.h"
#include "core/engine/Engine.h"

#include <algorithm>
#include <utility>

namespace mensurio {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Temperature and Numbers lists select one row at a time: their item index is the unit.
bool UsesItemIndex(std::string_view category) {
    const CategoryKind kind = CategoryKindOf(category);
    return kind == CategoryKind::Temperature || kind == CategoryKind::Numbers;
}

// The name of a listed row; no name for -1 or a row the snapshot does not list.
std::optional<std::string> RowName(const ConversionSnapshot &snapshot, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= snapshot.rowNames.size())
        return std::nullopt;
    return snapshot.rowNames[static_cast<std::size_t>(row)];
}

// The trimmed input, followed by its unit's name when exactly one input unit is selected and
// the input does not name its own units. Empty optional when no input unit is selected.
std::optional<std::string> LinearInputPart(const ConversionSnapshot &snapshot) {
    if (snapshot.input.SelectedCount() == 0)
        return std::nullopt;
    std::string text = TrimSpaces(snapshot.inputText);
    if (!snapshot.compoundInput && snapshot.input.SelectedCount() == 1) {
        const auto name = RowName(snapshot, snapshot.input.FirstSelected());
        if (!name)
            return std::nullopt;
        text += " " + *name;
    }
    return text;
}

// Fractions reads no input unit: the typed value alone, and the unit that answered.
std::string FractionsConversionText(const ConversionSnapshot &snapshot) {
    const std::string input = TrimSpaces(snapshot.inputText);
    const auto outputName = snapshot.output.SelectedCount() > 0
                                ? RowName(snapshot, snapshot.output.FirstSelected())
                                : std::nullopt;
    if (input.empty() || !outputName)
        return {};
    return input + " = " + snapshot.outputText + " " + *outputName;
}

std::string ItemIndexConversionText(const ConversionSnapshot &snapshot) {
    const auto inputName = RowName(snapshot, snapshot.input.current);
    const auto outputName = RowName(snapshot, snapshot.output.current);
    if (!inputName || !outputName)
        return {};
    return snapshot.inputText + " " + *inputName + " = " + snapshot.outputText + " " + *outputName;
}

} // namespace

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string CurrentConversionText(const ConversionSnapshot &snapshot) {
    if (UsesItemIndex(snapshot.category))
        return ItemIndexConversionText(snapshot);
    if (CategoryKindOf(snapshot.category) == CategoryKind::Fractions)
        return FractionsConversionText(snapshot);
    if (snapshot.output.SelectedCount() == 0)
        return {};
    auto text = LinearInputPart(snapshot);
    if (!text)
        return {};
    *text += " = " + snapshot.outputText;
    if (snapshot.output.SelectedCount() == 1) {
        const auto name = RowName(snapshot, snapshot.output.FirstSelected());
        if (!name)
            return {};
        *text += " " + *name;
    }
    return *text;
}

std::string RecordItemText(const ConversionSnapshot &snapshot) {
    return snapshot.outputIsResult ? CurrentConversionText(snapshot) : std::string();
}

std::string AllConversionsPrefix(const ConversionSnapshot &snapshot) {
    if (UsesItemIndex(snapshot.category)) {
        const auto name = RowName(snapshot, snapshot.input.current);
        return name ? snapshot.inputText + " " + *name + " = " : std::string();
    }
    if (CategoryKindOf(snapshot.category) == CategoryKind::Fractions) {
        const std::string input = TrimSpaces(snapshot.inputText);
        return input.empty() ? std::string() : input + " = ";
    }
    const auto text = LinearInputPart(snapshot);
    return text ? *text + " = " : std::string();
}

std::optional<std::string> AllConversionsText(const ConversionSnapshot &snapshot,
                                              const std::vector<std::string> &collected) {
    const std::string prefix = AllConversionsPrefix(snapshot);
    std::string text;
    const std::size_t lines = std::min(snapshot.rowNames.size(), collected.size());
    for (std::size_t i = 0; i < lines; ++i) {
        text += prefix + collected[i] + " " + snapshot.rowNames[i];
        text += kLineBreak;
    }
    if (text.size() > kLineBreak.size())
        text.resize(text.size() - kLineBreak.size());
    if (text.empty())
        return std::nullopt;
    return text;
}

CollectedConversions CollectAllConversions(Engine &engine, ConversionRequest request, bool categoryHasUnits) {
    CollectedConversions collected;
    if (!categoryHasUnits)
        return collected;
    request.split = true;
    request.collectAll = true;
    ConversionResult result = engine.Convert(request);
    collected.results = std::move(result.collected);
    collected.compoundInput = result.compound;
    return collected;
}

std::optional<std::string> CopyAllConversions(Engine &engine, const ConversionRequest &request,
                                              ConversionSnapshot snapshot, bool categoryHasUnits) {
    const CollectedConversions collected = CollectAllConversions(engine, request, categoryHasUnits);
    snapshot.compoundInput = collected.compoundInput;
    return AllConversionsText(snapshot, collected.results);
}

void ConversionRecord::SetHintListener(HintListener listener) {
    m_hintListener = std::move(listener);
    Changed();
}

std::string ConversionRecord::Hint() const {
    return "Record:" + std::string(kLineBreak) + m_recordText;
}

void ConversionRecord::AddItem(std::string_view item) {
    if (item.empty())
        return;
    if (!m_recordText.empty())
        m_recordText += kLineBreak;
    m_recordText += item;
    Changed();
}

void ConversionRecord::RemoveLastItem() {
    if (m_recordText.empty())
        return;
    const auto lastCr = m_recordText.rfind('\r');
    m_recordText.erase(lastCr == std::string::npos ? 0 : lastCr);
    Changed();
}

void ConversionRecord::DeleteAllItems() {
    m_recordText.clear();
    Changed();
}

std::optional<std::string> ConversionRecord::CopyRecord() const {
    if (m_recordText.empty())
        return std::nullopt;
    return m_recordText;
}

void ConversionRecord::Changed() {
    if (m_hintListener)
        m_hintListener(Hint());
}

} // namespace mensurio
