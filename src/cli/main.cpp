// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    mensurio::CliApp app(std::cout, std::cerr);
    return app.Run(args);
}
