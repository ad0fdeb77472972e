// SPDX-License-Identifier: MIT
// mensurio-completions: writes mensurio-cli's bash or zsh completion script, made from the option
// table, for the build to install.
#include "CompletionScripts.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char *argv[]) {
    const std::string shell = argc == 3 ? argv[1] : "";
    if (shell != "bash" && shell != "zsh") {
        std::cerr << "usage: mensurio-completions bash|zsh OUTPUT\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << (shell == "bash" ? mensurio::CompletionScripts::Bash() : mensurio::CompletionScripts::Zsh());
    out.close();
    if (!out) {
        std::cerr << "mensurio-completions: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
