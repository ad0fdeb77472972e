// SPDX-License-Identifier: MIT
// Shown numbers take the separators of the user's locale; typed numbers do not depend on it.
// The test builds its own locale (comma as decimal separator, narrow no-break space between
// thousands) with localedef into the scratch folder and points the child at it through LOCPATH.
#include "cli/CliFixture.h"

#include <filesystem>

using namespace mensurio;
using namespace mensurio::test;

namespace {

constexpr char kLocaleSource[] = R"(comment_char %
escape_char /
LC_CTYPE
copy "POSIX"
END LC_CTYPE
LC_COLLATE
copy "POSIX"
END LC_COLLATE
LC_MONETARY
copy "POSIX"
END LC_MONETARY
LC_NUMERIC
decimal_point "<U002C>"
thousands_sep "<U202F>"
grouping 3
END LC_NUMERIC
LC_TIME
copy "POSIX"
END LC_TIME
LC_MESSAGES
copy "POSIX"
END LC_MESSAGES
)";

// Sets environment variables for the children started while it lives.
class EnvironmentGuard {
  public:
    EnvironmentGuard(const std::string &locpath, const std::string &locale) {
        ::setenv("LOCPATH", locpath.c_str(), 1);
        ::setenv("LC_ALL", locale.c_str(), 1);
    }
    ~EnvironmentGuard() {
        ::unsetenv("LOCPATH");
        ::setenv("LC_ALL", "C", 1);
    }
    EnvironmentGuard(const EnvironmentGuard &) = delete;
    EnvironmentGuard &operator=(const EnvironmentGuard &) = delete;
};

} // namespace

TEST_F(CliTest, Locale_separatorsOfTheUsersLocaleShowInResults) {
    m_dir.write("locale.src", kLocaleSource);
    const std::string target = m_dir.file("xx_TEST.UTF-8");
    const std::string command = "localedef -c -i " + shellQuote(m_dir.file("locale.src")) + " -f UTF-8 " +
                                shellQuote(target) + " >/dev/null 2>&1";
    [[maybe_unused]] const int built = std::system(command.c_str()); // warnings give a non-zero status
    if (!std::filesystem::exists(target + "/LC_NUMERIC"))
        GTEST_SKIP() << "localedef cannot build a test locale here";
    const EnvironmentGuard guard(m_dir.path(), "xx_TEST.UTF-8");

    const std::string nbsp = "\xC2\xA0"; // the narrow no-break space maps to the no-break space
    struct LocaleCase {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<LocaleCase> cases = {
        {{"--format", "thousands", "--places", "2", "1234567.891", "meter", "--to", "meter"},
         "1" + nbsp + "234" + nbsp + "567,89\n"},
        {{"1,5", "meter", "--to", "foot"}, "4,921259843\n"},
        {{"1.5", "meter", "--to", "foot"}, "4,921259843\n"},
        {{"1.5", "yard", "--to", "yard", "--to", "foot"}, "(1) yard + (1,5) foot\n"},
        {{"--format", "fixed", "--places", "1", "2.25"}, "2,3\n"},
    };
    for (const auto &c : cases) {
        const auto r = runOnFixture(c.args);
        EXPECT_EQ(r.status, 0) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_EQ(r.out, c.out) << ::testing::PrintToString(c.args);
    }
}
