// SPDX-License-Identifier: MIT
// mensurio-cli --table: the PDF file it writes, and what it refuses without writing anything.
#include "CliFixture.h"

#include <filesystem>

namespace mensurio::test {
namespace {

class CliTableTest : public CliTest {
  protected:
    std::string pdf() const { return m_dir.file("table.pdf"); }
    std::string pdfText(const std::string &path) const {
        const ProcessResult r = runProcess("pdftotext", {"-layout", path, "-"}, m_dir.path());
        EXPECT_EQ(r.status, 0) << missingTool(r, "pdftotext", "poppler-utils");
        return r.out;
    }
};

TEST_F(CliTableTest, WritesTheTableAsPdf) {
    const ProcessResult r =
        runOnFixture({"--table", pdf(), "-c", "length", "--rows", "foot,toise (ancien r\xC3\xA9gime),meter",
                      "--columns", "inch,meter", "--direction", "right-up"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    const std::string text = pdfText(pdf());
    for (const char *expected : {"Category", "Length", "Page", "1", "foot", "meter", "inch",
                                 "toise (ancien r\xC3\xA9gime)", "Mensurio " MENSURIO_VERSION,
                                 // foot in inches and meters, toise in inches, meter in inches.
                                 "12", "0.3048", "76.733700787", "39.37007874"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(CliTableTest, DirectionFormatAndPaperAreHonoured) {
    const ProcessResult r =
        runOnFixture({"--table", pdf(), "-c", "Length", "--rows", "all", "--columns", "foot", "--direction",
                      "down-left", "--table-format", "scientific", "--paper", "vertical"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = pdfText(pdf());
    // Down and left: the row "meter" holds how many meters one foot is, 0.3048.
    EXPECT_NE(text.find("3.0480000E-01"), std::string::npos) << text;
    EXPECT_NE(text.find("league (hidden)"), std::string::npos) << "--rows all includes hidden units";
    const ProcessResult info = runProcess("pdfinfo", {pdf()}, m_dir.path());
    ASSERT_EQ(info.status, 0) << missingTool(info, "pdfinfo", "poppler-utils");
    EXPECT_NE(info.out.find("595 x 842 pts (A4)"), std::string::npos) << info.out;
}

// Names match exactly, else ignoring letter case: "Mm" is the megametre, "MM" the first of the
// two that differ only in case (the millimetre).
TEST_F(CliTableTest, NamesMatchExactlyElseIgnoringCase) {
    const ProcessResult r =
        runOnFixture({"--table", pdf(), "-c", "LENGTH", "--rows", "Mm,MM", "--columns", "mm"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = pdfText(pdf());
    EXPECT_NE(text.find("1000000000"), std::string::npos) << text;
    EXPECT_NE(text.find("Mm "), std::string::npos) << text;
    EXPECT_EQ(text.find("MM"), std::string::npos) << "rows show the database's names";
}

TEST_F(CliTableTest, CommaInsideANameIsEscaped) {
    UnitDatabase db;
    db.AddCategory("Mass", false);
    db.AddUnit("Mass", "pound, troy", "", 0.3732417216L, false);
    db.AddUnit("Mass", "kilogram", "", 1, false);
    m_dir.write("comma.dat", DatabaseFile::ToBytes(db, "MNSA"));
    const ProcessResult r = run({"--db", m_dir.file("comma.dat"), "--table", pdf(), "-c", "Mass", "--rows",
                                 "pound\\, troy", "--columns", "kilogram"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(pdfText(pdf()).find("0.3732417216"), std::string::npos);
}

// The text layer holds every letter as itself: no ligature replaces "fl", "fi" or "ff".
TEST_F(CliTableTest, PdfText_hasNoLigatures_andCanBeSearched) {
    UnitDatabase db;
    db.AddCategory("Flow", false);
    db.AddUnit("Flow", "flux unit", "", 1, false);
    db.AddUnit("Flow", "official effluent", "", 2, false);
    m_dir.write("flow.dat", DatabaseFile::ToBytes(db, "MNSA"));
    const ProcessResult r = run({"--db", m_dir.file("flow.dat"), "--table", pdf(), "-c", "Flow", "--rows",
                                 "all", "--columns", "all"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = pdfText(pdf());
    for (const char *word : {"Flow", "flux unit", "official effluent"})
        EXPECT_NE(text.find(word), std::string::npos) << word << "\n" << text;
}

struct RefusedCase {
    const char *name;
    std::vector<std::string> args; // after --table FILE
    const char *message;
};

class CliTableRefusedTest : public CliTableTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(CliTableRefusedTest, ExitsWithTwoAndWritesNothing) {
    std::vector<std::string> args = {"--table", pdf()};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const ProcessResult r = runOnFixture(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(pdf()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliTableRefusedTest,
    ::testing::Values(
        RefusedCase{
            "UnknownRow", {"-c", "Length", "--rows", "meter,furlong", "--columns", "foot"}, "'furlong'"},
        RefusedCase{"UnknownColumn", {"-c", "Length", "--rows", "meter", "--columns", "parsec"}, "'parsec'"},
        RefusedCase{"TooManyColumnsForVertical",
                    {"-c", "Length", "--rows", "meter", "--columns", "all", "--paper", "vertical"},
                    "at most 6"},
        RefusedCase{
            "SpecialCategory", {"-c", "Temperature", "--rows", "all", "--columns", "all"}, "plain factor"},
        RefusedCase{"UnknownCategory", {"-c", "Weather", "--rows", "all", "--columns", "all"}, "'Weather'"},
        RefusedCase{"MissingColumns", {"-c", "Length", "--rows", "all"}, "--columns"},
        RefusedCase{"BadDirection",
                    {"-c", "Length", "--rows", "all", "--columns", "foot", "--direction", "up"},
                    "right-up"}),
    [](const auto &info) { return std::string(info.param.name); });

// The fixture's "Empty" category holds no units: reported, exit status 1, no file.
TEST_F(CliTableTest, CategoryWithoutUnits_isReportedWithOne) {
    for (const std::vector<std::string> &units :
         {std::vector<std::string>{"--rows", "all", "--columns", "all"},
          std::vector<std::string>{"--rows", "all", "--columns", "x"}}) {
        std::vector<std::string> args = {"--table", pdf(), "-c", "Empty"};
        args.insert(args.end(), units.begin(), units.end());
        const ProcessResult r = runOnFixture(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("'Empty' holds no units"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(pdf()));
    }
}

TEST_F(CliTableTest, UnwritableFileIsRefusedAndAnOldFileKept) {
    const ProcessResult missing = runOnFixture({"--table", m_dir.file("no/such/folder/t.pdf"), "-c", "Length",
                                                "--rows", "all", "--columns", "foot"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot write"), std::string::npos) << missing.err;

    m_dir.write("table.pdf", "old");
    const ProcessResult refused =
        runOnFixture({"--table", pdf(), "-c", "Length", "--rows", "nothing", "--columns", "foot"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(m_dir.read("table.pdf"), "old");
}

} // namespace
} // namespace mensurio::test
