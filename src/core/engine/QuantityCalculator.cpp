// SPDX-License-Identifier: MIT
#include "core/engine/QuantityCalculator.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/CheckedArithmetic.h"
#include "core/engine/EverydayInput.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"
#include "core/engine/UnitAliases.h"

#include <algorithm>
#include <cmath>

namespace mensurio {

namespace {

constexpr const char *kSlotSymbols[kDimensionSlots] = {"L", "M", "T", "I", "K", "N", "J", "rad", "sr", "bit"};
// The order formulas are written in: mass first, as in "M L T^-2".
constexpr int kFormulaOrder[kDimensionSlots] = {
    kMass,  kLength,     kTime,       kCurrent, kTemperature, kAmount, kLuminousIntensity,
    kAngle, kSolidAngle, kInformation};

bool IsVowel(char c) {
    return std::string_view("aeiouAEIOU").find(c) != std::string_view::npos;
}

std::string Lower(std::string text) {
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

Dimension Combine(const Dimension &a, const Dimension &b, int sign) {
    Dimension sum{};
    for (int i = 0; i < kDimensionSlots; ++i)
        sum[static_cast<std::size_t>(i)] =
            a[static_cast<std::size_t>(i)] + sign * b[static_cast<std::size_t>(i)];
    return sum;
}

Dimension Scaled(const Dimension &a, int factor) {
    Dimension scaled{};
    for (int i = 0; i < kDimensionSlots; ++i)
        scaled[static_cast<std::size_t>(i)] = a[static_cast<std::size_t>(i)] * factor;
    return scaled;
}

// Whole powers by repeated checked multiplication, so that m^2 is exactly m*m.
long double WholePower(long double base, int exponent) {
    long double result = 1.0L;
    for (int i = 0; i < std::abs(exponent); ++i)
        result = CheckedMultiply(result, base);
    return exponent < 0 ? CheckedDivide(1.0L, result) : result;
}

} // namespace

std::string DimensionFormula(const Dimension &dimension) {
    std::string text;
    for (const int slot : kFormulaOrder) {
        const int exponent = dimension[static_cast<std::size_t>(slot)];
        if (exponent == 0)
            continue;
        text += (text.empty() ? "" : " ") + std::string(kSlotSymbols[slot]);
        if (exponent != 1)
            text += "^" + std::to_string(exponent);
    }
    return text.empty() ? "1" : text;
}

// ---- The word list ----------------------------------------------------------------------------

QuantityCalculator::QuantityCalculator(const UnitDatabase &database,
                                       std::span<const BuiltinAliasEntry> aliases,
                                       std::span<const BuiltinDimensionEntry> dimensions) {
    for (const CategoryRecord &category : database.Categories()) {
        const auto entry =
            std::find_if(dimensions.begin(), dimensions.end(),
                         [&](const BuiltinDimensionEntry &e) { return category.Name == e.category; });
        if (entry != dimensions.end())
            addCategory(category, *entry, aliases);
    }
    std::stable_sort(m_words.begin(), m_words.end(),
                     [](const Word &a, const Word &b) { return a.text.size() > b.text.size(); });
}

void QuantityCalculator::addCategory(const CategoryRecord &category, const BuiltinDimensionEntry &entry,
                                     std::span<const BuiltinAliasEntry> aliases) {
    Category added{category.Name, {}, entry.baseInSi, entry.preferred};
    for (int i = 0; i < kDimensionSlots; ++i)
        added.dimension[static_cast<std::size_t>(i)] = entry.exponents[i];
    const std::size_t index = m_categories.size();
    m_categories.push_back(added);
    std::vector<std::string> names;
    for (const UnitRecord &unit : category.Units) {
        names.push_back(unit.Name);
        addWord(unit.Name, true, true, {index, unit.Name, unit.Factor * entry.baseInSi});
    }
    const UnitAliases unitAliases(aliases, category.Name, names);
    for (const UnitAlias &alias : unitAliases.All()) {
        const auto unit = std::find_if(category.Units.begin(), category.Units.end(),
                                       [&](const UnitRecord &u) { return u.Name == alias.unitName; });
        if (unit != category.Units.end() && !alias.fullName)
            addWord(alias.text, alias.symbol, false, {index, unit->Name, unit->Factor * entry.baseInSi});
    }
}

void QuantityCalculator::addWord(const std::string &text, bool caseSensitive, bool fullName,
                                 Meaning meaning) {
    for (Word &word : m_words) {
        if (word.text == text && word.caseSensitive == caseSensitive) {
            word.fullName = word.fullName || fullName;
            word.meanings.push_back(std::move(meaning));
            return;
        }
    }
    m_words.push_back({text, caseSensitive, fullName, {std::move(meaning)}});
}

std::optional<Dimension> QuantityCalculator::DimensionOf(std::string_view category) const {
    for (const Category &c : m_categories) {
        if (c.name == category)
            return c.dimension;
    }
    return std::nullopt;
}

long double QuantityCalculator::BaseInSi(std::string_view category) const {
    for (const Category &c : m_categories) {
        if (c.name == category)
            return c.baseInSi;
    }
    return 1.0L;
}

std::optional<QuantityCalculator::Preferred>
QuantityCalculator::PreferredFor(const Dimension &dimension) const {
    const Category *chosen = nullptr;
    for (const Category &c : m_categories) {
        if (c.dimension == dimension && (chosen == nullptr || (c.preferred && !chosen->preferred)))
            chosen = &c;
    }
    if (chosen == nullptr)
        return std::nullopt;
    // The SI unit: the unit whose value in SI units is closest to 1.
    Preferred preferred{chosen->name, {}, 1.0L};
    long double best = -1.0L;
    const auto index = static_cast<std::size_t>(chosen - m_categories.data());
    for (const Word &word : m_words) {
        for (const Meaning &meaning : word.meanings) {
            const long double distance = std::fabs(std::log(meaning.inSi));
            if (word.fullName && meaning.category == index && (best < 0 || distance < best)) {
                best = distance;
                preferred.unit = meaning.unit;
                preferred.unitInSi = meaning.inSi;
            }
        }
    }
    return preferred;
}

std::string QuantityCalculator::Describe(const Dimension &dimension) const {
    const std::string formula = DimensionFormula(dimension);
    const std::optional<Preferred> preferred = PreferredFor(dimension);
    if (!preferred)
        return "a quantity of dimension " + formula;
    const std::string name = Lower(preferred->category);
    return std::string(IsVowel(name.front()) ? "an " : "a ") + name + " (" + formula + ")";
}

// ---- The parser -------------------------------------------------------------------------------

/// Recursive descent over the typed text; every step returns the quantity read so far or sets
/// the message.
class QuantityCalculator::Parser {
  public:
    Parser(const QuantityCalculator &calculator, std::string_view text, char decimalMark)
        : m_calculator(calculator), m_text(text), m_decimalMark(decimalMark) {}

    std::string message;
    int unitWords = 0;

    std::optional<Quantity> whole() {
        std::optional<Quantity> result = sum(0);
        skipSpaces();
        if (result && message.empty() && m_pos < m_text.size()) {
            const auto next = static_cast<unsigned char>(m_text[m_pos]);
            const bool word = (next | 0x20) >= 'a' && (next | 0x20) <= 'z';
            fail(word || next >= 0x80 ? unknownWordMessage() : "invalid or incomplete expression");
        }
        return message.empty() ? result : std::nullopt;
    }

  private:
    void skipSpaces() {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }
    bool at(char c) {
        skipSpaces();
        return m_pos < m_text.size() && m_text[m_pos] == c;
    }
    std::nullopt_t fail(std::string text) {
        if (message.empty())
            message = std::move(text);
        return std::nullopt;
    }

    std::optional<Quantity> sum(int depth) {
        if (depth > kMaxTreeDepth)
            return fail("expression nested more than " + std::to_string(kMaxTreeDepth) + " levels deep");
        std::optional<Quantity> left = product(depth);
        while (left && message.empty()) {
            const bool sideBySide =
                m_endedWithUnit && (skipSpaces(), m_pos < m_text.size()) && StartsTypedNumber(m_text, m_pos);
            if (!sideBySide && !at('+') && !at('-'))
                break;
            const int sign = sideBySide || m_text[m_pos] == '+' ? 1 : -1;
            if (!sideBySide)
                ++m_pos;
            const std::optional<Quantity> right = product(depth);
            if (!right)
                return std::nullopt;
            if (right->dimension != left->dimension)
                return fail("cannot add " + m_calculator.Describe(right->dimension) + " to " +
                            m_calculator.Describe(left->dimension));
            left->value =
                sign > 0 ? CheckedAdd(left->value, right->value) : CheckedSubtract(left->value, right->value);
        }
        return left;
    }

    std::optional<Quantity> product(int depth) {
        std::optional<Quantity> left = unary(depth);
        while (left && message.empty() && (at('*') || at('/'))) {
            const bool divide = m_text[m_pos++] == '/';
            const std::optional<Quantity> right = unary(depth);
            if (!right)
                return std::nullopt;
            left->value = divide ? CheckedDivide(left->value, right->value)
                                 : CheckedMultiply(left->value, right->value);
            left->dimension = Combine(left->dimension, right->dimension, divide ? -1 : 1);
        }
        return left;
    }

    std::optional<Quantity> unary(int depth) {
        if (at('-') || at('+')) {
            const bool negative = m_text[m_pos++] == '-';
            std::optional<Quantity> operand = unary(depth + 1);
            if (operand && negative)
                operand->value = -operand->value;
            return operand;
        }
        std::optional<Quantity> base = primary(depth);
        if (base && at('^')) {
            ++m_pos;
            const std::optional<int> exponent = wholeExponent();
            if (!exponent)
                return fail("a power needs a whole exponent");
            base->value = WholePower(base->value, *exponent);
            base->dimension = Scaled(base->dimension, *exponent);
            m_endedWithUnit = false;
        }
        return base;
    }

    std::optional<Quantity> primary(int depth) {
        m_endedWithUnit = false;
        if (at('(')) {
            ++m_pos;
            std::optional<Quantity> inner = sum(depth + 1);
            if (inner && !at(')'))
                return fail("invalid or incomplete expression");
            ++m_pos;
            m_endedWithUnit = false;
            return inner;
        }
        Quantity quantity{1.0L, {}};
        skipSpaces();
        bool any = false;
        if (m_pos < m_text.size() && StartsTypedNumber(m_text, m_pos)) {
            const std::optional<long double> number = readNumber();
            if (!number)
                return std::nullopt;
            quantity.value = *number;
            any = true;
        }
        while (message.empty()) {
            skipSpaces();
            const std::optional<Quantity> unit = unitPower();
            if (!unit)
                break;
            quantity.value = CheckedMultiply(quantity.value, unit->value);
            quantity.dimension = Combine(quantity.dimension, unit->dimension, 1);
            any = true;
            m_endedWithUnit = true;
        }
        if (!message.empty())
            return std::nullopt;
        if (!any)
            return fail(m_pos < m_text.size() ? unknownWordMessage() : "invalid or incomplete expression");
        return quantity;
    }

    std::optional<long double> readNumber() {
        const std::size_t end = TypedNumberEnd(m_text, m_pos);
        std::string number =
            PlainTypedNumber(std::string(m_text.substr(m_pos, end - m_pos)), m_decimalMark, message);
        if (!message.empty())
            return std::nullopt;
        m_pos = end;
        std::replace(number.begin(), number.end(), ',', '.');
        const ParsedNumber parsed = ParseNumber(number);
        if (!parsed.ok)
            return fail(parsed.overflow ? "result too large" : "invalid or incomplete expression");
        skipSpaces();
        if (m_pos < m_text.size() && StartsTypedNumber(m_text, m_pos))
            return fail("two numbers side by side");
        return parsed.value;
    }

    // One unit word, with the power written after it.
    std::optional<Quantity> unitPower() {
        const Word *word = wordAt();
        if (word == nullptr)
            return std::nullopt;
        const Meaning *meaning = meaningOf(*word);
        if (meaning == nullptr)
            return std::nullopt;
        m_pos += word->text.size();
        ++unitWords;
        Quantity unit{meaning->inSi, m_calculator.m_categories[meaning->category].dimension};
        if (at('^')) {
            ++m_pos;
            const std::optional<int> exponent = wholeExponent();
            if (!exponent)
                return fail("a power needs a whole exponent");
            unit.value = WholePower(unit.value, *exponent);
            unit.dimension = Scaled(unit.dimension, *exponent);
        }
        return unit;
    }

    std::optional<int> wholeExponent() {
        skipSpaces();
        int sign = 1;
        if (m_pos < m_text.size() && (m_text[m_pos] == '-' || m_text[m_pos] == '+'))
            sign = m_text[m_pos++] == '-' ? -1 : 1;
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9' && m_pos - start < 3)
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        return sign * std::stoi(std::string(m_text.substr(start, m_pos - start)));
    }

    // The longest word at the position: full names as they are spelt, symbols as whole words with
    // their letter case, spellings as whole words in any case; exact spellings win ties.
    const Word *wordAt() const {
        const Word *best = nullptr;
        bool bestExact = false;
        for (const Word &word : m_calculator.m_words) {
            const std::size_t length = word.text.size();
            if (best != nullptr && (length < best->text.size() || (length == best->text.size() && bestExact)))
                break;
            if (m_text.size() - m_pos < length)
                continue;
            const std::string_view here = m_text.substr(m_pos, length);
            const bool exact = here == word.text;
            if (!exact && (word.caseSensitive || !UnitDatabase::SameNameIgnoringCase(here, word.text)))
                continue;
            const bool slashBeforePower = m_pos + length < m_text.size() && m_text[m_pos + length] == '^' &&
                                          word.text.find('/') != std::string::npos;
            if ((!word.fullName && !EndsTypedWord(m_text, m_pos + length)) || slashBeforePower)
                continue;
            best = &word;
            bestExact = exact;
        }
        return best;
    }

    // The word's unit; a word that names units of different dimensions is ambiguous.
    const Meaning *meaningOf(const Word &word) {
        const Meaning &first = word.meanings.front();
        for (const Meaning &other : word.meanings) {
            const auto &categories = m_calculator.m_categories;
            if (categories[other.category].dimension != categories[first.category].dimension) {
                fail("'" + word.text + "' is " + first.unit + " (" + categories[first.category].name +
                     ") or " + other.unit + " (" + categories[other.category].name + ")");
                return nullptr;
            }
        }
        return &first;
    }

    std::string unknownWordMessage() const {
        std::size_t end = m_pos + 1;
        while (end < m_text.size() && !EndsTypedWord(m_text, end))
            ++end;
        return "unknown unit '" + std::string(m_text.substr(m_pos, end - m_pos)) + "'";
    }

    const QuantityCalculator &m_calculator;
    std::string_view m_text;
    char m_decimalMark;
    std::size_t m_pos = 0;
    bool m_endedWithUnit = false; // the last quantity read ended with a unit word
};

QuantityCalculator::Reading QuantityCalculator::Evaluate(std::string_view text, char decimalMark) const {
    Reading reading;
    if (text.size() > kMaxExpressionLength) {
        reading.message = InputTooLongMessage();
        return reading;
    }
    Parser parser(*this, text, decimalMark);
    try {
        reading.quantity = parser.whole();
        reading.message = parser.message;
        reading.unitWords = parser.unitWords;
    } catch (const ArithmeticError &) {
        reading.quantity.reset();
        reading.message = "invalid or incomplete expression";
    }
    return reading;
}

QuantityCalculator::Conversion QuantityCalculator::Convert(std::string_view text, std::string_view target,
                                                           char decimalMark) const {
    Conversion conversion;
    const Reading quantity = Evaluate(text, decimalMark);
    const Reading unit = Evaluate(target, decimalMark);
    if (!quantity.quantity || !unit.quantity) {
        conversion.message = !quantity.quantity ? quantity.message : unit.message;
        return conversion;
    }
    if (quantity.quantity->dimension != unit.quantity->dimension) {
        conversion.message = std::string(text) + " is " + Describe(quantity.quantity->dimension) + "; " +
                             std::string(target) + " is " + Describe(unit.quantity->dimension);
        return conversion;
    }
    try {
        conversion.value = CheckedDivide(quantity.quantity->value, unit.quantity->value);
    } catch (const ArithmeticError &) {
        conversion.message = "invalid or incomplete expression";
    }
    return conversion;
}

} // namespace mensurio
