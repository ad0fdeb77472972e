// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace mensurio {

/// Every option of mensurio-cli, those of `--table` (which mensurio-table reads) included.
enum class CliOptionId {
    Database,
    Category,
    To,
    All,
    Batch,
    Format,
    Places,
    Style,
    InputGauge,
    OutputGauge,
    ListCategories,
    ListUnits,
    Find,
    Anywhere,
    ExportHandheld,
    ExportNumber,
    Table,
    Rows,
    Columns,
    Direction,
    TableFormat,
    Paper,
    UpdateRates,
    Help,
    Version,
};

/// What an option's value is.
enum class CliValueKind {
    None,   // a flag: it takes no value
    Text,   // any text
    Choice, // one of the option's choices
    Number, // a whole number from `low` to `high`
};

/// What the shell completions offer after the option.
enum class CliCompletion {
    Nothing,  // free text (choices and small number ranges are offered whatever this says)
    File,     // file names
    Category, // category names from the units database
    Unit,     // unit names from the units database
};

/// Which program carries the option out.
enum class CliCommand {
    Convert, // mensurio-cli itself
    Table,   // mensurio-table, which mensurio-cli runs for --table
    Both,
};

/// One option: its names, its value, its completion and its help.
struct CliOption {
    CliOptionId id;
    std::string_view longName;       // "--category"
    std::string_view shortName = {}; // "-c", or empty
    CliValueKind value = CliValueKind::None;
    // The value in the help text ("FILE"); for a flag, the operands that follow it, if any.
    std::string_view placeholder = {};
    std::span<const std::string_view> choices = {};
    int low = 0;
    int high = 0;
    CliCompletion completion = CliCompletion::Nothing;
    std::string_view fileGlob = {}; // for file completion: the names zsh offers ("*.pdf"); empty: any
    CliCommand command = CliCommand::Convert;
    bool repeatable = false;    // each occurrence counts (the others: the last one given counts)
    bool alone = false;         // answers on its own and takes nothing else (--help, --version)
    std::string_view help = {}; // one short line, the zsh description too: no brackets, colons or backslashes
    std::string_view details = {}; // more help text, or empty
};

/// Every option, in the order the help lists them.
std::span<const CliOption> CliOptionTable();

/// The option of that long or short name, or null.
const CliOption *FindCliOption(std::string_view name);

/// The option of that id (every id has one).
const CliOption &CliOptionOf(CliOptionId id);

} // namespace mensurio
