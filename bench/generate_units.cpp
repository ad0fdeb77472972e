// SPDX-License-Identifier: MIT
// Writes a large units database for the scale benchmarks: CATEGORIES categories of UNITS units
// each, after the categories of an optional starting database (the shipped one, as a user's
// file that grew by many custom categories would hold them).
//
// Usage: bench-generate-units OUT CATEGORIES [UNITS] [--from FILE] [--builtin] [--shared]
//   category i is "G<i>" and its unit k is "g<i> u<k>" with the factor k, so every unit name
//   is found in exactly one category; --shared names unit k "u<k>" in every category instead,
//   so that a unit name alone tells no category. --builtin writes the generated records as
//   built-in ones instead of custom ones.
#include "core/db/DatabaseFile.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using namespace mensurio;

bool parseCount(std::string_view text, int &value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

int usage() {
    std::fputs("usage: bench-generate-units OUT CATEGORIES [UNITS] [--from FILE] [--builtin] [--shared]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    std::string out;
    std::string from;
    int categories = -1;
    int units = 10;
    bool custom = true;
    bool shared = false;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--from" && i + 1 < argc) {
            from = argv[++i];
        } else if (arg == "--builtin") {
            custom = false;
        } else if (arg == "--shared") {
            shared = true;
        } else if (positional == 0) {
            out = arg;
            ++positional;
        } else if (positional == 1 && parseCount(arg, categories)) {
            ++positional;
        } else if (positional == 2 && parseCount(arg, units)) {
            ++positional;
        } else {
            return usage();
        }
    }
    if (positional < 2)
        return usage();
    try {
        UnitDatabase db;
        if (!from.empty())
            DatabaseFile::LoadFromPath(db, from);
        for (int c = 1; c <= categories; ++c) {
            const std::string category = "G" + std::to_string(c);
            db.AppendCategoryRecord(category, custom, false);
            const std::string prefix = shared ? std::string("u") : "g" + std::to_string(c) + " u";
            for (int u = 1; u <= units; ++u) {
                // Appended to the category just added, without a search by name.
                db.AppendUnitRecord(category,
                                    UnitRecord{.Name = prefix + std::to_string(u),
                                               .OriginUnit = u == 1 ? std::string() : prefix + "1",
                                               .Custom = static_cast<std::uint8_t>(custom ? 1 : 0),
                                               .Factor = static_cast<long double>(u),
                                               .DefaultOrder = u},
                                    false);
            }
        }
        const std::string bytes = DatabaseFile::ToBytes(db, "MNSA");
        std::ofstream file(out, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "bench-generate-units: cannot write %s\n", out.c_str());
            return 1;
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench-generate-units: %s\n", e.what());
        return 1;
    }
    return 0;
}
