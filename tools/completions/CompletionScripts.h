// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace mensurio {

/// The shell completion scripts of mensurio-cli, made from its option table: option names, the
/// values each option offers (choices, small number ranges, file, category and unit names), and
/// the options that name the database and the category the names are read from.
class CompletionScripts {
  public:
    /// The bash script, installed as bash-completion/completions/mensurio-cli.
    static std::string Bash();
    /// The zsh script, installed as _mensurio-cli.
    static std::string Zsh();
};

} // namespace mensurio
