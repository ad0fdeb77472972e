// SPDX-License-Identifier: MIT
#include "cli/CliExport.h"

#include "cli/CliUsageError.h"
#include "core/export/HandheldExport.h"

#include <fstream>
#include <ostream>

namespace mensurio {

int CliExport::PreviousExportNumber(const std::string &valuesPath) {
    std::ifstream in(valuesPath, std::ios::binary);
    char header[36] = {};
    if (!in.read(header, sizeof header))
        return 0;
    static constexpr char kValuesName[] = "ZIZo-values"; // with its terminating NUL
    if (std::string(header, sizeof kValuesName) != std::string(kValuesName, sizeof kValuesName))
        return 0;
    return static_cast<unsigned char>(header[34]) << 8 | static_cast<unsigned char>(header[35]);
}

int CliExport::Run(UnitDatabase &database, const CliOptions &options, std::ostream &out) {
    const std::string &values = options.positional.at(0);
    const std::string &names = options.positional.at(1);
    if (HandheldExport::SameFile(values, names))
        throw CliUsageError("VALUES.pdb and NAMES.pdb must be two different files");
    const int number = options.exportNumber
                           ? *options.exportNumber
                           : HandheldExport::DrawExportNumber(PreviousExportNumber(values),
                                                              HandheldExport::ClockSeededSource());
    try {
        ExportHandheldDatabases(database, values, names, number);
    } catch (const HandheldExportError &error) {
        throw CliUsageError(error.what());
    }
    out << "export number " << number << "\n";
    return kExitResult;
}

} // namespace mensurio
