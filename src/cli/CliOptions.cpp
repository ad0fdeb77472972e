// SPDX-License-Identifier: MIT
#include "cli/CliOptions.h"

#include <cstdlib>
#include <optional>

namespace mensurio {

namespace {

bool parseInt(const std::string& text, int low, int high, int& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || v < low || v > high)
        return false;
    out = static_cast<int>(v);
    return true;
}

// The result format a --format name stands for, as the settings store it (ReNumber).
std::optional<int> formatNumber(const std::string& name)
{
    static const char* const names[] = {"auto", "scientific", "fixed", "thousands"};
    for (int i = 0; i < 4; ++i) {
        if (name == names[i])
            return i;
    }
    return std::nullopt;
}

bool parseOptionalInt(const std::string& text, int low, int high, std::optional<int>& out)
{
    int value = 0;
    if (!parseInt(text, low, high, value))
        return false;
    out = value;
    return true;
}

// Applies one option that takes a value; returns false with `error` set when it is invalid.
bool applyValueOption(CliOptions& o, const std::string& name, const std::string& value, std::string& error)
{
    if (name == "--db") {
        o.databasePath = value;
    } else if (name == "-c" || name == "--category") {
        o.category = value;
    } else if (name == "--to") {
        o.toUnits.push_back(value);
    } else if (name == "--list-units") {
        o.action = CliOptions::Action::ListUnits;
        o.listUnitsCategory = value;
    } else if (name == "--find") {
        o.action = CliOptions::Action::Find;
        o.findText = value;
    } else if (name == "--format") {
        o.resultFormat = formatNumber(value);
        if (!o.resultFormat) {
            error = "--format must be auto, scientific, fixed or thousands";
            return false;
        }
    } else if (name == "--places") {
        if (!parseOptionalInt(value, 0, 12, o.places)) {
            error = "--places must be a whole number from 0 to 12";
            return false;
        }
    } else if (name == "--export-number") {
        if (!parseOptionalInt(value, 2, 32767, o.exportNumber)) {
            error = "--export-number must be a whole number from 2 to 32767";
            return false;
        }
    } else if (name == "--style") {
        if (!parseOptionalInt(value, 0, 2, o.style)) {
            error = "--style must be 0, 1 or 2";
            return false;
        }
    }
    return true;
}

// "-5", "-.5" and "-(2+3)" are expressions, not options: no option starts with these.
bool looksLikeOption(const std::string& a)
{
    if (a.size() < 2 || a[0] != '-' || a == "->")
        return false;
    const char next = a[1];
    return !((next >= '0' && next <= '9') || next == '.' || next == ',' || next == '(');
}

bool takesValue(const std::string& a)
{
    return a == "--db" || a == "-c" || a == "--category" || a == "--to" || a == "--list-units" || a == "--find" ||
           a == "--format" || a == "--places" || a == "--style" || a == "--export-number";
}

// What is wrong with the options taken together; empty when nothing is.
std::string combinationError(const CliOptions& o)
{
    using Action = CliOptions::Action;
    if (o.action == Action::ExportHandheld && o.positional.size() != 2)
        return "--export-handheld needs two files: VALUES.pdb NAMES.pdb";
    if (o.exportNumber && o.action != Action::ExportHandheld)
        return "--export-number needs --export-handheld";
    if (o.batch && o.action != Action::Convert && o.action != Action::Help && o.action != Action::Version)
        return "--batch converts; it does not list, find, export or write tables";
    if (o.action == Action::Convert && o.positional.empty() && !o.batch)
        return "nothing to convert";
    if (o.action == Action::Convert && o.batch && o.positional.size() > 1)
        return "--batch reads the expressions from standard input; it takes only FROM-UNIT";
    if (o.action != Action::Convert && o.action != Action::ExportHandheld && o.action != Action::Help &&
        o.action != Action::Version && !o.positional.empty())
        return "unexpected argument " + o.positional.front();
    if (o.all && !o.toUnits.empty())
        return "--all shows every unit; it does not take --to";
    if (o.findAnywhere && o.action != Action::Find)
        return "--anywhere needs --find";
    return {};
}

} // namespace

std::optional<CliOptions> CliOptions::Parse(const std::vector<std::string>& args, std::string& error)
{
    CliOptions o;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || !looksLikeOption(a)) {
            o.positional.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (takesValue(a)) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return std::nullopt;
            }
            if (!applyValueOption(o, a, args[++i], error))
                return std::nullopt;
        } else if (a == "--all") {
            o.all = true;
        } else if (a == "--batch") {
            o.batch = true;
        } else if (a == "--anywhere") {
            o.findAnywhere = true;
        } else if (a == "--input-gauge") {
            o.inputGauge = true;
        } else if (a == "--output-gauge") {
            o.outputGauge = true;
        } else if (a == "--export-handheld") {
            o.action = Action::ExportHandheld;
        } else if (a == "--list-categories") {
            o.action = Action::ListCategories;
        } else if (a == "--help" || a == "-h") {
            o.action = Action::Help;
        } else if (a == "--version") {
            o.action = Action::Version;
        } else {
            error = "unknown option " + a;
            return std::nullopt;
        }
    }
    error = combinationError(o);
    if (!error.empty())
        return std::nullopt;
    return o;
}

const char* CliOptions::UsageText()
{
    return "Usage: mensurio-cli [options] EXPRESSION [FROM-UNIT] [--to UNIT]...\n"
           "       mensurio-cli [options] QUANTITY to UNIT      (or: QUANTITY -> UNIT)\n"
           "Converts EXPRESSION between units of the Mensurio units database. EXPRESSION is\n"
           "a number, an arithmetic expression or a sum naming units ('5 foot + 3 inch',\n"
           "'5 ft 3 in', '1 3/4 inch'); without any unit its value is printed (0x1F, 0o17 and\n"
           "0b1010 are read as hexadecimal, octal and binary). Units may be named by their\n"
           "names, symbols (ft, km/h, \u00B0F) or other spellings (feet, metres). The operands\n"
           "are joined into one text. Unit and category names match exactly, else ignoring\n"
           "letter case; symbols match only with their letter case.\n"
           "\n"
           "  --db FILE            units database (default: the window's units.dat, beside the\n"
           "                       executable or, when installed, in ~/.local/share/mensurio;\n"
           "                       else default.dat)\n"
           "  -c, --category NAME  category (default: the first category that holds every named unit)\n"
           "  --to UNIT            output unit; repeat it for a compound result\n"
           "  --all                every unit's result of the category: value, a tab, unit name\n"
           "  --batch              one EXPRESSION per line of standard input, one result per\n"
           "                       line (with --all a block ending in an empty line); the\n"
           "                       only argument is FROM-UNIT\n"
           "  --format auto|scientific|fixed|thousands\n"
           "  --places 0..12       decimal places\n"
           "  --style 0|1|2        compound output style\n"
           "  --input-gauge, --output-gauge   pressure reference (default absolute)\n"
           "  --list-categories    every category, one per line\n"
           "  --list-units CATEGORY  every unit of a category, one per line\n"
           "  --find TEXT [--anywhere]  categories and units whose names start with TEXT\n"
           "                       (with --anywhere: that contain TEXT)\n"
           "  --export-handheld VALUES.pdb NAMES.pdb [--export-number N]\n"
           "                       write the database as the two files of the handheld program;\n"
           "                       N is 2 to 32767 and goes into both files. Without it a number\n"
           "                       is drawn at random, different from the one in an existing\n"
           "                       VALUES.pdb. The command line keeps no settings: the number of\n"
           "                       the window's last export is neither consulted nor changed, so\n"
           "                       give N when the pair must differ from that export.\n"
           "  --table FILE.pdf -c CATEGORY --rows A,B,... --columns C,D,...\n"
           "                       write a conversion table as PDF ('\\,' is a comma inside a\n"
           "                       name; --rows all); more options: --direction right-up|down-left,\n"
           "                       --table-format general|scientific, --paper horizontal|vertical\n"
           "  --help, --version\n"
           "  --                   ends the options (for an expression that starts with '-')\n"
           "\n"
           "Exit status: 0 for a result, 1 when the conversion answered with a message (shown\n"
           "on standard output), 2 for a usage error, an unreadable database or an export\n"
           "that could not be written. With --batch: 1 when any line was refused.\n";
}

} // namespace mensurio
