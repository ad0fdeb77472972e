// SPDX-License-Identifier: MIT
#include "clishared/CliOptionTable.h"

#include <cstddef>
#include <iterator>

namespace mensurio {

namespace {

using enum CliOptionId;
using enum CliValueKind;

// The result formats in the order the settings store them (ReNumber 0..3).
constexpr std::string_view kFormats[] = {"auto", "scientific", "fixed", "thousands"};
// The compound styles, as the settings store them (multiformat).
constexpr std::string_view kStyles[] = {"0", "1", "2"};
// The table's choices, each in the order of its stored number.
constexpr std::string_view kDirections[] = {"right-up", "down-left"};
constexpr std::string_view kTableFormats[] = {"general", "scientific"};
constexpr std::string_view kPapers[] = {"horizontal", "vertical"};

constexpr CliOption kOptions[] = {
    {.id = Database,
     .longName = "--db",
     .value = Text,
     .placeholder = "FILE",
     .completion = CliCompletion::File,
     .command = CliCommand::Both,
     .help = "units database",
     .details = "(default: the window's units.dat, beside the executable or, when installed, in "
                "~/.local/share/mensurio; else default.dat)"},
    {.id = Category,
     .longName = "--category",
     .shortName = "-c",
     .value = Text,
     .placeholder = "NAME",
     .completion = CliCompletion::Category,
     .command = CliCommand::Both,
     .help = "category",
     .details = "(default: the first category that holds every named unit)"},
    {.id = To,
     .longName = "--to",
     .value = Text,
     .placeholder = "UNIT",
     .completion = CliCompletion::Unit,
     .repeatable = true,
     .help = "output unit",
     .details = "(repeat it for a compound result)"},
    {.id = All, .longName = "--all", .help = "every unit's result of the category (value, tab, unit name)"},
    {.id = Batch,
     .longName = "--batch",
     .help = "one EXPRESSION per line of standard input",
     .details = "(one result per line, with --all a block ending in an empty line; the only argument is "
                "FROM-UNIT)"},
    {.id = Format, .longName = "--format", .value = Choice, .choices = kFormats, .help = "result format"},
    {.id = Places, .longName = "--places", .value = Number, .low = 0, .high = 12, .help = "decimal places"},
    {.id = Style,
     .longName = "--style",
     .value = Choice,
     .choices = kStyles,
     .help = "compound output style"},
    {.id = InputGauge,
     .longName = "--input-gauge",
     .help = "input pressure relative to the atmosphere",
     .details = "(default absolute)"},
    {.id = OutputGauge,
     .longName = "--output-gauge",
     .help = "output pressure relative to the atmosphere",
     .details = "(default absolute)"},
    {.id = ListCategories, .longName = "--list-categories", .help = "every category, one per line"},
    {.id = ListUnits,
     .longName = "--list-units",
     .value = Text,
     .placeholder = "CATEGORY",
     .completion = CliCompletion::Category,
     .help = "every unit of a category, one per line"},
    {.id = Find,
     .longName = "--find",
     .value = Text,
     .placeholder = "TEXT",
     .help = "categories and units whose names start with TEXT"},
    {.id = Anywhere, .longName = "--anywhere", .help = "with --find, names that contain TEXT"},
    {.id = ExportHandheld,
     .longName = "--export-handheld",
     .placeholder = "VALUES.pdb NAMES.pdb",
     .completion = CliCompletion::File,
     .fileGlob = "*.pdb",
     .help = "write the database as the two files of the handheld program"},
    {.id = ExportNumber,
     .longName = "--export-number",
     .value = Number,
     .placeholder = "N",
     .low = 2,
     .high = 32767,
     .help = "export number, 2 to 32767",
     .details = "(goes into both files; without it a number is drawn at random, different from the one in an "
                "existing VALUES.pdb. The command line keeps no settings: the number of the window's last "
                "export is neither consulted nor changed, so give N when the pair must differ from that "
                "export)"},
    {.id = Table,
     .longName = "--table",
     .value = Text,
     .placeholder = "FILE.pdf",
     .completion = CliCompletion::File,
     .fileGlob = "*.pdf",
     .command = CliCommand::Table,
     .help = "write a conversion table as PDF",
     .details = "(of the category given with -c; needs --rows and --columns)"},
    {.id = Rows,
     .longName = "--rows",
     .value = Text,
     .placeholder = "UNITS",
     .command = CliCommand::Table,
     .help = "row units, comma-separated, or all",
     .details = "('\\,' is a comma inside a name)"},
    {.id = Columns,
     .longName = "--columns",
     .value = Text,
     .placeholder = "UNITS",
     .command = CliCommand::Table,
     .help = "column units, comma-separated, or all",
     .details = "(at most 10 on horizontal paper, 6 on vertical paper)"},
    {.id = Direction,
     .longName = "--direction",
     .value = Choice,
     .choices = kDirections,
     .command = CliCommand::Table,
     .help = "what a cell holds",
     .details = "(right-up: column units in one row unit, the default; down-left: row units in one column "
                "unit)"},
    {.id = TableFormat,
     .longName = "--table-format",
     .value = Choice,
     .choices = kTableFormats,
     .command = CliCommand::Table,
     .help = "number format of the cells"},
    {.id = Paper,
     .longName = "--paper",
     .value = Choice,
     .choices = kPapers,
     .command = CliCommand::Table,
     .help = "paper orientation"},
    {.id = UpdateRates,
     .longName = "--update-rates",
     .placeholder = "[FILE]",
     .completion = CliCompletion::File,
     .fileGlob = "*.xml",
     .help = "load the ECB euro exchange rates for the Currency category",
     .details = "(from FILE, a saved eurofxref-daily.xml, or without FILE downloaded from the ECB; "
                "MENSURIO_RATES_URL changes the address. Kept beside units.dat or the --db file; anything "
                "that does not read as rates leaves the old ones unchanged)"},
    {.id = Help, .longName = "--help", .shortName = "-h", .alone = true, .help = "show the options"},
    {.id = Version, .longName = "--version", .alone = true, .help = "show the version"},
};

// Every id has its entry, at the index of its value.
constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < std::size(kOptions); ++i) {
        if (static_cast<std::size_t>(kOptions[i].id) != i)
            return false;
    }
    return std::size(kOptions) == static_cast<std::size_t>(Version) + 1;
}
static_assert(InIdOrder(), "kOptions lists every option once, in the order of CliOptionId");

} // namespace

std::span<const CliOption> CliOptionTable() {
    return kOptions;
}

const CliOption *FindCliOption(std::string_view name) {
    for (const CliOption &option : kOptions) {
        if (name == option.longName || (!option.shortName.empty() && name == option.shortName))
            return &option;
    }
    return nullptr;
}

const CliOption &CliOptionOf(CliOptionId id) {
    return kOptions[static_cast<std::size_t>(id)];
}

} // namespace mensurio
