// SPDX-License-Identifier: MIT
#include "core/custom/UnitValue.h"

#include <gtest/gtest.h>

#include <string>

using namespace mensurio;

namespace {

struct ValueCase {
    const char *text;
    UnitValueStatus status;
    long double value;
};

class ReadUnitValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReadUnitValueTest, ReadsOrRefuses) {
    const ValueCase &c = GetParam();
    const UnitValue read = ReadUnitValue(c.text);
    EXPECT_EQ(read.status, c.status) << '"' << c.text << '"';
    if (c.status == UnitValueStatus::Ok) {
        EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadUnitValueTest,
    ::testing::Values(
        ValueCase{"201.168", UnitValueStatus::Ok, 201.168L},
        ValueCase{"0,5", UnitValueStatus::Ok, 0.5L},         // comma as decimal mark
        ValueCase{"1/3", UnitValueStatus::Ok, 1.0L / 3.0L},  // an expression
        ValueCase{"2*(1,5+0,5)", UnitValueStatus::Ok, 4.0L}, // commas inside an expression
        ValueCase{"-2.5", UnitValueStatus::Ok, -2.5L},       // negative values are accepted
        ValueCase{" 12 ", UnitValueStatus::Ok, 12.0L},       // surrounding spaces
        ValueCase{"1e300", UnitValueStatus::Ok, 1e300L}, ValueCase{"abc", UnitValueStatus::Invalid, 0},
        ValueCase{"", UnitValueStatus::Invalid, 0}, ValueCase{"   ", UnitValueStatus::Invalid, 0},
        ValueCase{"1e5000", UnitValueStatus::Invalid, 0}, // overflow
        ValueCase{"1e6000", UnitValueStatus::Invalid, 0}, // read as infinity
        ValueCase{"1/0", UnitValueStatus::Invalid, 0},    // division by zero
        ValueCase{"1e4000*1e4000", UnitValueStatus::Invalid, 0},
        ValueCase{"(Base Unit)", UnitValueStatus::Invalid, 0}, ValueCase{"0", UnitValueStatus::Zero, 0},
        ValueCase{"0.0", UnitValueStatus::Zero, 0}, ValueCase{"-0", UnitValueStatus::Zero, 0},
        ValueCase{"1-1", UnitValueStatus::Zero, 0}, ValueCase{"1e-6000", UnitValueStatus::Zero, 0}));

TEST(ReadUnitValue, longPaste_isInvalidNotACrash) {
    EXPECT_EQ(ReadUnitValue(std::string(10000, '9')).status, UnitValueStatus::Invalid);
    EXPECT_EQ(ReadUnitValue(std::string(5000, '(') + "1" + std::string(5000, ')')).status,
              UnitValueStatus::Invalid);
}

} // namespace
