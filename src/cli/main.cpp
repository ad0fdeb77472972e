// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"
#include "core/engine/Separators.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Shown numbers take the user's separators; the Find list sorts by the user's collation.
    // Everything else, number reading included, stays in the "C" locale.
    const mensurio::NumberSeparators separators = mensurio::ReadLocaleSeparators();
    std::setlocale(LC_COLLATE, "");
    // The application, with the units database, is never destroyed: freeing its thousands of
    // names one by one would cost more than a conversion, and the process ends right after.
    // It stays reachable from this static pointer, so leak checkers do not count it.
    static mensurio::CliApp *const app = new mensurio::CliApp(std::cout, std::cerr, separators);
    return app->Run(args);
}
