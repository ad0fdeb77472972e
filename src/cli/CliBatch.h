// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CategoryGuesser.h"
#include "cli/CliOptions.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/Separators.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace mensurio {

class CliRates;

/// mensurio-cli --batch: one expression per input line, converted with the options of the
/// command line as if it were the EXPRESSION of a one-shot call, and one result per output
/// line. A line the one-shot call would refuse with a usage error (a unit no category holds)
/// gets that error's text as its line; with --all each line's block ends with an empty line.
/// Lines end in LF or CR LF; a last line without a line break counts too.
class CliBatch {
  public:
    CliBatch(UnitDatabase &database, const CliOptions &options, NumberSeparators separators,
             std::ostream &out);

    /// The longest line held in memory: 10,000 characters of up to four UTF-8 bytes each and a
    /// carriage return. A longer line can only be too long; it is answered as such while its
    /// bytes are skipped, so memory stays bounded whatever the input.
    static constexpr std::size_t kMaxHeldLine = 4 * kMaxExpressionLength + 1;

    /// Converts every line read from the file descriptor until its end. The output is flushed
    /// whenever the input read so far is used up, so a program that writes one line and waits
    /// for its answer gets it. Returns 0 when every line gave a result, 1 when any was refused;
    /// throws CliUsageError for options no line can be converted with or an unreadable input.
    int Run(int inputFd);
    /// The exchange rates the lines in Currency convert with; none: not named.
    CliBatch &WithRates(const CliRates *rates) {
        m_rates = rates;
        return *this;
    }

  private:
    struct Inferred {
        std::optional<std::string> category;
        std::string error; // the usage error's text; empty when the category was found
    };

    bool convertLine(std::string_view utf8);
    bool answerOverlongLine();
    Engine &engineFor(const std::string &category);
    const Inferred &categoryOf(const std::string &expression);

    UnitDatabase &m_database;
    CliOptions m_lineOptions; // the command line's options with the current line as EXPRESSION
    NumberSeparators m_separators;
    std::ostream &m_out;
    std::optional<Inferred> m_fixed; // the category named by -c
    // The category a line's expression gives. A line that reads as a plain value is converted
    // in the category the unit names give, whatever its number, so all such lines share one
    // entry (the empty key, which no expression with units has).
    std::unordered_map<std::string, Inferred> m_inferred;
    // Guesses the category of lines not remembered; made for the first of them.
    std::optional<CategoryGuesser> m_guesser;
    // The engine with the units of the last line's category, loaded again only when the
    // category changes.
    const CliRates *m_rates = nullptr;
    std::unique_ptr<Engine> m_engine;
    std::string m_engineCategory;
};

} // namespace mensurio
