// SPDX-License-Identifier: MIT
#include "core/db/Cp1252.h"

#include "core/db/FindEntry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace mensurio;

TEST(Cp1252, EveryByte_roundTripsThroughItsCodePointAndUtf8) {
    std::set<char32_t> codePoints;
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t cp = Cp1252::ToCodePoint(b);
        EXPECT_EQ(Cp1252::FromCodePoint(cp), b) << std::hex << byte;
        EXPECT_TRUE(Cp1252::CanEncode(cp)) << std::hex << byte;
        codePoints.insert(cp);
        all += static_cast<char>(b);
    }
    EXPECT_EQ(codePoints.size(), 255U); // no two bytes share a code point
    EXPECT_EQ(Cp1252::FromUtf8(Cp1252::ToUtf8(all)), all);
    std::string strict;
    ASSERT_TRUE(Cp1252::TryFromUtf8(Cp1252::ToUtf8(all), strict));
    EXPECT_EQ(strict, all);
}

TEST(Cp1252, UndefinedBytes_areTheirOwnC1Controls) {
    for (const unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Cp1252::ToCodePoint(byte), static_cast<char32_t>(byte));
        EXPECT_EQ(Cp1252::FromCodePoint(byte), byte);
    }
    EXPECT_EQ(Cp1252::FromCodePoint(0x20AC), 0x80);               // the euro sign stays at 80 hex
    EXPECT_EQ(Cp1252::FromCodePoint(0x0080), Cp1252::Unmappable); // its C1 control is not a character here
}

TEST(Cp1252, CharactersOutsideTheCodePage_becomeTheUnmappableByte) {
    for (const char32_t cp :
         {char32_t(0x03A9), char32_t(0x4E2D), char32_t(0x1F600), char32_t(0x0080), char32_t(0)}) {
        EXPECT_EQ(Cp1252::FromCodePoint(cp), Cp1252::Unmappable) << std::hex << static_cast<unsigned>(cp);
        EXPECT_FALSE(Cp1252::CanEncode(cp));
    }
    EXPECT_EQ(Cp1252::FromUtf8("m\xCE\xA9"), std::string("m\0", 2)); // "mΩ"
}

TEST(Cp1252, FindEntryMatches_unmappableTypedCharacter_matchesNoName) {
    const std::string typed = Cp1252::FromUtf8("m\xCE\xA9"); // "mΩ"
    for (const std::string &name : {std::string("m\x81"), std::string("m\0", 2), std::string("m\x90x")}) {
        EXPECT_FALSE(FindEntryMatches(name + "    [Length]", typed, false)) << name;
        EXPECT_FALSE(FindEntryMatches(name + "    [Length]", typed, true)) << name;
    }
    EXPECT_TRUE(FindEntryMatches("m\x81    [Length]", Cp1252::FromUtf8("m\xC2\x81"), false)); // "m" U+0081
}

TEST(Cp1252, FromTypedUtf8_mapsTheCharactersTypedInSymbols) {
    struct Case {
        const char *typed;    // UTF-8
        std::string expected; // Windows-1252
    };
    const Case cases[] = {
        {"\xCE\xBCm", "\xB5m"},                 // Greek mu: micro sign
        {"\xC2\xB5m", "\xB5m"},                 // the micro sign itself
        {"k\xCE\xA9", "kohm"},                  // Greek capital omega
        {"M\xE2\x84\xA6", "Mohm"},              // ohm sign
        {"m\xE2\x81\xBB\xC2\xB9", "m^-1"},      // m⁻¹: the minus takes ¹ along as a plain digit
        {"s\xE2\x81\xBB\xC2\xB2", "s^-2"},      // s⁻²
        {"m\xE2\x81\xBB\xE2\x81\xB4", "m^-4"},  // m⁻⁴
        {"x\xE2\x81\xBB", "x^-"},               // a lone superscript minus
        {"m\xE2\x81\xB4", "m^4"},               // m⁴
        {"10\xC2\xB9\xE2\x81\xB0", "10^10"},    // ¹⁰: a run holding ⁰ becomes one exponent
        {"m\xC2\xB2 m\xC2\xB3", "m\xB2 m\xB3"}, // ² and ³ alone stay
        {"m\xC2\xB2\xE2\x81\xB9", "m^29"},      // ²⁹
        {"\xE2\x88\x92"
         "5",
         "-5"},                       // minus sign
        {"m\xE2\x88\x95s", "m/s"},    // division slash
        {"N\xE2\x8B\x85m", "N\xB7m"}, // dot operator: middle dot
        {"N\xC2\xB7m 2\xC3\x97"
         "3",
         "N\xB7m 2\xD7"
         "3"}, // middle dot and times sign stay
        {"\xC2\xB0"
         "F",
         "\xB0"
         "F"},                                    // degree sign
        {"m\xE2\x82\x82", std::string("m\0", 2)}, // subscript two: outside the code page
        {"bad \xFF", std::string("bad \0", 5)},   // malformed UTF-8
    };
    for (const Case &c : cases)
        EXPECT_EQ(Cp1252::FromTypedUtf8(c.typed), c.expected) << c.typed;
}
