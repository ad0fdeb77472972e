// SPDX-License-Identifier: MIT
// mensurio-makedb: compiles the units data source into the database file.
//   mensurio-makedb OUTPUT INPUT...            writes the database ("MNS0")
//   mensurio-makedb --summary FILE INPUT...    writes the Markdown list of categories
//   mensurio-makedb --aliases FILE INPUT...    writes the C++ table of symbols and spellings
//   mensurio-makedb --dimensions FILE INPUT... writes the C++ table of category dimensions
#include "tools/makedb/MakeDbCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return mensurio::MakeDbCommand::Run(args, std::cerr);
}
