// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace mensurio {

/// A control's geometry in its parent's client coordinates.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const LayoutRect &) const = default;
};

/// What the layout needs to know about the window: the client sizes of the three panels and
/// the heights the fonts give the fields and the pressure selectors.
struct LayoutInput {
    int clientWidth = 0; // client area (holds the category tabs)
    int clientHeight = 0;
    int fieldsStripWidth = 0; // the fields strip: valueField, the arrow and resultField
    int listsAreaHeight = 0;  // the lists area: the pressure selectors and the two unit lists
    int editHeight = 0;       // valueField (resultField has the same height)
    int comboHeight = 0;      // inputPressure (outputPressure has the same height)
};

/// The category-dependent part of the layout: vertical geometry of the lists and what is shown.
struct CategoryLayout {
    bool combosVisible = false; // inputPressure and outputPressure, the pressure references
    bool inputListVisible = true;
    bool fractionsHintVisible = false; // "Enter a decimal number or a fraction"
    int listTop = 3;                   // inputList and outputList
    int listHeight = 0;

    bool operator==(const CategoryLayout &) const = default;
};

/// The whole layout of the client area.
struct WindowLayoutResult {
    LayoutRect tabPage;
    LayoutRect valueField;
    LayoutRect resultField;
    int fieldsStripHeight = 0;
    LayoutRect arrow; // the arrow; width and height are its picture's own (24 x 19)
    bool arrowVisible = false;
    LayoutRect inputPressure;
    LayoutRect outputPressure;
    LayoutRect inputList;
    LayoutRect outputList;
    LayoutRect fractionsHint; // takes inputList's place in "Fractions"
    CategoryLayout category;
};

/// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

/// The horizontal scale of the fields: 1 up to a width of 299, growing linearly (in single
/// precision) from 1 at 300 to 2 at 400, and 2 beyond.
float LayoutScale(int fieldsStripWidth);

/// The height the fields strip needs for fields of the given height.
int FieldsStripHeight(int editHeight);

/// Steps 4 and 5 of the layout only (a category change): the lists' vertical geometry and the
/// visibility of the pressure selectors, the input list and the fractions label.
CategoryLayout LayoutForCategory(std::string_view category, int listsAreaHeight, int comboHeight);

/// The full layout of the client area for the given sizes and category.
WindowLayoutResult LayoutWindow(const LayoutInput &input, std::string_view category);

/// The counter that keeps toolbar changes from laying the window out several times: while it is
/// above zero a resize of the client area only lowers it, otherwise the resize lays out.
class ResizeSuppressCounter {
  public:
    /// Showing or hiding a toolbar from the View menu: one resize is expected.
    void BeginToolbarToggle() { m_value = 1; }
    /// A toolbar is about to change its dock: up to two resizes are expected.
    void BeginDockChange() { m_value = 2; }
    /// The change is over (the caller lays out once itself).
    void End() { m_value = 0; }
    /// A resize of the client area: true when it should lay the window out.
    bool OnClientResize();
    int Value() const { return m_value; }

  private:
    int m_value = 0;
};

} // namespace mensurio
