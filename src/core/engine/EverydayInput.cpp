// SPDX-License-Identifier: MIT
#include "core/engine/EverydayInput.h"

#include "core/db/UnitDatabase.h"
#include "core/db/UnitRecord.h"
#include "core/engine/ExpressionTree.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace mensurio {

namespace {

enum class TokenKind { Number, Unit, Word, Operator, Open, Close, Other };

struct Token {
    TokenKind kind = TokenKind::Other;
    std::string text; // as it goes to the parse: a unit's full name, a plain number
    std::string typed;
    bool spaceBefore = false;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}
bool IsBoundary(char c) {
    return c == ' ' || IsDigit(c) || IsOperator(c) || c == '(' || c == ')';
}
bool IsLetter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0x80 || byte == 0;
}

bool EndsWord(std::string_view text, std::size_t end) {
    return end == text.size() || IsBoundary(text[end]);
}

bool MatchesIgnoringCase(std::string_view text, std::size_t pos, std::string_view alias) {
    return text.size() - pos >= alias.size() &&
           UnitDatabase::SameNameIgnoringCase(text.substr(pos, alias.size()), alias);
}

// The longest unit name or alias at pos: a full name exactly as the database spells it (as the
// parse has always matched names), or an alias as a whole word. Ties go to the exact spelling.
// The longest unit name or alias at pos: a full name exactly as the database spells it (as the
// parse has always matched names, without a word end), or an alias as a whole word. Ties go to
// the exact spelling. The aliases hold every full name; knownUnits serve only when they are
// empty.
std::optional<Token> UnitAt(std::string_view text, std::size_t pos, std::span<const KnownUnit> knownUnits,
                            const UnitAliases &aliases) {
    std::size_t bestLength = 0;
    std::string unit;
    bool exact = false;
    if (aliases.All().empty()) {
        for (const KnownUnit &known : knownUnits) {
            if (!known.name.empty() && known.name.front() == text[pos] &&
                text.compare(pos, known.name.size(), known.name) == 0) {
                bestLength = known.name.size();
                unit = known.name;
                exact = true;
                break; // longest first
            }
        }
    }
    for (const std::uint32_t index : aliases.StartingWith(static_cast<unsigned char>(text[pos]))) {
        const UnitAlias &alias = aliases.All()[index];
        const std::size_t length = alias.text.size();
        if (length < bestLength || (length == bestLength && exact))
            break; // longest first: nothing after this one can win
        if (alias.symbol && alias.text.front() != text[pos])
            continue;
        const std::size_t end = pos + length;
        const bool same = text.compare(pos, length, alias.text) == 0;
        if (!same && (alias.symbol || !MatchesIgnoringCase(text, pos, alias.text)))
            continue;
        // A '^' belongs to the last unit word only, so "m/s^2" is not the symbol "m/s" squared.
        const bool slashBeforePower =
            end < text.size() && text[end] == '^' && alias.text.find('/') != std::string::npos;
        const bool fullNameAsSpelt = alias.fullName && same;
        if (!fullNameAsSpelt && (!EndsWord(text, end) || slashBeforePower))
            continue;
        if (length > bestLength || same) {
            bestLength = length;
            unit = alias.unitName;
            exact = same;
        }
    }
    if (bestLength == 0)
        return std::nullopt;
    return Token{TokenKind::Unit, unit, std::string(text.substr(pos, bestLength)), false};
}

std::size_t NumberEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size() && (IsDigit(text[pos]) || text[pos] == '.' || text[pos] == ','))
        ++pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent])) {
            while (exponent < text.size() && IsDigit(text[exponent]))
                ++exponent;
            pos = exponent;
        }
    }
    return pos;
}

bool StartsNumber(std::string_view text, std::size_t pos) {
    if (IsDigit(text[pos]))
        return true;
    return (text[pos] == '.' || text[pos] == ',') && pos + 1 < text.size() && IsDigit(text[pos + 1]);
}

std::vector<Token> Tokenize(std::string_view text, std::span<const KnownUnit> knownUnits,
                            const UnitAliases &aliases) {
    std::vector<Token> tokens;
    bool space = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == ' ') {
            space = true;
            ++pos;
            continue;
        }
        const bool wordStart = pos == 0 || IsBoundary(text[pos - 1]) ||
                               (!tokens.empty() && tokens.back().kind == TokenKind::Unit);
        std::optional<Token> token;
        if (wordStart)
            token = UnitAt(text, pos, knownUnits, aliases);
        if (!token && StartsNumber(text, pos)) {
            const std::size_t end = NumberEnd(text, pos);
            token = Token{TokenKind::Number, std::string(text.substr(pos, end - pos)), {}, false};
        } else if (!token && (IsOperator(c) || c == '(' || c == ')')) {
            const TokenKind kind = c == '('   ? TokenKind::Open
                                   : c == ')' ? TokenKind::Close
                                              : TokenKind::Operator;
            token = Token{kind, std::string(1, c), {}, false};
        } else if (!token) {
            std::size_t end = pos + 1;
            while (end < text.size() && !IsBoundary(text[end]))
                ++end;
            const std::string_view word = text.substr(pos, end - pos);
            const bool letters = std::any_of(word.begin(), word.end(), IsLetter);
            token = Token{letters ? TokenKind::Word : TokenKind::Other, std::string(word), {}, false};
        }
        if (token->typed.empty())
            token->typed = token->text;
        pos += token->typed.size();
        token->spaceBefore = space;
        space = false;
        tokens.push_back(std::move(*token));
    }
    return tokens;
}

// ---- Numbers ----------------------------------------------------------------------------------

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// Groups of three digits after a first group of one to three digits: "1,234,567" with ','.
bool ValidGrouping(std::string_view text, char separator) {
    std::size_t group = 0;
    while (true) {
        const std::size_t end = text.find(separator);
        const std::string_view digits = text.substr(0, end);
        if (!AllDigits(digits) || (group == 0 ? digits.size() > 3 : digits.size() != 3))
            return false;
        if (end == std::string_view::npos)
            return group > 0;
        text.remove_prefix(end + 1);
        ++group;
    }
}

std::string Without(std::string_view text, char removed) {
    std::string kept;
    for (char c : text) {
        if (c != removed)
            kept += c;
    }
    return kept;
}

// The number's text with its group separators removed; a message when it is ambiguous.
std::string PlainNumber(const std::string &typed, char decimalMark, std::string &message) {
    const std::size_t exponent = typed.find_first_of("eE");
    const std::string mantissa = typed.substr(0, exponent);
    const std::string rest = exponent == std::string::npos ? std::string() : typed.substr(exponent);
    const std::size_t points = static_cast<std::size_t>(std::count(mantissa.begin(), mantissa.end(), '.'));
    const std::size_t commas = static_cast<std::size_t>(std::count(mantissa.begin(), mantissa.end(), ','));
    if (points > 0 && commas > 0) {
        const std::size_t last = mantissa.find_last_of(".,");
        const char decimal = mantissa[last];
        const char group = decimal == '.' ? ',' : '.';
        const std::string whole = mantissa.substr(0, last);
        if (whole.find(decimal) == std::string::npos && ValidGrouping(whole, group))
            return Without(whole, group) + "." + mantissa.substr(last + 1) + rest;
        return typed;
    }
    if (points + commas >= 2) {
        const char separator = points > 0 ? '.' : ',';
        return ValidGrouping(mantissa, separator) ? Without(mantissa, separator) + rest : typed;
    }
    if (points + commas == 1 && rest.empty()) {
        const char separator = points > 0 ? '.' : ',';
        const std::size_t at = mantissa.find(separator);
        const std::string whole = mantissa.substr(0, at);
        const std::string fraction = mantissa.substr(at + 1);
        if (separator != decimalMark && fraction.size() == 3 && AllDigits(fraction) && AllDigits(whole) &&
            whole.size() <= 3 && whole[0] != '0') {
            std::string decimal = fraction;
            decimal.erase(decimal.find_last_not_of('0') + 1);
            message = "'" + typed + "' is ambiguous: " + whole + fraction + " or " + whole +
                      (decimal.empty() ? std::string() : std::string(1, decimalMark) + decimal) + "?";
        }
    }
    return typed;
}

bool IsWholeNumber(const Token &token) {
    return token.kind == TokenKind::Number && AllDigits(token.text);
}

std::string StripLeadingZeros(const std::string &digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

bool LessThan(const std::string &a, const std::string &b) {
    const std::string x = StripLeadingZeros(a);
    const std::string y = StripLeadingZeros(b);
    return x.size() != y.size() ? x.size() < y.size() : x < y;
}

// Three digits (and a decimal part) after a space continue the number before them: "1 000,5".
bool ContinuesGroups(const Token &left, const Token &right) {
    if (!right.spaceBefore || right.kind != TokenKind::Number || !AllDigits(left.text))
        return false;
    const std::size_t mark = right.text.find_first_of(".,eE");
    return AllDigits(right.text.substr(0, mark)) &&
           (mark == std::string::npos ? right.text.size() : mark) == 3;
}

// Whether tokens[i] starts the fraction of a mixed number "1 3/4" after the whole number before.
bool StartsMixedFraction(const std::vector<Token> &tokens, std::size_t i) {
    if (i + 2 >= tokens.size() || !tokens[i].spaceBefore || !IsWholeNumber(tokens[i]) ||
        tokens[i + 1].text != "/" || !IsWholeNumber(tokens[i + 2]))
        return false;
    return LessThan(tokens[i].text, tokens[i + 2].text);
}

// ---- Assembly -------------------------------------------------------------------------------

class Assembler {
  public:
    explicit Assembler(char decimalMark) : m_decimalMark(decimalMark) {}

    std::string message;
    std::string unknownWord; // the first word that names no unit

    std::string run(std::vector<Token> &tokens) {
        for (std::size_t i = 0; i < tokens.size() && message.empty() && unknownWord.empty(); ++i) {
            if (tokens[i].kind == TokenKind::Number)
                i = number(tokens, i);
            else
                emit(tokens[i]);
        }
        return m_out;
    }

  private:
    std::size_t number(std::vector<Token> &tokens, std::size_t i) {
        std::string text = tokens[i].text;
        std::size_t last = i;
        while (last + 1 < tokens.size() && ContinuesGroups(tokens[last], tokens[last + 1]) &&
               !StartsMixedFraction(tokens, last + 1))
            text += tokens[++last].text;
        Token joined{TokenKind::Number, PlainNumber(text, m_decimalMark, message), text,
                     tokens[i].spaceBefore};
        if (!message.empty())
            return last;
        if (StartsMixedFraction(tokens, last + 1) && AllDigits(text)) {
            beforeQuantity();
            m_out += "(" + text + "+" + tokens[last + 1].text + "/" + tokens[last + 3].text + ")";
            m_previous = TokenKind::Close;
            m_quantity = true;
            return last + 3;
        }
        if (last + 1 < tokens.size() && tokens[last + 1].kind == TokenKind::Number &&
            tokens[last + 1].spaceBefore) {
            message = "two numbers side by side: '" + text + " " + tokens[last + 1].typed + "'";
            return last;
        }
        // A number with its unit after '/' is one quantity: "60 / 2 h" is 60 divided by 2 h.
        if (m_previous == TokenKind::Operator && m_out.back() == '/' && last + 1 < tokens.size() &&
            tokens[last + 1].kind == TokenKind::Unit) {
            m_out += "(" + joined.text + " " + tokens[last + 1].text + ")";
            m_previous = TokenKind::Close;
            m_quantity = true;
            return last + 1;
        }
        beforeQuantity();
        m_out += joined.text;
        m_previous = TokenKind::Number;
        return last;
    }

    // Quantities side by side, each with its own number, are a sum: "5 ft 3 in".
    void beforeQuantity() {
        if (m_previous == TokenKind::Unit && m_quantity)
            m_out += "+";
        m_quantity = false;
    }

    void emit(const Token &token) {
        if (token.kind == TokenKind::Word) {
            unknownWord = token.typed;
            return;
        }
        if (token.kind == TokenKind::Unit) {
            if (m_previous == TokenKind::Unit)
                m_out += ' ';
            m_quantity = m_previous == TokenKind::Number || m_previous == TokenKind::Close;
        } else if (token.kind == TokenKind::Open) {
            beforeQuantity();
        }
        if (token.spaceBefore && token.kind == TokenKind::Other)
            m_out += ' ';
        m_out += token.text;
        m_previous = token.kind;
    }

    char m_decimalMark;
    std::string m_out;
    TokenKind m_previous = TokenKind::Other;
    bool m_quantity = false; // the last unit followed a number: it ends a quantity
};

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const bool same = UnitDatabase::SameNameIgnoringCase(a.substr(i - 1, 1), b.substr(j - 1, 1));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::vector<KnownUnit> KnownUnitsLongestFirst(const std::vector<UnitRecord> &units) {
    std::vector<KnownUnit> known;
    known.reserve(units.size());
    for (const UnitRecord &unit : units)
        known.push_back({unit.Name, unit.Factor, false});
    std::stable_sort(known.begin(), known.end(),
                     [](const KnownUnit &a, const KnownUnit &b) { return a.name.size() > b.name.size(); });
    return known;
}

std::size_t TypedNumberEnd(std::string_view text, std::size_t pos) {
    return NumberEnd(text, pos);
}
bool StartsTypedNumber(std::string_view text, std::size_t pos) {
    return StartsNumber(text, pos);
}
bool EndsTypedWord(std::string_view text, std::size_t end) {
    return EndsWord(text, end);
}
std::string PlainTypedNumber(const std::string &typed, char decimalMark, std::string &message) {
    return PlainNumber(typed, decimalMark, message);
}

std::string InputTooLongMessage() {
    return std::string(kInputTooLongMessage);
}

std::vector<std::string> ClosestUnits(std::string_view word, const UnitAliases &aliases) {
    struct Candidate {
        std::size_t distance;
        std::string unit;
    };
    std::vector<Candidate> candidates;
    const std::size_t limit = std::max<std::size_t>(1, std::min<std::size_t>(3, word.size() / 3 + 1));
    for (const UnitAlias &alias : aliases.All()) {
        if (alias.text.size() > word.size() + limit || word.size() > alias.text.size() + limit)
            continue;
        const std::size_t distance = EditDistance(word, alias.text);
        if (distance <= limit)
            candidates.push_back({distance, alias.unitName});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.distance < b.distance; });
    std::vector<std::string> closest;
    for (const Candidate &candidate : candidates) {
        if (candidate.distance > candidates.front().distance)
            break; // only the closest spellings
        std::string shown = candidate.unit;
        const std::string symbol = aliases.SymbolOf(candidate.unit);
        if (!symbol.empty() && shown.find("(" + symbol + ")") == std::string::npos)
            shown += " (" + symbol + ")";
        if (std::find(closest.begin(), closest.end(), shown) == closest.end())
            closest.push_back(shown);
        if (closest.size() == 3)
            break;
    }
    return closest;
}

std::string UnknownUnitMessage(std::string_view word, const std::vector<std::string> &closest) {
    std::string message = "unknown unit '" + std::string(word) + "'";
    for (std::size_t i = 0; i < closest.size(); ++i)
        message += (i == 0 ? "; did you mean " : i + 1 == closest.size() ? " or " : ", ") + closest[i];
    return closest.empty() ? message : message + "?";
}

EverydayInput ReadEverydayInput(std::string_view typed, std::span<const KnownUnit> knownUnits,
                                const UnitAliases &aliases, char decimalMark) {
    EverydayInput result;
    if (typed.size() > kMaxExpressionLength) {
        result.message = InputTooLongMessage();
        return result;
    }
    std::vector<Token> tokens = Tokenize(typed, knownUnits, aliases);
    for (const Token &token : tokens) {
        if (token.kind == TokenKind::Unit && std::find(result.namedUnits.begin(), result.namedUnits.end(),
                                                       token.text) == result.namedUnits.end())
            result.namedUnits.push_back(token.text);
    }
    Assembler assembler(decimalMark);
    result.text = assembler.run(tokens);
    result.message = assembler.message;
    if (!assembler.unknownWord.empty())
        result.message =
            UnknownUnitMessage(assembler.unknownWord, ClosestUnits(assembler.unknownWord, aliases));
    const bool signedNumber = tokens.size() == 3 && tokens[0].text == "-";
    const std::size_t first = signedNumber ? 1 : 0;
    if (result.message.empty() && tokens.size() == first + 2 && tokens[first].kind == TokenKind::Number &&
        tokens[first + 1].kind == TokenKind::Unit) {
        result.singleUnit = tokens[first + 1].text;
        result.singleNumber =
            (signedNumber ? "-" : "") + PlainNumber(tokens[first].text, decimalMark, result.message);
    }
    return result;
}

} // namespace mensurio
