// SPDX-License-Identifier: MIT
#include "clishared/TableRequest.h"

#include "clishared/CliArguments.h"
#include "core/db/Cp1252.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/CategoryKind.h"
#include "core/settings/StoredChoices.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace mensurio {

namespace {

std::string Trim(const std::string &text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> CategoryUnits(const UnitDatabase &database, const std::string &category) {
    std::vector<std::string> names;
    for (const CategoryRecord &record : database.Categories())
        if (record.Name == category) {
            for (const UnitRecord &unit : record.Units)
                names.push_back(unit.Name);
            break;
        }
    return names;
}

// The named units in Windows-1252, each one the category holds; "all" is every unit in list order.
std::vector<std::string> ResolveUnits(const std::string &list, const std::vector<std::string> &units,
                                      const std::string &category, const char *what) {
    if (list == "all")
        return units;
    std::vector<std::string> names;
    for (const std::string &name : TableRequest::SplitUnitList(list)) {
        const std::string cut = UnitDatabase::CutName(Cp1252::FromUtf8(name));
        // Exactly as written, else ignoring letter case, as every other command matches names.
        auto unit = std::find(units.begin(), units.end(), cut);
        if (unit == units.end())
            unit = std::find_if(units.begin(), units.end(), [&cut](const std::string &candidate) {
                return UnitDatabase::SameNameIgnoringCase(candidate, cut);
            });
        if (unit == units.end())
            throw TableRequestError("no unit named '" + name + "' in category '" + Cp1252::ToUtf8(category) +
                                    "'");
        names.push_back(*unit);
    }
    if (names.empty())
        throw TableRequestError(std::string("no ") + what + " units given");
    return names;
}

} // namespace

TableRequest TableRequest::Parse(const std::vector<std::string> &args) {
    std::string error;
    const std::optional<std::vector<CliArgument>> arguments = ReadCliArguments(args, error);
    if (!arguments)
        throw TableRequestError(error);
    TableRequest request;
    bool hasRows = false;
    bool hasColumns = false;
    for (const CliArgument &argument : *arguments) {
        if (!argument.option)
            throw TableRequestError("unexpected argument '" + argument.value + "'");
        switch (argument.option->id) {
        case CliOptionId::Table:
            request.pdfPath = argument.value;
            break;
        case CliOptionId::Database:
            request.databasePath = argument.value;
            break;
        case CliOptionId::Category:
            request.category = argument.value;
            break;
        case CliOptionId::Rows:
            request.rows = argument.value;
            hasRows = true;
            break;
        case CliOptionId::Columns:
            request.columns = argument.value;
            hasColumns = true;
            break;
        case CliOptionId::Direction:
            // The option's closed list names the choices in their stored order.
            request.direction = FromStoredNumber(argument.number, TableDirection::RightAndUp);
            break;
        case CliOptionId::TableFormat:
            request.resultFormat = FromStoredNumber(argument.number, TableResultFormat::General);
            break;
        case CliOptionId::Paper:
            request.paper = FromStoredNumber(argument.number, TablePaper::Landscape);
            break;
        default:
            throw TableRequestError("'" + std::string(argument.option->longName) +
                                    "' cannot be used with --table");
        }
    }
    if (request.pdfPath.empty())
        throw TableRequestError("--table needs the name of the PDF file to write");
    if (request.category.empty())
        throw TableRequestError("--table needs a category (-c)");
    if (!hasRows || !hasColumns)
        throw TableRequestError("--table needs --rows and --columns");
    return request;
}

std::vector<std::string> TableRequest::SplitUnitList(std::string_view list) {
    std::vector<std::string> names;
    std::string name;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if (c == '\\' && i + 1 < list.size() && (list[i + 1] == ',' || list[i + 1] == '\\')) {
            name.push_back(list[++i]);
        } else if (c == ',') {
            names.push_back(Trim(name));
            name.clear();
        } else {
            name.push_back(c);
        }
    }
    names.push_back(Trim(name));
    names.erase(std::remove(names.begin(), names.end(), std::string()), names.end());
    return names;
}

TableChoices TableRequest::Resolve(UnitDatabase &database) const {
    // Exactly as written, else the first category whose name differs only in letter case.
    const std::string wanted = UnitDatabase::CutName(Cp1252::FromUtf8(category));
    TableChoices choices;
    for (const CategoryRecord &record : database.Categories()) {
        if (record.Name == wanted) {
            choices.category = record.Name;
            break;
        }
        if (choices.category.empty() && UnitDatabase::SameNameIgnoringCase(record.Name, wanted))
            choices.category = record.Name;
    }
    if (choices.category.empty())
        throw TableRequestError("no category named '" + category + "'");
    if (CategoryKindOf(choices.category) != CategoryKind::Ordinary)
        throw TableRequestError("the category '" + Cp1252::ToUtf8(choices.category) +
                                "' does not convert by a plain factor and has no conversion table");
    const std::vector<std::string> units = CategoryUnits(database, choices.category);
    if (units.empty())
        throw TableCategoryEmpty("the category '" + Cp1252::ToUtf8(choices.category) +
                                 "' holds no units; there is no table to write");
    choices.rowUnits = ResolveUnits(rows, units, choices.category, "row");
    choices.columnUnits = ResolveUnits(columns, units, choices.category, "column");
    const int maximum = TableChoices::ColumnMaximum(paper);
    if (static_cast<int>(choices.columnUnits.size()) > maximum)
        throw TableRequestError(std::to_string(choices.columnUnits.size()) + " columns do not fit: " +
                                (paper == TablePaper::Portrait ? "vertical" : "horizontal") +
                                " paper takes at most " + std::to_string(maximum));
    choices.resultFormat = resultFormat;
    choices.paper = paper;
    choices.direction = direction;
    return choices;
}

} // namespace mensurio
