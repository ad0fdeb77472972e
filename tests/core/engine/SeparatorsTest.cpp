// SPDX-License-Identifier: MIT
#include "core/engine/Separators.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace mensurio {
namespace {

struct SeparatorCase {
    const char *decimalUtf8;
    const char *thousandsUtf8;
    char decimal;
    char thousands;
};

std::ostream &operator<<(std::ostream &os, const SeparatorCase &c) {
    return os << '"' << c.decimalUtf8 << "\" / \"" << c.thousandsUtf8 << '"';
}

class MapLocaleSeparatorsTable : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(MapLocaleSeparatorsTable, MapLocaleSeparators_givesWindows1252Characters) {
    const SeparatorCase &c = GetParam();
    const NumberSeparators result = MapLocaleSeparators(c.decimalUtf8, c.thousandsUtf8);
    EXPECT_EQ(result.decimal, c.decimal);
    EXPECT_EQ(result.thousands, c.thousands);
}

constexpr char kNbsp = static_cast<char>(160);

const SeparatorCase kSeparatorCases[] = {
    {".", ",", '.', ','},               // en_US
    {",", ".", ',', '.'},               // de_DE
    {".", "", '.', ','},                // C locale: no thousands separator
    {",", "", ',', '.'},                // no thousands separator beside a decimal comma
    {",", "\xE2\x80\xAF", ',', kNbsp},  // fr_FR: narrow no-break space U+202F
    {",", "\xC2\xA0", ',', kNbsp},      // no-break space U+00A0 is in Windows-1252
    {",", "\xE2\x80\x89", ',', kNbsp},  // thin space U+2009
    {".", " ", '.', ' '},               // a plain space is kept
    {".", "'", '.', '\''},              // de_CH
    {".", "\xE2\x80\x99", '.', '\x92'}, // right single quotation mark U+2019 is byte 0x92
    {"\xD9\xAB", "\xD9\xAC", '.', ','}, // Arabic separators have no Windows-1252 byte
    {"", "", '.', ','},                 // nothing at all
    {",", ",", ',', '.'},               // equal separators would make numbers unreadable
    {"\xB7", "", '\xB7', ','},          // a Latin-1 byte taken as it is (invalid UTF-8)
    {"\xC2\xB7", "", '\xB7', ','},      // middle dot U+00B7
    {"5", "\t", '.', ','},              // digits and control characters never separate
};
INSTANTIATE_TEST_SUITE_P(Locales, MapLocaleSeparatorsTable, ::testing::ValuesIn(kSeparatorCases));

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char *name, const char *value) : m_name(name) {
        if (const char *old = std::getenv(name)) {
            m_old = old;
        }
        ::setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (m_old) {
            ::setenv(m_name.c_str(), m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

  private:
    std::string m_name;
    std::optional<std::string> m_old;
};

TEST(ReadLocaleSeparators, ReadLocaleSeparators_cLocale_givesPointAndComma) {
    ScopedEnv env("LC_ALL", "C");
    const NumberSeparators result = ReadLocaleSeparators();
    EXPECT_EQ(result.decimal, '.');
    EXPECT_EQ(result.thousands, ',');
}

TEST(ReadLocaleSeparators, ReadLocaleSeparators_afterwards_leavesNumberParsingInCLocale) {
    ScopedEnv env("LC_ALL", "C.UTF-8");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ReadLocaleSeparators();
    EXPECT_EQ(std::string(std::setlocale(LC_ALL, nullptr)), before);
    EXPECT_EQ(std::strtod("1.5", nullptr), 1.5);
}

TEST(ReadLocaleSeparators, ReadLocaleSeparators_germanLocale_givesCommaAndPoint) {
    ScopedEnv env("LC_ALL", "de_DE.UTF-8");
    if (std::setlocale(LC_ALL, "") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    std::setlocale(LC_ALL, "C");
    const NumberSeparators result = ReadLocaleSeparators();
    EXPECT_EQ(result.decimal, ',');
    EXPECT_EQ(result.thousands, '.');
}

} // namespace
} // namespace mensurio
