// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace mensurio::test {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string &s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

/// Runs a program with arguments through the shell and captures both output streams.
inline ProcessResult runProcess(const std::string &program, const std::vector<std::string> &args,
                                const std::string &scratch) {
    std::string cmd = shellQuote(program);
    for (const auto &a : args)
        cmd += " " + shellQuote(a);
    const std::string outFile = scratch + "/stdout.txt";
    const std::string errFile = scratch + "/stderr.txt";
    cmd += " >" + shellQuote(outFile) + " 2>" + shellQuote(errFile);
    ProcessResult r;
    const int raw = std::system(cmd.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    auto slurp = [](const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    r.out = slurp(outFile);
    r.err = slurp(errFile);
    return r;
}

/// The one line a test prints when a tool it runs is not installed (the shell's status 127).
inline std::string missingTool(const ProcessResult &r, const std::string &tool, const std::string &package) {
    if (r.status != 127)
        return r.err;
    return tool + " is not installed (Debian package " + package + "; scripts/install-deps.sh installs it)";
}

} // namespace mensurio::test
