// SPDX-License-Identifier: MIT
// Unit records go to the category the insertion rule names, whatever order the file holds them in.
#include "core/db/DatabaseFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace mensurio;

namespace {

std::string int32(int v) {
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

// One record of the current form: "Category" records when s1 is "Category", else units of s1.
std::string record(const std::string &s1, const std::string &s2) {
    std::string out = int32(1) + std::string("\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 10) + '\0' + '\0';
    const std::string s3 = s1 == "Category" ? "0 puvodce" : "";
    for (const std::string *s : {&s1, &s2, &s3})
        out += static_cast<char>(s->size() + 1);
    out += '\0';
    for (const std::string *s : {&s1, &s2, &s3})
        out += static_cast<char>(s->size()) + *s;
    return out;
}

// The loaded database written as "Name{unit,unit} Name{}" in category order.
std::string loadedShape(const std::vector<std::pair<std::string, std::string>> &records) {
    std::string file = "MNSA" + int32(static_cast<int>(records.size()));
    for (const auto &[s1, s2] : records)
        file += record(s1, s2);
    std::istringstream in(file);
    UnitDatabase db;
    DatabaseFile::LoadFromFile(db, in);
    std::string shape;
    for (const CategoryRecord &c : db.Categories()) {
        shape += (shape.empty() ? "" : " ") + c.Name + "{";
        for (std::size_t i = 0; i < c.Units.size(); ++i)
            shape += (i ? "," : "") + c.Units[i].Name;
        shape += "}";
    }
    return shape;
}

} // namespace

TEST(DatabaseLoadOrder, LoadFromFile_unitRecords_followTheInsertionRule) {
    const struct {
        const char *name;
        std::vector<std::pair<std::string, std::string>> records;
        std::string shape;
    } cases[] = {
        {"out of order",
         {{"Category", "A"}, {"Category", "B"}, {"B", "b1"}, {"A", "a1"}, {"B", "b2"}},
         "A{a1} B{b1,b2}"},
        {"current category of a repeated name",
         {{"Category", "A"}, {"Category", "A"}, {"A", "x"}},
         "A{} A{x}"},
        {"first category of a repeated name when another is current",
         {{"Category", "A"}, {"Category", "B"}, {"Category", "A"}, {"B", "y"}, {"A", "z"}},
         "A{z} B{y} A{}"},
        {"unit before its category record",
         {{"V", "v1"}, {"Category", "V"}, {"V", "v2"}, {"Category", "W"}, {"V", "v3"}},
         "V{v1,v3} V{v2} W{}"},
        {"exact names only", {{"Category", "a"}, {"A", "u"}}, "a{} A{u}"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(loadedShape(c.records), c.shape) << c.name;
}

TEST(DatabaseLoadOrder, LoadFromFile_manyCategoriesInReverse_eachGetsItsOwnUnits) {
    std::vector<std::pair<std::string, std::string>> records;
    for (int c = 0; c < 500; ++c)
        records.push_back({"Category", "c" + std::to_string(c)});
    for (int u = 0; u < 3; ++u) {
        for (int c = 499; c >= 0; --c)
            records.push_back({"c" + std::to_string(c), "u" + std::to_string(u)});
    }
    const std::string shape = loadedShape(records);
    EXPECT_EQ(shape.substr(0, 19), "c0{u0,u1,u2} c1{u0,");
    EXPECT_NE(shape.find(" c499{u0,u1,u2}"), std::string::npos);
    EXPECT_EQ(shape.find("}{"), std::string::npos);
}
