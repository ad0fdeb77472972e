// SPDX-License-Identifier: MIT
// Symbols and spellings: fields 5 and 6, "symbol source:", the checks, the generated
// spellings and the C++ table the programs are built with.
#include "core/db/Cp1252.h"
#include "core/engine/BuiltinAliases.h"
#include "tools/makedb/AliasesSource.h"
#include "tools/makedb/CategoryCompiler.h"
#include "tools/makedb/DataSource.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/UnitAliases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace mensurio {
namespace {

std::vector<CompiledCategory> CompileText(const std::string &text) {
    DataSource source;
    source.ParseText(text, "a.txt");
    return CategoryCompiler::CompileAll(source);
}

const std::string Head = "symbol source: SI Brochure\ncategory: Length\nmeter | 1 | | s | m\n";

struct AliasFault {
    const char *Title;
    std::string Text;
    int Line;
    const char *Message;
};

const AliasFault AliasFaults[] = {
    {"symbols without a symbol source", "category: Length\nmeter | 1 | | s | m\n", 2, "no 'symbol source:'"},
    {"symbol source after the unit", "category: Length\nmeter | 1 | | s | m\nsymbol source: SI\n", 2,
     "no 'symbol source:'"},
    {"symbol source without a citation", "symbol source:   \ncategory: A\nb | 1 | | s\n", 1,
     "without a citation"},
    {"empty symbol item", Head + "foot | 0.3048 | | s | ft, , ft2\n", 4, "empty symbol"},
    {"trailing comma in spellings", Head + "foot | 0.3048 | | s | ft | feet,\n", 4, "empty spelling"},
    {"symbol of two units", Head + "mile | 1609.344 | | s | m\n", 4,
     "'m' of 'mile' is already a symbol of unit 'meter'"},
    {"symbol equal to another unit's name", Head + "foot | 0.3048 | | s | Meter\n", 4,
     "equals the name of unit 'meter'"},
    {"spelling equal to another unit's name", Head + "foot | 0.3048 | | s | ft | METER\n", 4,
     "equals the name of unit 'meter'"},
    {"earlier spelling equal to a later unit's name",
     Head + "foot | 0.3048 | | s | ft | yard\nyard | 3 | foot | s\n", 4,
     "spelling 'yard' of 'foot' equals the name of unit 'yard'"},
    {"spelling equal to another unit's symbol", Head + "mile | 1609.344 | | s | | M\n", 4,
     "equals a symbol of unit 'meter' ignoring letter case"},
    {"spelling of two units", Head + "foot | 0.3048 | | s | | ft\nfeet unit | 0.3048 | | s | | FT\n", 5,
     "already a spelling of unit 'foot'"},
    {"symbol given twice after the mapping", Head + "kiloohm | 1000 | | s | k\xCE\xA9, kohm\n", 4,
     "given twice"},
    {"spelling given twice ignoring case", Head + "foot | 0.3048 | | s | | feet, Feet\n", 4, "given twice"},
    {"symbol outside Windows-1252", Head + "foot | 0.3048 | | s | f\xE2\x82\x82\n", 4,
     "Windows-1252 cannot hold"},
    {"spelling outside Windows-1252",
     Head + "foot | 0.3048 | | s | | \xE2\x89\x88"
            "ft\n",
     4, "Windows-1252 cannot hold"},
    {"symbol over 50 bytes", Head + "foot | 0.3048 | | s | " + std::string(51, 'f') + "\n", 4, "at most 50"},
    {"symbol over 50 bytes after the mapping",
     Head + "foot | 0.3048 | | s | " + std::string(48, 'f') + "\xCE\xA9\n", 4, "51 bytes long"},
    {"control character in a spelling",
     Head + "foot | 0.3048 | | s | | fe\x01"
            "et\n",
     4, "control character"},
};

void PrintTo(const AliasFault &fault, std::ostream *out) {
    *out << fault.Title;
}

class AliasFaultTest : public testing::TestWithParam<AliasFault> {};

TEST_P(AliasFaultTest, Compile_faultyAliases_stopsAtTheLine) {
    const AliasFault &fault = GetParam();
    try {
        CompileText(fault.Text);
        FAIL() << fault.Title << ": no error";
    } catch (const SourceError &e) {
        EXPECT_EQ(e.Line(), fault.Line) << fault.Title << ": " << e.what();
        EXPECT_NE(std::string(e.what()).find(fault.Message), std::string::npos)
            << fault.Title << ": " << e.what();
    }
}

std::string AliasFaultName(const testing::TestParamInfo<AliasFault> &info) {
    std::string name = info.param.Title;
    for (char &c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Faults, AliasFaultTest, testing::ValuesIn(AliasFaults), AliasFaultName);

TEST(Aliases, SymbolSource_holdsUntilTheEndOfItsFile) {
    DataSource source;
    source.ParseText(Head + "category: Time\nsecond | 1 | | s | s\n",
                     "a.txt"); // a later category: still sourced
    source.ParseText("category: Mass\ngram | 1 | | s | g\n", "b.txt");
    try {
        CategoryCompiler::CompileAll(source);
        FAIL() << "no error";
    } catch (const SourceError &e) {
        EXPECT_EQ(e.File(), "b.txt");
        EXPECT_EQ(e.Line(), 2);
        EXPECT_NE(std::string(e.what()).find("no 'symbol source:'"), std::string::npos) << e.what();
    }
}

TEST(Aliases, Plural_regularRulesAndTheWordsThatGetNone) {
    const std::pair<const char *, const char *> cases[] = {
        {"meter", "meters"},
        {"nautical mile", "nautical miles"},
        {"mile/hour", "miles/hour"},
        {"kilowatt hour (kWh)", "kilowatt hours (kWh)"},
        {"gallons (US)/mile", ""}, // ends in s
        {"inch", "inches"},
        {"foot/second", ""}, // foot is irregular: written by hand
        {"square foot", ""},
        {"inch/second", "inches/second"},
        {"pound-force/square inch", ""}, // hyphenated: written by hand
        {"acre-foot/day", ""},
        {"thousand cubic feet/day", ""},
        {"part per million (ppm)", "parts per million (ppm)"},
        {"rush", "rushes"},
        {"century", "centuries"},
        {"day", "days"},
        {"hertz", ""},
        {"lux", ""},
        {"siemens", ""},
        {"Celsius", ""},
        {"Planck length", "Planck lengths"},
        {"liter/100 km", "liters/100 km"},
        {"base 36", ""},
        {"R\xE9"
         "aumur",
         ""},
        {"\xC9"
         "cu",
         ""},            // a capital outside ASCII
        {"caf\xE9", ""}, // a last letter outside a-z
        {"standard gravity (g)", "standard gravities (g)"},
        {"inch of mercury (inHg)", "inches of mercury (inHg)"},
        {"ton of refrigeration", "tons of refrigeration"},
        {"foot of water", ""},
    };
    for (const auto &[name, plural] : cases)
        EXPECT_EQ(UnitAliases::Plural(name), plural) << name;
}

TEST(Aliases, GeneratedSpellings_britishFormsPluralsAndShorterNames) {
    using Generated = UnitAliases::Generated;
    const auto spellings = [](const std::string &name) {
        std::vector<std::string> result;
        for (const Generated &g : UnitAliases::GeneratedSpellings(name))
            result.push_back(g.Spelling + "@" + std::to_string(g.Level));
        return result;
    };
    using List = std::vector<std::string>;
    EXPECT_EQ(spellings("meter"), (List{"metre@0", "meters@0", "metres@0"}));
    EXPECT_EQ(spellings("milliliter"), (List{"millilitre@0", "milliliters@0", "millilitres@0"}));
    EXPECT_EQ(spellings("meter/liter"), (List{"metre/litre@0", "meters/liter@0", "metres/litre@0"}));
    EXPECT_EQ(spellings("wavelength in metres"), List{});
    EXPECT_EQ(spellings("kilowatt hour (kWh)"),
              (List{"kilowatt hours (kWh)@0", "kilowatt hour@1", "kilowatt hours@1"}));
    EXPECT_EQ(spellings("mile/gallon (US) (mpg)"),
              (List{"miles/gallon (US) (mpg)@0", "mile/gallon (US)@1", "miles/gallon (US)@1", "mile/gallon@2",
                    "miles/gallon@2"}));
    EXPECT_EQ(spellings("foot"), List{});
    EXPECT_EQ(spellings("Celsius"), List{});
}

TEST(Aliases, Compile_itemsAreMappedAndGeneratedSpellingsGiveWayOnCollision) {
    const auto categories =
        CompileText("symbol source: SI Brochure\n"
                    "category: Length\n"
                    "meter | 1 | | s | m, m\xC2\xB9 | meterz\n"
                    "micrometer | 1e-6 | meter | s | \xCE\xBCm, um\n"
                    "mile | 1609.344 | | s | mi\n"
                    "mile (US survey) | 1 | mile | s\n" // "miles" stays with mile
                    "gallon (US) | 1 | | s\n"           // "gallon", "gallons": both units lose them
                    "gallon (UK) | 1 | | s\n"
                    "unit metres | 1 | | s | | metres\n" // a written spelling beats a generated one
                    "kilowatt hour (kWh) | 1 | | s | kWh | kilowatt hours\n" // written by hand: not repeated
                    "square centimeter | 1 | | s | cm\xC2\xB2, cm^2, sq cm | centimetres squared\n"
                    "inch | 1 | | s | in | Inches\n");
    const std::vector<CompiledUnit> &u = categories[0].Units;
    using List = std::vector<std::string>;
    EXPECT_EQ(u[0].Symbols, (List{"m", "m\xB9"}));
    EXPECT_EQ(u[0].DisplaySymbol, "m");
    EXPECT_EQ(u[0].Spellings, (List{"meterz", "metre", "meters"})); // "metres" belongs to another unit
    EXPECT_EQ(u[1].Symbols, (List{"\xB5m", "um"}));
    EXPECT_EQ(u[1].DisplaySymbol, "\xCE\xBCm"); // as written
    EXPECT_EQ(u[2].Spellings, (List{"miles"}));
    EXPECT_EQ(u[3].Spellings, (List{"miles (US survey)"}));
    EXPECT_EQ(u[4].Spellings, (List{"gallons (US)"}));
    EXPECT_EQ(u[5].Spellings, (List{"gallons (UK)"}));
    EXPECT_EQ(u[6].Spellings, (List{"metres"}));
    EXPECT_EQ(u[7].Spellings, (List{"kilowatt hours", "kilowatt hours (kWh)", "kilowatt hour"}));
    EXPECT_EQ(u[8].Symbols, (List{"cm\xB2", "cm^2", "sq cm"}));
    EXPECT_EQ(u[8].Spellings,
              (List{"centimetres squared", "square centimetre", "square centimeters", "square centimetres"}));
    EXPECT_EQ(u[9].Spellings, (List{"Inches"}));
    EXPECT_EQ(u[9].DisplaySymbol, "in");
}

TEST(Aliases, Literal_escapesEveryByteOutsidePrintableAscii) {
    const std::pair<std::string, std::string> cases[] = {
        {"m", "\"m\""},
        {"\xB5m", "\"\\265m\""}, // no hex escape that could take in the 'm'
        {"\xB0"
         "F",
         "\"\\260F\""},
        {"a\nb", "\"a\\012b\""},
        {"\"\\?", "\"\\042\\134\\077\""},
        {"", "\"\""},
    };
    for (const auto &[bytes, literal] : cases)
        EXPECT_EQ(AliasesSource::Literal(bytes), literal) << bytes;
}

TEST(Aliases, Cpp_leavesOutUnitsWithoutAliases_andCompilesWhenEmpty) {
    const auto categories = CompileText("symbol source: s\ncategory: A\nfoot | 1 | | s\nb | 1 | | s | b\n");
    const std::string cpp = AliasesSource::Cpp(categories);
    EXPECT_NE(cpp.find("{\"A\", \"b\", \"b\", \"bs\", \"b\"},"), std::string::npos) << cpp;
    EXPECT_EQ(cpp.find("\"foot\""), std::string::npos) << cpp;
    EXPECT_NE(cpp.find("Entries[1]"), std::string::npos) << cpp;
    const std::string empty = AliasesSource::Cpp(CompileText("category: A\nfoot | 1 | | s\n"));
    EXPECT_EQ(empty.find("Entries"), std::string::npos) << empty;
    EXPECT_NE(empty.find("return {};"), std::string::npos) << empty;
}

std::string Joined(const std::vector<std::string> &items) {
    std::string text;
    for (const std::string &item : items)
        text += (text.empty() ? "" : "\n") + item;
    return text;
}

// The table the programs are built with holds exactly what the data source says, byte for byte.
TEST(Aliases, BuiltinAliases_builtTable_matchesTheDataSource) {
    std::vector<std::string> files;
    for (const auto &entry :
         std::filesystem::directory_iterator(std::string(MENSURIO_SOURCE_DIR) + "/data")) {
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    DataSource source;
    for (const std::string &file : files)
        source.ParseFile(file);
    std::vector<std::vector<std::string>> expected;
    for (const CompiledCategory &category : CategoryCompiler::CompileAll(source)) {
        for (const CompiledUnit &unit : category.Units) {
            if (!unit.Symbols.empty() || !unit.Spellings.empty())
                expected.push_back({category.Name, unit.Name, Joined(unit.Symbols), Joined(unit.Spellings),
                                    unit.DisplaySymbol});
        }
    }
    const auto table = BuiltinAliases();
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const BuiltinAliasEntry &e = table[i];
        EXPECT_EQ((std::vector<std::string>{e.category, e.unit, e.symbols, e.spellings, e.display}),
                  expected[i])
            << Cp1252::ToUtf8(e.unit);
    }
}

} // namespace
} // namespace mensurio
