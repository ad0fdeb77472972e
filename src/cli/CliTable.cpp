// SPDX-License-Identifier: MIT
#include "cli/CliTable.h"

#include "core/platform/FileOps.h"
#include "core/platform/Paths.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <unistd.h>

namespace mensurio {

int CliTable::Run(const std::vector<std::string> &args, std::ostream &err) {
    const std::string program = FileOps::Join(Paths::ExecutableDirectory(), Program);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    err.flush();
    ::execv(program.c_str(), argv.data());
    err << "mensurio-cli: cannot start " << program << " to write the table: " << std::strerror(errno)
        << "\n";
    return 2;
}

} // namespace mensurio
