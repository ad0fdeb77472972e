// SPDX-License-Identifier: MIT
#include "cli/CliOptions.h"

#include "clishared/CliArguments.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace mensurio {

namespace {

// Where the help text of every option starts, and the width it is wrapped to.
constexpr std::size_t kHelpColumn = 23;
constexpr std::size_t kHelpWidth = 79;

// One entry of the help: the synopsis, then the words of the help wrapped at the help column,
// beside the synopsis or, when it is too wide, below it.
void AppendHelpEntry(std::string &text, std::string_view synopsis, std::string_view help) {
    text += "  ";
    text += synopsis;
    std::size_t lineLength = 2 + synopsis.size();
    if (lineLength + 1 > kHelpColumn) {
        text += '\n';
        lineLength = 0;
    }
    while (!help.empty()) {
        const std::size_t end = help.find(' ');
        const std::string_view word = help.substr(0, end);
        help.remove_prefix(end == std::string_view::npos ? help.size() : end + 1);
        if (lineLength > kHelpColumn && lineLength + 1 + word.size() > kHelpWidth) {
            text += '\n';
            lineLength = 0;
        }
        if (lineLength < kHelpColumn) {
            text.append(kHelpColumn - lineLength, ' ');
            lineLength = kHelpColumn;
        } else {
            text += ' ';
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    text += '\n';
}

void AppendOptionHelp(std::string &text, const CliOption &option) {
    std::string synopsis;
    if (!option.shortName.empty()) {
        synopsis += option.shortName;
        synopsis += ", ";
    }
    synopsis += option.longName;
    if (!option.placeholder.empty()) {
        synopsis += ' ';
        synopsis += option.placeholder;
    } else if (option.value == CliValueKind::Choice) {
        for (std::size_t i = 0; i < option.choices.size(); ++i) {
            synopsis += i == 0 ? ' ' : '|';
            synopsis += option.choices[i];
        }
    } else if (option.value == CliValueKind::Number) {
        synopsis += ' ' + std::to_string(option.low) + ".." + std::to_string(option.high);
    }
    std::string help(option.help);
    if (!option.details.empty()) {
        help += ' ';
        help += option.details;
    }
    AppendHelpEntry(text, synopsis, help);
}

// What is wrong with the options taken together; empty when nothing is.
std::string combinationError(const CliOptions &o) {
    using Action = CliOptions::Action;
    if (o.action == Action::ExportHandheld && o.positional.size() != 2)
        return "--export-handheld needs two files: VALUES.pdb NAMES.pdb";
    if (o.exportNumber && o.action != Action::ExportHandheld)
        return "--export-number needs --export-handheld";
    if (o.batch && o.action != Action::Convert && o.action != Action::Help && o.action != Action::Version)
        return "--batch converts; it does not list, find, export, update rates or write tables";
    if (o.action == Action::Convert && o.positional.empty() && !o.batch)
        return "nothing to convert";
    if (o.action == Action::Convert && o.batch && o.positional.size() > 1)
        return "--batch reads the expressions from standard input; it takes only FROM-UNIT";
    if (o.action == Action::UpdateRates && o.positional.size() > 1)
        return "--update-rates takes one FILE, or none to download the rates";
    if (o.action != Action::Convert && o.action != Action::ExportHandheld &&
        o.action != Action::UpdateRates && o.action != Action::Help && o.action != Action::Version &&
        !o.positional.empty())
        return "unexpected argument " + o.positional.front();
    if (o.all && !o.toUnits.empty())
        return "--all shows every unit; it does not take --to";
    if (o.findAnywhere && o.action != Action::Find)
        return "--anywhere needs --find";
    return {};
}

} // namespace

std::optional<CliOptions> CliOptions::Parse(const std::vector<std::string> &args, std::string &error) {
    const std::optional<std::vector<CliArgument>> arguments = ReadCliArguments(args, error);
    if (!arguments)
        return std::nullopt;
    CliOptions o;
    bool table = false;
    const CliOption *tableOption = nullptr; // the last option only a table takes
    for (const CliArgument &a : *arguments) {
        if (!a.option) {
            o.positional.push_back(a.value);
            continue;
        }
        switch (a.option->id) {
        case CliOptionId::Database:
            o.databasePath = a.value;
            break;
        case CliOptionId::Category:
            o.category = a.value;
            break;
        case CliOptionId::To:
            o.toUnits.push_back(a.value);
            break;
        case CliOptionId::All:
            o.all = true;
            break;
        case CliOptionId::Batch:
            o.batch = true;
            break;
        case CliOptionId::Format:
            o.resultFormat = a.number;
            break;
        case CliOptionId::Places:
            o.places = a.number;
            break;
        case CliOptionId::Style:
            o.style = a.number;
            break;
        case CliOptionId::InputGauge:
            o.inputGauge = true;
            break;
        case CliOptionId::OutputGauge:
            o.outputGauge = true;
            break;
        case CliOptionId::UpdateRates:
            o.action = Action::UpdateRates;
            break;
        case CliOptionId::ListCategories:
            o.action = Action::ListCategories;
            break;
        case CliOptionId::ListUnits:
            o.action = Action::ListUnits;
            o.listUnitsCategory = a.value;
            break;
        case CliOptionId::Find:
            o.action = Action::Find;
            o.findText = a.value;
            break;
        case CliOptionId::Anywhere:
            o.findAnywhere = true;
            break;
        case CliOptionId::ExportHandheld:
            o.action = Action::ExportHandheld;
            break;
        case CliOptionId::ExportNumber:
            o.exportNumber = a.number;
            break;
        case CliOptionId::Table:
            table = true;
            break;
        case CliOptionId::Rows:
        case CliOptionId::Columns:
        case CliOptionId::Direction:
        case CliOptionId::TableFormat:
        case CliOptionId::Paper:
            tableOption = a.option;
            break;
        case CliOptionId::Help:
            o.action = Action::Help;
            break;
        case CliOptionId::Version:
            o.action = Action::Version;
            break;
        }
    }
    // A table request goes whole to mensurio-table, which tells what does not belong to it.
    if (table) {
        o.action = Action::Table;
        return o;
    }
    if (tableOption) {
        error = std::string(tableOption->longName) + " needs --table";
        return std::nullopt;
    }
    error = combinationError(o);
    if (!error.empty())
        return std::nullopt;
    return o;
}

std::string CliOptions::UsageText() {
    std::string text =
        "Usage: mensurio-cli [options] EXPRESSION [FROM-UNIT] [--to UNIT]...\n"
        "       mensurio-cli [options] QUANTITY to UNIT      (or: QUANTITY -> UNIT)\n"
        "       mensurio-cli --table FILE.pdf -c CATEGORY --rows UNITS --columns UNITS [options]\n"
        "       mensurio-cli --export-handheld VALUES.pdb NAMES.pdb [--export-number N]\n"
        "Converts EXPRESSION between units of the Mensurio units database. EXPRESSION is\n"
        "a number, an arithmetic expression or a sum naming units ('5 foot + 3 inch',\n"
        "'5 ft 3 in', '1 3/4 inch'); without any unit its value is printed (0x1F, 0o17 and\n"
        "0b1010 are read as hexadecimal, octal and binary). Units may be named by their\n"
        "names, symbols (ft, km/h, \u00B0F) or other spellings (feet, metres). The operands\n"
        "are joined into one text. Unit and category names match exactly, else ignoring\n"
        "letter case; symbols match only with their letter case.\n"
        "\n";
    for (const CliOption &option : CliOptionTable())
        AppendOptionHelp(text, option);
    AppendHelpEntry(text, "--", "ends the options (for an expression that starts with '-')");
    text += "\n"
            "Exit status: 0 for a result, 1 when the conversion answered with a message (shown\n"
            "on standard output), 2 for a usage error, an unreadable database, an export\n"
            "that could not be written or rates that were not updated. With --batch: 1 when\n"
            "any line was refused.\n";
    return text;
}

} // namespace mensurio
