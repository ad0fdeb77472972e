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

float LayoutScale(int panel3Width) {
    if (panel3Width <= 299)
        return 1.0f;
    if (panel3Width <= 400)
        return 1.0f + static_cast<float>(panel3Width - 300) / 100.0f;
    return 2.0f;
}

int FieldsStripHeight(int editHeight) {
    return kFieldsTop + editHeight + 3;
}

CategoryLayout LayoutForCategory(std::string_view category, int panel2Height, int comboHeight) {
    CategoryLayout layout;
    if (category == "Pressure") {
        layout.combosVisible = true;
        layout.listTop = comboHeight + 9;
        layout.listHeight = panel2Height - comboHeight - 17;
    } else {
        layout.combosVisible = false;
        layout.listTop = 3;
        layout.listHeight = panel2Height - 11;
    }
    const bool fractions = category == "Fractions";
    layout.listBox1Visible = !fractions;
    layout.label1Visible = fractions;
    return layout;
}

WindowLayoutResult LayoutWindow(const LayoutInput &input, std::string_view category) {
    const int w = input.panel3Width;
    const int margin = w <= 400 ? 0 : 21;
    const float scale = LayoutScale(w);
    const int half = Truncate(w / 2.0);

    WindowLayoutResult r;
    r.tabControl1 = {4, 4, input.panel1Width - 8, input.panel1Height - 8};

    const int editWidth = half - Scaled(19, scale);
    r.edit1 = {Scaled(7, scale), kFieldsTop, editWidth, input.editHeight};
    r.edit2 = {Scaled(31, scale) + editWidth, kFieldsTop, editWidth, input.editHeight};
    r.panel3Height = FieldsStripHeight(input.editHeight);
    r.image1 = {half - 12, RoundHalfEven(input.editHeight / 2.0 - 9.5) + kFieldsTop, kArrowWidth,
                kArrowHeight};
    r.arrowVisible = w > 350;

    r.category = LayoutForCategory(category, input.panel2Height, input.comboHeight);
    r.comboBox1 = {r.edit1.left + margin, kComboTop, r.edit1.width - margin, input.comboHeight};
    r.comboBox2 = {r.edit2.left + margin, kComboTop, r.edit2.width - margin, input.comboHeight};
    r.listBox1 = {r.comboBox1.left, r.category.listTop, r.comboBox1.width, r.category.listHeight};
    r.listBox2 = {r.comboBox2.left, r.category.listTop, r.comboBox2.width, r.category.listHeight};
    r.label1 = r.listBox1;
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
