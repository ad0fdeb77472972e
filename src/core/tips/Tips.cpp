// SPDX-License-Identifier: MIT
#include "core/tips/Tips.h"

namespace mensurio {

const std::vector<std::string> &TipsOfTheDay() {
    static const std::vector<std::string> tips = {
        "The result follows as you type. The input may be an arithmetic expression: "
        "12*3.5+2 or (1+2)^3 work as well as a plain number.",
        "Type values with their units, such as 5 foot + 3 inch, and the input list selects the named "
        "units by itself.",
        "Select two or more output units to split a result, for example 1.8 meter into foot and inch: "
        "every part but the last is a whole number.",
        "Show All Results (F6) shows the input converted into every unit of the category, beside the "
        "unit names.",
        "Invert Conversion (Ctrl+I) swaps the input and output units. With \"Swop Value by Invert "
        "Conversion\" in the Preferences the result becomes the new input.",
        "Not sure which category a unit belongs to? Find (Ctrl+F) searches every unit and category by "
        "name and takes you there.",
        "Each category remembers its units and its input, also the next time you start Mensurio. "
        "Clear Conversion Memory in the Action menu forgets them.",
        "Turn recording on (Ctrl+R) and every conversion you confirm with Enter is added to the record. "
        "Point at the record button to read it; Copy Record (Ctrl+O) copies it.",
        "Copy Conversion (F5) puts the current conversion on the clipboard as one line, such as "
        "12 foot = 3.6576 meter.",
        "Copy All Conversions (Ctrl+L) puts the input converted into every unit of the category on the "
        "clipboard, one line per unit.",
        "Missing a unit? Units... in the View menu adds your own units to an ordinary category: say how "
        "much one of them is in a unit that is already there.",
        "Categories... in the View menu creates categories of your own; their first unit becomes the "
        "base unit.",
        "Manage Units and Categories (F4) hides the units and categories you never use and changes "
        "their order.",
        "Show Hidden (F3) shows hidden units and categories again without changing what is hidden.",
        "In Numbers, convert between number bases up to 36 and Roman numerals. Type thousands under an "
        "overline as OVERLINE(IV)CCC or OL(IV)CCC, which is 4300.",
        "In Pressure, choose Absolute or Gauge Pressure above each list: gauge pressure is counted from "
        "one standard atmosphere.",
        "Temperature scales have different zero points: 100 Celsius is 212 Fahrenheit, and -40 is the "
        "same in both.",
        "A comma works as the decimal mark too: 2,5 and 2.5 are the same number.",
        "Type a fraction as a division: 3/4 is 0.75 and 1+3/4 is 1.75. Write 1+3/4 rather than 1 3/4, "
        "which reads as 13/4.",
        "Create Conversion Table (Ctrl+T) previews and prints a table of the ratios between the units "
        "of a category.",
        "The Preferences set the result format (automatic, scientific, fixed, with thousands "
        "separators), the decimal places and the form of split results.",
        "Clear Input Field (Ctrl+Del) empties the input field at once.",
        "The Sort Units button switches the unit lists between alphabetical order and the category's "
        "own order.",
        "Minimize to Tray in the View menu keeps Mensurio in the notification area when you minimise "
        "it; double-click the icon to bring the window back.",
        "Calculator (F12) starts your desktop's calculator, or the program you chose in the Preferences.",
        "Metric Prefixes in the Help menu lists the SI prefixes from quecto to quetta and the binary "
        "prefixes from kibi to yobi.",
    };
    return tips;
}

std::size_t NextTip(std::size_t index, std::size_t count) {
    if (count == 0)
        return 0;
    return (index + 1) % count;
}

std::size_t PreviousTip(std::size_t index, std::size_t count) {
    if (count == 0)
        return 0;
    return index % count == 0 ? count - 1 : index % count - 1;
}

} // namespace mensurio
