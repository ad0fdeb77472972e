// SPDX-License-Identifier: MIT
#include "core/layout/WindowLayout.h"

#include <cmath>

namespace mensurio {

namespace {

constexpr int kFieldsTop = 10;
constexpr int kComboTop = 3;
constexpr int kArrowWidth = 24;
constexpr int kArrowHeight = 19;

int Truncate(double value) {
    return static_cast<int>(std::trunc(value));
}

int Scaled(int length, float scale) {
    return RoundHalfEven(static_cast<double>(length) * scale);
}

} // namespace

int RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5)
        rounded = lower + 1;
    else if (fraction == 0.5)
        rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return static_cast<int>(rounded);
}

float LayoutScale(int fieldsStripWidth) {
    if (fieldsStripWidth <= 299)
        return 1.0f;
    if (fieldsStripWidth <= 400)
        return 1.0f + static_cast<float>(fieldsStripWidth - 300) / 100.0f;
    return 2.0f;
}

int FieldsStripHeight(int editHeight) {
    return kFieldsTop + editHeight + 3;
}

CategoryLayout LayoutForCategory(std::string_view category, int listsAreaHeight, int comboHeight) {
    CategoryLayout layout;
    if (category == "Pressure") {
        layout.combosVisible = true;
        layout.listTop = comboHeight + 9;
        layout.listHeight = listsAreaHeight - comboHeight - 17;
    } else {
        layout.combosVisible = false;
        layout.listTop = 3;
        layout.listHeight = listsAreaHeight - 11;
    }
    const bool fractions = category == "Fractions";
    layout.inputListVisible = !fractions;
    layout.fractionsHintVisible = fractions;
    return layout;
}

WindowLayoutResult LayoutWindow(const LayoutInput &input, std::string_view category) {
    const int w = input.fieldsStripWidth;
    const int margin = w <= 400 ? 0 : 21;
    const float scale = LayoutScale(w);
    const int half = Truncate(w / 2.0);

    WindowLayoutResult r;
    r.tabPage = {4, 4, input.clientWidth - 8, input.clientHeight - 8};

    const int editWidth = half - Scaled(19, scale);
    r.valueField = {Scaled(7, scale), kFieldsTop, editWidth, input.editHeight};
    r.resultField = {Scaled(31, scale) + editWidth, kFieldsTop, editWidth, input.editHeight};
    r.fieldsStripHeight = FieldsStripHeight(input.editHeight);
    r.arrow = {half - 12, RoundHalfEven(input.editHeight / 2.0 - 9.5) + kFieldsTop, kArrowWidth,
               kArrowHeight};
    r.arrowVisible = w > 350;

    r.category = LayoutForCategory(category, input.listsAreaHeight, input.comboHeight);
    r.inputPressure = {r.valueField.left + margin, kComboTop, r.valueField.width - margin, input.comboHeight};
    r.outputPressure = {r.resultField.left + margin, kComboTop, r.resultField.width - margin,
                        input.comboHeight};
    r.inputList = {r.inputPressure.left, r.category.listTop, r.inputPressure.width, r.category.listHeight};
    r.outputList = {r.outputPressure.left, r.category.listTop, r.outputPressure.width, r.category.listHeight};
    r.fractionsHint = r.inputList;
    return r;
}

bool ResizeSuppressCounter::OnClientResize() {
    if (m_value > 0) {
        --m_value;
        return false;
    }
    return true;
}

} // namespace mensurio
