// SPDX-License-Identifier: MIT
// The table options of the command line on arbitrary arguments (NUL-separated), resolved
// against a small database: every request is read or refused with a message, a unit list
// written back with its escapes splits to the same names, and what resolves names only units of
// the category, within the paper's column maximum.
#include "FuzzCheck.h"

#include "clishared/TableRequest.h"
#include "core/db/UnitDatabase.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

mensurio::UnitDatabase MakeDatabase() {
    mensurio::UnitDatabase db;
    db.AddCategory("Length", false);
    for (const char *unit : {"foot", "inch", "metre", "a, b", "back\\slash", "  spaced", "FOOT (US)"})
        db.AddUnit("Length", unit, "", 0.5L, false);
    db.AddCategory("Empty", true);
    db.AddCategory("Temperature", false);
    db.AddUnit("Temperature", "kelvin", "", 1.0L, false);
    return db;
}

std::vector<std::string> SplitArguments(std::string_view bytes) {
    std::vector<std::string> args;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\0', start)) != std::string_view::npos; start = end + 1)
        args.emplace_back(bytes.substr(start, end - start));
    args.emplace_back(bytes.substr(start));
    return args;
}

std::string JoinUnitList(const std::vector<std::string> &names) {
    std::string list;
    for (const std::string &name : names) {
        if (!list.empty())
            list.push_back(',');
        for (const char c : name) {
            if (c == ',' || c == '\\')
                list.push_back('\\');
            list.push_back(c);
        }
    }
    return list;
}

void CheckUnitList(const std::string &list) {
    const std::vector<std::string> names = mensurio::TableRequest::SplitUnitList(list);
    for (const std::string &name : names)
        FUZZ_CHECK(!name.empty() && name.front() != ' ' && name.back() != ' ');
    FUZZ_CHECK(mensurio::TableRequest::SplitUnitList(JoinUnitList(names)) == names);
}

void CheckChoices(const mensurio::TableChoices &choices, mensurio::UnitDatabase &db,
                  const mensurio::TableRequest &request) {
    FUZZ_CHECK(db.CategoryExists(choices.category));
    FUZZ_CHECK(!choices.rowUnits.empty() && !choices.columnUnits.empty());
    FUZZ_CHECK(static_cast<int>(choices.columnUnits.size()) <=
               mensurio::TableChoices::ColumnMaximum(request.paper));
    for (const auto *units : {&choices.rowUnits, &choices.columnUnits})
        for (const std::string &unit : *units)
            FUZZ_CHECK(db.UnitExists(choices.category, unit));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static mensurio::UnitDatabase db = MakeDatabase();
    const std::vector<std::string> args =
        SplitArguments(std::string_view(reinterpret_cast<const char *>(data), size));
    mensurio::TableRequest request;
    try {
        request = mensurio::TableRequest::Parse(args);
    } catch (const mensurio::TableRequestError &error) {
        FUZZ_CHECK(*error.what() != '\0');
        return 0;
    }
    CheckUnitList(request.rows);
    CheckUnitList(request.columns);
    try {
        CheckChoices(request.Resolve(db), db, request);
    } catch (const mensurio::TableRequestError &error) {
        FUZZ_CHECK(*error.what() != '\0');
    }
    return 0;
}
