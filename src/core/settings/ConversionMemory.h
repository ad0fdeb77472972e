// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ListSelection.h"
#include "core/settings/IniFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

class UnitDatabase;

/// The remembered input of a category whose input was made of two or more units; the input
/// text then names the units and the engine selects them when it reads the text.
inline constexpr char kMoreInputUnits[] = "[more]";

/// The settings-file keys of a category's conversion memory (the section is the category name).
inline constexpr char kMemoryInputKey[] = "list1";
inline constexpr char kMemoryOutputKey[] = "list2";
inline constexpr char kMemoryOutputCodesKey[] = "list2m";
inline constexpr char kMemoryInputTextKey[] = "hodnota";

/// The highest position that has a two-character unit code ("ZZ").
inline constexpr int kMaxUnitCodePosition = 36 * 36 - 1;

/// A unit selection in the form the conversion memory stores it.
struct CapturedSelection {
    std::string input;       // list1: the input unit's name, "[more]" or empty
    std::string output;      // list2: the output unit's name ("Temperature" and "Numbers" only)
    std::string outputCodes; // list2m: the selected output units as unit codes (other categories)

    bool operator==(const CapturedSelection &) const = default;
};

/// Everything a category remembers between two visits: the selection and the input text.
struct ConversionMemory {
    CapturedSelection selection;
    std::string inputText; // hodnota

    bool operator==(const ConversionMemory &) const = default;
};

/// True for the categories whose unit lists allow one selected row and whose memory stores
/// unit names ("Temperature" and "Numbers"); every other category selects several rows and
/// stores its output units as codes. Exact comparison of the name.
bool IsSingleSelectionCategory(std::string_view category);

/// The two-character code of a position in the default order: p div 36, then p mod 36, each as
/// one of "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ". Negative positions and positions above
/// kMaxUnitCodePosition have no code.
std::optional<std::string> EncodeUnitCode(int position);

/// The position a code stands for: exactly two characters, each "0".."9" or "A".."Z" (upper
/// case only); anything else gives nothing.
std::optional<int> DecodeUnitCode(std::string_view code);

/// The list2m string of an output selection: walks the order view (orderView[p] is the row of
/// the unit at position p) from position 0 upward and appends the code of every position whose
/// row is selected. Positions without a code and rows outside the selection are left out.
std::string EncodeOutputCodes(const std::vector<int> &orderView, const ListSelection &output);

/// The rows a list2m string selects, in the order of its codes: the string is taken in pairs
/// from its start (a last single character is ignored); invalid pairs and positions beyond the
/// order view are skipped. Rows may repeat when the string repeats a code.
std::vector<int> DecodeOutputCodes(std::string_view codes, const std::vector<int> &orderView);

/// The selection the memory stores for the current state of the lists. rowNames holds the
/// names of the rows (both lists show the same ones). In "Temperature" and "Numbers" input and
/// output are the names at the lists' current rows (empty for a current row outside the
/// list) and outputCodes is empty. Elsewhere input is the one selected input unit's name,
/// "[more]" for two or more selected rows and empty for none; output is empty and outputCodes
/// is EncodeOutputCodes. Everything is empty when the category name is empty.
CapturedSelection CaptureSelectionOf(std::string_view category, const std::vector<std::string> &rowNames,
                                     const ListSelection &input, const ListSelection &output,
                                     const std::vector<int> &orderView);

/// The row named `name` ignoring the letter case of A to Z, or -1.
int RowNamed(const std::vector<std::string> &rowNames, std::string_view name);

/// The row a single-selection list gets from a remembered name: the named row, else row 0;
/// -1 for an empty list.
int RememberedSingleRow(const std::vector<std::string> &rowNames, std::string_view name);

/// The input row a multiple-selection input list gets from a remembered list1: the named row;
/// else row 0, except for "[more]" (the input text selects those units) and an empty list,
/// which give -1 (select nothing).
int RememberedInputRow(const std::vector<std::string> &rowNames, std::string_view input);

/// Reads a category's memory from its section; missing keys read as empty. An empty
/// category name has no memory.
ConversionMemory ReadConversionMemory(const IniFile &file, std::string_view category);

/// Stores a category's memory into its section. In "Temperature" and "Numbers" list1 and list2
/// are written only when they are not empty (an empty capture never overwrites a stored
/// name); elsewhere list1 and list2m are written also when empty; hodnota always. Stops at the
/// first refused write and ignores it (returns false); other errors propagate. Nothing is
/// written for an empty category name.
bool WriteConversionMemory(IniFile &file, std::string_view category, const ConversionMemory &memory);

/// Empties one category's stored memory: list1; then list2m, and list2 only when it holds a
/// value, or in "Temperature" and "Numbers" list2; then hodnota. A refused write ends this
/// category's writes (returns false); other errors propagate.
bool ClearCategoryMemory(IniFile &file, std::string_view category);

/// ClearCategoryMemory for every category of the database in database order, hidden ones
/// included; a refused write moves on to the next category.
void ClearAllCategoryMemory(IniFile &file, const UnitDatabase &database);

} // namespace mensurio
