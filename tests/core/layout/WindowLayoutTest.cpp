// SPDX-License-Identifier: MIT
#include "core/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurio {
namespace {

LayoutInput InputOfWidth(int width) {
    LayoutInput input;
    input.clientWidth = width + 20;
    input.clientHeight = 340;
    input.fieldsStripWidth = width;
    input.listsAreaHeight = 280;
    input.editHeight = 22;
    input.comboHeight = 24;
    return input;
}

// ---- Horizontal geometry by the fields strip's width ----------------------------------------------

struct WidthCase {
    int width;
    int margin;
    bool arrow;
    float scale;
    int valueFieldLeft;
    int fieldWidth;
    int resultFieldLeft;
    int arrowLeft;
};

void PrintTo(const WidthCase &c, std::ostream *os) {
    *os << "width " << c.width;
}

class LayoutWindowWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(LayoutWindowWidth, placesFieldsArrowAndLists) {
    const WidthCase &c = GetParam();
    const WindowLayoutResult r = LayoutWindow(InputOfWidth(c.width), "Length");

    EXPECT_FLOAT_EQ(LayoutScale(c.width), c.scale);
    EXPECT_EQ(r.arrowVisible, c.arrow);
    EXPECT_EQ(r.valueField, (LayoutRect{c.valueFieldLeft, 10, c.fieldWidth, 22}));
    EXPECT_EQ(r.resultField, (LayoutRect{c.resultFieldLeft, 10, c.fieldWidth, 22}));
    EXPECT_EQ(r.arrow.left, c.arrowLeft);
    EXPECT_EQ(r.inputPressure, (LayoutRect{c.valueFieldLeft + c.margin, 3, c.fieldWidth - c.margin, 24}));
    EXPECT_EQ(r.outputPressure, (LayoutRect{c.resultFieldLeft + c.margin, 3, c.fieldWidth - c.margin, 24}));
    EXPECT_EQ(r.inputList.left, r.inputPressure.left);
    EXPECT_EQ(r.inputList.width, r.inputPressure.width);
    EXPECT_EQ(r.outputList.left, r.outputPressure.left);
    EXPECT_EQ(r.outputList.width, r.outputPressure.width);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, LayoutWindowWidth,
    ::testing::Values(
        // width, margin, arrow, scale, valueField left, valueField width, resultField left, arrow left
        WidthCase{513, 21, true, 2.0f, 14, 218, 280, 244},
        WidthCase{401, 21, true, 2.0f, 14, 162, 224, 188}, // T(200.5) = 200
        WidthCase{400, 0, true, 2.0f, 14, 162, 224, 188}, WidthCase{351, 0, true, 1.51f, 11, 146, 193, 163},
        WidthCase{350, 0, false, 1.5f, 10, 147, 193, 163}, // 10.5, 28.5 and 46.5 round to even
        WidthCase{325, 0, false, 1.25f, 9, 138, 177, 150}, WidthCase{300, 0, false, 1.0f, 7, 131, 162, 138},
        WidthCase{299, 0, false, 1.0f, 7, 130, 161, 137}, WidthCase{100, 0, false, 1.0f, 7, 31, 62, 38}));

// ---- Vertical geometry --------------------------------------------------------------------------

TEST(LayoutWindow, tabControlAndFieldsStrip_followClientSizeAndFieldHeight) {
    LayoutInput input = InputOfWidth(513);
    input.clientWidth = 561;
    input.clientHeight = 300;
    input.editHeight = 25;
    const WindowLayoutResult r = LayoutWindow(input, "Length");
    EXPECT_EQ(r.tabPage, (LayoutRect{4, 4, 553, 292}));
    EXPECT_EQ(r.fieldsStripHeight, 38);
    EXPECT_EQ(r.valueField.height, 25);
    EXPECT_EQ(r.resultField.height, 25);
}

TEST(LayoutWindow, arrowTop_centresOnFieldRoundingHalvesToEven) {
    const struct {
        int editHeight;
        int top;
    } cases[] = {
        {21, 11}, // 10.5 - 9.5 = 1
        {22, 12}, // 1.5 -> 2
        {24, 12}, // 2.5 -> 2
        {25, 13}, // 3
        {18, 10}, // -0.5 -> 0
        {16, 8},  // -1.5 -> -2
    };
    for (const auto &c : cases) {
        LayoutInput input = InputOfWidth(513);
        input.editHeight = c.editHeight;
        EXPECT_EQ(LayoutWindow(input, "Length").arrow.top, c.top) << "edit height " << c.editHeight;
    }
}

TEST(LayoutWindow, pressureToLength_hidesSelectorsAndListsGainSelectorHeightPlusSix) {
    const LayoutInput input = InputOfWidth(513);
    const WindowLayoutResult pressure = LayoutWindow(input, "Pressure");
    const WindowLayoutResult length = LayoutWindow(input, "Length");

    EXPECT_TRUE(pressure.category.combosVisible);
    EXPECT_EQ(pressure.inputList.top, 33);
    EXPECT_EQ(pressure.inputList.height, 280 - 24 - 17);
    EXPECT_EQ(pressure.outputList.top, pressure.inputList.top);
    EXPECT_EQ(pressure.outputList.height, pressure.inputList.height);

    EXPECT_FALSE(length.category.combosVisible);
    EXPECT_EQ(length.inputList.top, 3);
    EXPECT_EQ(length.inputList.height, 269);
    EXPECT_EQ(length.inputList.height - pressure.inputList.height, input.comboHeight + 6);
    EXPECT_EQ(length.outputList,
              (LayoutRect{length.outputPressure.left, 3, length.outputPressure.width, 269}));
}

TEST(LayoutForCategory, visibilityByCategory) {
    const struct {
        const char *category;
        bool combos;
        bool inputList;
        bool fractionsHint;
    } cases[] = {
        {"Pressure", true, true, false},   {"Fractions", false, false, true},
        {"Length", false, true, false},    {"pressure", false, true, false}, // names compare exactly
        {"fractions", false, true, false}, {"", false, true, false},
    };
    for (const auto &c : cases) {
        const CategoryLayout layout = LayoutForCategory(c.category, 200, 21);
        EXPECT_EQ(layout.combosVisible, c.combos) << c.category;
        EXPECT_EQ(layout.inputListVisible, c.inputList) << c.category;
        EXPECT_EQ(layout.fractionsHintVisible, c.fractionsHint) << c.category;
    }
}

TEST(LayoutForCategory, matchesTheCategoryPartOfTheFullLayout) {
    const LayoutInput input = InputOfWidth(450);
    for (const char *category : {"Pressure", "Fractions", "Temperature"}) {
        EXPECT_EQ(LayoutForCategory(category, input.listsAreaHeight, input.comboHeight),
                  LayoutWindow(input, category).category)
            << category;
    }
}

TEST(LayoutWindow, fractionsLabel_takesTheInputListsPlace) {
    const WindowLayoutResult r = LayoutWindow(InputOfWidth(513), "Fractions");
    EXPECT_EQ(r.fractionsHint, r.inputList);
}

TEST(RoundHalfEven, roundsHalvesToTheEvenNeighbour) {
    const struct {
        double value;
        int rounded;
    } cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},      {-0.5, 0}, {-1.5, -2},
                 {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {7.0, 7},  {0.0, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

// ---- Resize suppression -------------------------------------------------------------------------

TEST(ResizeSuppressCounter, toolbarToggle_firstResizeOnlyLowersTheCounter) {
    ResizeSuppressCounter counter;
    EXPECT_TRUE(counter.OnClientResize());
    counter.BeginToolbarToggle();
    EXPECT_FALSE(counter.OnClientResize());
    EXPECT_EQ(counter.Value(), 0);
    EXPECT_TRUE(counter.OnClientResize());
}

TEST(ResizeSuppressCounter, dockChange_suppressesTwoResizesUnlessEnded) {
    ResizeSuppressCounter counter;
    counter.BeginDockChange();
    EXPECT_FALSE(counter.OnClientResize());
    EXPECT_FALSE(counter.OnClientResize());
    EXPECT_TRUE(counter.OnClientResize());

    counter.BeginDockChange();
    EXPECT_FALSE(counter.OnClientResize());
    counter.End();
    EXPECT_TRUE(counter.OnClientResize());
}

} // namespace
} // namespace mensurio
