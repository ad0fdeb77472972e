// SPDX-License-Identifier: MIT
#include "cli/CliBatch.h"

#include "cli/CategoryInference.h"
#include "cli/CliConversion.h"
#include "cli/CliRates.h"
#include "cli/CliUsageError.h"
#include "cli/CliValue.h"
#include "cli/UnitNameLookup.h"
#include "core/db/Cp1252.h"
#include "core/engine/BuiltinAliases.h"
#include "core/engine/BuiltinDimensions.h"
#include "core/engine/RequestSettings.h"

#include <cerrno>
#include <exception>
#include <ostream>
#include <vector>

#include <unistd.h>

namespace mensurio {

namespace {

// Lines seen once are rarely worth remembering without end: past this many distinct
// expressions the remembered categories start afresh.
constexpr std::size_t kRememberedExpressions = 4096;

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

CliBatch::CliBatch(UnitDatabase &database, const CliOptions &options, NumberSeparators separators,
                   std::ostream &out)
    : m_database(database), m_lineOptions(options), m_separators(separators), m_out(out) {
    // The positional arguments of a batch are [FROM-UNIT]; each line becomes the EXPRESSION.
    m_lineOptions.positional.insert(m_lineOptions.positional.begin(), std::string());
    if (!options.category.empty()) {
        const auto category =
            CategoryInference::ResolveCategory(m_database, Cp1252::FromUtf8(options.category));
        if (!category)
            throw CliUsageError("no category named '" + options.category + "'");
        m_fixed = Inferred{category, {}};
    }
}

int CliBatch::Run(int inputFd) {
    bool refused = false;
    std::string line;      // the current line so far, never longer than kMaxHeldLine
    bool overlong = false; // the current line passed kMaxHeldLine: its rest is skipped
    std::vector<char> chunk(1 << 16);
    const auto endLine = [&] {
        refused |= overlong ? !answerOverlongLine() : !convertLine(WithoutCarriageReturn(line));
        line.clear();
        overlong = false;
    };
    for (;;) {
        m_out.flush();
        const ssize_t count = ::read(inputFd, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw CliUsageError("cannot read the standard input");
        if (count == 0)
            break;
        std::string_view data(chunk.data(), static_cast<std::size_t>(count));
        while (!data.empty()) {
            const std::size_t end = data.find('\n');
            const std::string_view piece = data.substr(0, end);
            if (!overlong && line.size() + piece.size() <= kMaxHeldLine)
                line.append(piece);
            else
                overlong = true; // answered without holding it whole
            if (end == std::string_view::npos)
                break;
            endLine();
            data.remove_prefix(end + 1);
        }
    }
    if (!line.empty() || overlong)
        endLine();
    m_out.flush();
    return refused ? kExitMessage : kExitResult;
}

// The answer a line gets whose length no expression may have, as the one-shot call gives it.
bool CliBatch::answerOverlongLine() {
    m_out << kInputTooLongMessage << "\n";
    if (m_lineOptions.all)
        m_out << "\n";
    return false;
}

// The one-shot conversion of the line (see CliApp::convert); returns whether it gave a result.
bool CliBatch::convertLine(std::string_view utf8) {
    m_lineOptions.positional.front().assign(utf8);
    int status = kExitResult;
    try {
        const std::string expression = Cp1252::FromTypedUtf8(utf8);
        const Inferred &inferred = m_fixed ? *m_fixed : categoryOf(expression);
        if (!inferred.error.empty())
            throw CliUsageError(inferred.error);
        if (inferred.category) {
            status = CliConversion(m_database, m_lineOptions, m_separators, m_out)
                         .WithRates(m_rates)
                         .RunLoaded(engineFor(*inferred.category), *inferred.category);
        } else if (m_lineOptions.all) {
            throw CliUsageError("--all needs a category (-c) or a unit");
        } else {
            const ProgramSettings settings = CliConversion::SettingsOf(m_lineOptions);
            const ResultFormatOptions format{settings.ReNumber, settings.ReDeciPlace, m_separators};
            status = PrintTypedValue(expression, format, m_out);
        }
    } catch (const std::exception &error) {
        m_out << error.what() << "\n";
        status = kExitMessage;
    }
    if (m_lineOptions.all)
        m_out << "\n";
    return status == kExitResult;
}

Engine &CliBatch::engineFor(const std::string &category) {
    if (!m_engine || m_engineCategory != category) {
        m_engine = std::make_unique<Engine>(m_database);
        m_engine->SetBuiltinAliases(BuiltinAliases());
        m_engine->SetBuiltinDimensions(BuiltinDimensions());
        if (m_rates != nullptr)
            m_rates->Prepare(*m_engine);
        m_engineCategory.clear(); // until the load has succeeded
        m_engine->LoadCategoryUnits(category, UnitListOptionsOf(CliConversion::SettingsOf(m_lineOptions)));
        m_engineCategory = category;
    }
    return *m_engine;
}

const CliBatch::Inferred &CliBatch::categoryOf(const std::string &expression) {
    const std::string key = CategoryInference::IsPlainValue(expression) ? std::string() : expression;
    if (const auto found = m_inferred.find(key); found != m_inferred.end())
        return found->second;
    if (m_inferred.size() >= kRememberedExpressions)
        m_inferred.clear();
    const UnitNameLookup lookup(m_database, BuiltinAliases());
    if (!m_guesser) {
        std::vector<std::string> names;
        if (m_lineOptions.positional.size() > 1)
            names.push_back(lookup.FullName(Cp1252::FromTypedUtf8(m_lineOptions.positional[1])));
        for (const std::string &to : m_lineOptions.toUnits)
            names.push_back(lookup.FullName(Cp1252::FromTypedUtf8(to)));
        const ProgramSettings settings = CliConversion::SettingsOf(m_lineOptions);
        m_guesser.emplace(m_database, UnitListOptionsOf(settings), names);
    }
    Inferred inferred;
    try {
        inferred.category = m_guesser->Infer(expression);
        if (!inferred.category && !key.empty())
            inferred.category = lookup.CategoryReading(expression, m_separators.decimal);
    } catch (const CliUsageError &error) {
        inferred.error = error.what();
    }
    return m_inferred.emplace(key, std::move(inferred)).first->second;
}

} // namespace mensurio
