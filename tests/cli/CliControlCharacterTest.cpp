// SPDX-License-Identifier: MIT
// Names holding control characters (a hand-made or hostile units.dat) never reach the
// terminal raw: listings, searches and messages print them escaped.
#include "cli/CliFixture.h"

namespace mensurio::test {
namespace {

class CliControlCharacters : public CliTest {
  protected:
    void SetUp() override {
        UnitDatabase db;
        db.AddCategory("Len\x1B[2Jgth", false);
        db.AddUnit("Len\x1B[2Jgth",
                   "met\x07"
                   "er",
                   "", 1.0L, false);
        db.AddUnit("Len\x1B[2Jgth", "fo\x7Fot\x81", "", 0.3048L, false);
        db.AddUnit("Len\x1B[2Jgth", "in\tch\n", "", 0.0254L, false);
        db.AddUnit("Len\x1B[2Jgth", "toise (r\xE9gime)", "", 1.949036L, false);
        db.AddCategory("Other", false);
        db.AddUnit("Other",
                   "met\x07"
                   "er",
                   "", 1.0L, false);
        m_dir.write("fixture.dat", DatabaseFile::ToBytes(db, "MNSA"));
    }
};

TEST_F(CliControlCharacters, NamesArePrintedEscaped) {
    const struct {
        const char *name;
        std::vector<std::string> args;
        std::string out;
        std::string err;
    } cases[] = {
        {"listCategories", {"--list-categories"}, "Len\\x1B[2Jgth\nOther\n", ""},
        {"listUnits",
         {"--list-units", "Len\x1B[2Jgth"},
         "met\\x07er\nfo\\x7Fot\\u0081\nin\\x09ch\\x0A\ntoise (r\xC3\xA9gime)\n",
         ""},
        {"find", {"--find", "fo"}, "fo\\x7Fot\\u0081    [Len\\x1B[2Jgth]\n", ""},
        {"unknownUnit",
         {"-c", "Len\x1B[2Jgth", "1", "metr", "--to", "inch"},
         "",
         "mensurio-cli: no unit named 'metr' in the category 'Len\\x1B[2Jgth'; did you mean met\\x07er?\n"},
    };
    for (const auto &c : cases) {
        const ProcessResult r = runOnFixture(c.args);
        EXPECT_EQ(r.out, c.out) << c.name;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err) << c.name;
        }
        EXPECT_EQ(r.out.find('\x1B'), std::string::npos) << c.name;
        EXPECT_EQ(r.err.find('\x1B'), std::string::npos) << c.name;
    }
}

} // namespace
} // namespace mensurio::test
