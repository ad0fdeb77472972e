// SPDX-License-Identifier: MIT
// The command-line option parser on arbitrary argument lists (arguments split at NUL bytes):
// options or a usage error, never both and never neither.
#include "FuzzCheck.h"

#include "cli/CliOptions.h"
#include "core/db/Cp1252.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    std::string error;
    const auto options = mensurio::CliOptions::Parse(args, error);
    FUZZ_CHECK(options.has_value() == error.empty());
    if (options) {
        FUZZ_CHECK(!options->places || (*options->places >= 0 && *options->places <= 12));
        FUZZ_CHECK(!options->style || (*options->style >= 0 && *options->style <= 2));
        // The CLI turns its UTF-8 arguments into the database's code page.
        for (const std::string &text : options->positional)
            (void)mensurio::Cp1252::FromUtf8(text);
    }
    return 0;
}
