// SPDX-License-Identifier: MIT
#include "core/settings/ConversionMemory.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/CategoryKind.h"

#include <cstddef>

namespace mensurio {

namespace {

constexpr std::string_view kCodeDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kCodeBase = 36;

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

std::string NameAt(const std::vector<std::string> &rowNames, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rowNames.size())
        return {};
    return rowNames[static_cast<std::size_t>(row)];
}

} // namespace

bool IsSingleSelectionCategory(std::string_view category) {
    const CategoryKind kind = CategoryKindOf(category);
    return kind == CategoryKind::Temperature || kind == CategoryKind::Numbers;
}

std::optional<std::string> EncodeUnitCode(int position) {
    if (position < 0 || position > kMaxUnitCodePosition)
        return std::nullopt;
    std::string code;
    code += kCodeDigits[static_cast<std::size_t>(position / kCodeBase)];
    code += kCodeDigits[static_cast<std::size_t>(position % kCodeBase)];
    return code;
}

std::optional<int> DecodeUnitCode(std::string_view code) {
    if (code.size() != 2)
        return std::nullopt;
    const int high = DigitValue(code[0]);
    const int low = DigitValue(code[1]);
    if (high < 0 || low < 0)
        return std::nullopt;
    return high * kCodeBase + low;
}

std::string EncodeOutputCodes(const std::vector<int> &orderView, const ListSelection &output) {
    std::string codes;
    for (std::size_t position = 0; position < orderView.size(); ++position) {
        if (!output.IsSelected(orderView[position]))
            continue;
        if (const auto code = EncodeUnitCode(static_cast<int>(position)))
            codes += *code;
    }
    return codes;
}

std::vector<int> DecodeOutputCodes(std::string_view codes, const std::vector<int> &orderView) {
    std::vector<int> rows;
    for (std::size_t at = 0; at + 2 <= codes.size(); at += 2) {
        const auto position = DecodeUnitCode(codes.substr(at, 2));
        if (position && static_cast<std::size_t>(*position) < orderView.size())
            rows.push_back(orderView[static_cast<std::size_t>(*position)]);
    }
    return rows;
}

CapturedSelection CaptureSelectionOf(std::string_view category, const std::vector<std::string> &rowNames,
                                     const ListSelection &input, const ListSelection &output,
                                     const std::vector<int> &orderView) {
    CapturedSelection captured;
    if (category.empty())
        return captured;
    if (IsSingleSelectionCategory(category)) {
        captured.input = NameAt(rowNames, input.current);
        captured.output = NameAt(rowNames, output.current);
        return captured;
    }
    const int selectedInputs = input.SelectedCount();
    if (selectedInputs == 1)
        captured.input = NameAt(rowNames, input.FirstSelected());
    else if (selectedInputs >= 2)
        captured.input = kMoreInputUnits;
    captured.outputCodes = EncodeOutputCodes(orderView, output);
    return captured;
}

int RowNamed(const std::vector<std::string> &rowNames, std::string_view name) {
    for (std::size_t row = 0; row < rowNames.size(); ++row) {
        if (UnitDatabase::SameNameIgnoringCase(rowNames[row], name))
            return static_cast<int>(row);
    }
    return -1;
}

int RememberedSingleRow(const std::vector<std::string> &rowNames, std::string_view name) {
    if (rowNames.empty())
        return -1;
    const int row = RowNamed(rowNames, name);
    return row >= 0 ? row : 0;
}

int RememberedInputRow(const std::vector<std::string> &rowNames, std::string_view input) {
    const int row = RowNamed(rowNames, input);
    if (row >= 0)
        return row;
    if (input == kMoreInputUnits || rowNames.empty())
        return -1;
    return 0;
}

ConversionMemory ReadConversionMemory(const IniFile &file, std::string_view category) {
    ConversionMemory memory;
    if (category.empty())
        return memory;
    memory.selection.input = file.ReadString(category, kMemoryInputKey, "");
    memory.selection.output = file.ReadString(category, kMemoryOutputKey, "");
    memory.selection.outputCodes = file.ReadString(category, kMemoryOutputCodesKey, "");
    memory.inputText = file.ReadString(category, kMemoryInputTextKey, "");
    return memory;
}

bool WriteConversionMemory(IniFile &file, std::string_view category, const ConversionMemory &memory) {
    // A section without a name would be junk in the file: with no current category there is
    // nothing to remember.
    if (category.empty())
        return true;
    return RunIgnoringRefusedWrites([&] {
        const CapturedSelection &selection = memory.selection;
        if (IsSingleSelectionCategory(category)) {
            if (!selection.input.empty())
                file.WriteString(category, kMemoryInputKey, selection.input);
            if (!selection.output.empty())
                file.WriteString(category, kMemoryOutputKey, selection.output);
        } else {
            file.WriteString(category, kMemoryInputKey, selection.input);
            file.WriteString(category, kMemoryOutputCodesKey, selection.outputCodes);
        }
        file.WriteString(category, kMemoryInputTextKey, memory.inputText);
    });
}

bool ClearCategoryMemory(IniFile &file, std::string_view category) {
    return RunIgnoringRefusedWrites([&] {
        file.WriteString(category, kMemoryInputKey, "");
        if (IsSingleSelectionCategory(category)) {
            file.WriteString(category, kMemoryOutputKey, "");
        } else {
            file.WriteString(category, kMemoryOutputCodesKey, "");
            if (!file.ReadString(category, kMemoryOutputKey, "").empty())
                file.WriteString(category, kMemoryOutputKey, "");
        }
        file.WriteString(category, kMemoryInputTextKey, "");
    });
}

void ClearAllCategoryMemory(IniFile &file, const UnitDatabase &database) {
    // Every category's keys in one replace of the file rather than one per key.
    IniWriteBatch batch(file);
    for (const CategoryRecord &category : database.Categories())
        ClearCategoryMemory(file, category.Name);
    RunIgnoringRefusedWrites([&] { batch.Commit(); });
}

} // namespace mensurio
