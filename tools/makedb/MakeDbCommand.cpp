// SPDX-License-Identifier: MIT
#include "tools/makedb/MakeDbCommand.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "tools/makedb/AliasesSource.h"
#include "tools/makedb/CategoryCompiler.h"
#include "tools/makedb/DataSource.h"
#include "tools/makedb/DimensionCompiler.h"
#include "tools/makedb/DimensionsSource.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/UnitsSummary.h"
#include "tools/makedb/VersionHistory.h"

#include <cstdio>
#include <fstream>
#include <ostream>
#include <stdexcept>

namespace mensurio {

namespace {

constexpr const char *Usage = "usage: mensurio-makedb OUTPUT INPUT...\n"
                              "       mensurio-makedb --summary MARKDOWN-FILE INPUT...\n"
                              "       mensurio-makedb --aliases CPP-FILE [--history VERSIONS-FILE] INPUT...\n"
                              "       mensurio-makedb --dimensions CPP-FILE INPUT...\n";

} // namespace

void MakeDbCommand::WriteFileAtomically(const std::string &path, const std::string &bytes) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error(path + ": cannot write the file");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error(path + ": cannot replace the file");
    }
}

int MakeDbCommand::Run(const std::vector<std::string> &args, std::ostream &err) {
    const bool summary = !args.empty() && args[0] == "--summary";
    const bool aliases = !args.empty() && args[0] == "--aliases";
    const bool dimensions = !args.empty() && args[0] == "--dimensions";
    const bool history = aliases && args.size() > 2 && args[2] == "--history";
    const std::size_t firstInput = history ? 4 : summary || aliases || dimensions ? 2 : 1;
    if (args.size() <= firstInput || (firstInput == 1 && args[0].rfind("-", 0) == 0)) {
        err << Usage;
        return 2;
    }
    const std::string &output = args[summary || aliases || dimensions ? 1 : 0];
    try {
        DataSource source;
        for (std::size_t i = firstInput; i < args.size(); ++i)
            source.ParseFile(args[i]);
        const std::vector<CompiledCategory> categories = CategoryCompiler::CompileAll(source);
        // Every output checks the dimensions, so that the database build stops on a fault too.
        const std::vector<CompiledDimension> categoryDimensions = DimensionCompiler::CompileAll(source);
        if (summary) {
            WriteFileAtomically(output, UnitsSummary::Markdown(categories, categoryDimensions));
            return 0;
        }
        if (dimensions) {
            WriteFileAtomically(output, DimensionsSource::Cpp(categoryDimensions));
            return 0;
        }
        if (aliases) {
            VersionHistory versions;
            if (history) {
                versions.ParseFile(args[3]);
                versions.Check(categories);
            }
            WriteFileAtomically(output, AliasesSource::Cpp(categories, versions));
            return 0;
        }
        UnitDatabase db;
        CategoryCompiler::Fill(categories, db);
        WriteFileAtomically(output, DatabaseFile::ToBytes(db, "MNS0"));
        return 0;
    } catch (const std::exception &e) {
        err << e.what() << '\n';
        return 1;
    }
}

} // namespace mensurio
