// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mensurio {

/// The parsed command line of mensurio-cli.
struct CliOptions {
    enum class Action {
        Convert,
        ListCategories,
        ListUnits,
        Find,
        ExportHandheld,
        Table,
        UpdateRates,
        Help,
        Version
    };

    Action action = Action::Convert;
    std::string databasePath;      // empty: beside the executable
    std::string category;          // -c / --category
    std::string listUnitsCategory; // --list-units
    std::string findText;          // --find
    bool findAnywhere = false;
    std::vector<std::string> positional; // EXPRESSION [FROM-UNIT], VALUES.pdb NAMES.pdb, or the rates FILE
    std::optional<int> exportNumber;     // --export-number, 2..32767
    std::vector<std::string> toUnits;
    bool all = false;
    bool batch = false; // --batch: one EXPRESSION per line of standard input; positional is [FROM-UNIT]
    // Result settings given on the command line; the settings' defaults apply to the others.
    std::optional<int> resultFormat; // --format, as ReNumber (0 auto .. 3 thousands)
    std::optional<int> places;       // --places, as ReDeciPlace
    std::optional<int> style;        // --style, as multiformat
    bool inputGauge = false;
    bool outputGauge = false;

    /// Parses argv; on a usage error returns nothing and sets `error`. With --table, only the
    /// words are checked: mensurio-table reads the request.
    static std::optional<CliOptions> Parse(const std::vector<std::string> &args, std::string &error);
    /// The --help text.
    static std::string UsageText();
};

} // namespace mensurio
