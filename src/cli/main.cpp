// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"
#include "cli/CliTable.h"
#include "core/tables/TableRequest.h"
#include "core/engine/Separators.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (mensurio::TableRequest::Requested(args))
        return mensurio::CliTable::Run(args, std::cerr);
    // Shown numbers take the user's separators; the Find list sorts by the user's collation.
    // Everything else, number reading included, stays in the "C" locale.
    const mensurio::NumberSeparators separators = mensurio::ReadLocaleSeparators();
    std::setlocale(LC_COLLATE, "");
    mensurio::CliApp app(std::cout, std::cerr, separators);
    return app.Run(args);
}
