// SPDX-License-Identifier: MIT
#include "tools/makedb/ValueExpression.h"

#include <quadmath.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace mensurio {

namespace {

using Quad = ValueExpression::Quad;

constexpr int MaxDepth = 100;      // parentheses and signs nested deeper are refused
constexpr long MaxExponent = 4096; // far beyond any definition; keeps powers cheap

class ExpressionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

bool IsFinite(Quad value) {
    return !isinfq(value) && !isnanq(value);
}

/// Recursive descent over: sum := product (('+'|'-') product)*;
/// product := signed (('*'|'/') signed)*; signed := ('+'|'-') signed | power;
/// power := primary ('^' integer)?; primary := number | '(' sum ')'.
class Parser {
  public:
    explicit Parser(std::string_view text) : m_text(text) {}

    Quad Run() {
        Quad value = sum(0);
        skipSpace();
        if (m_pos < m_text.size())
            fail("unexpected '" + std::string(1, m_text[m_pos]) + "'");
        return value;
    }

  private:
    [[noreturn]] void fail(const std::string &reason) const {
        throw ExpressionError(reason + " at position " + std::to_string(m_pos + 1));
    }

    void skipSpace() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
    }

    bool accept(char c) {
        skipSpace();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    Quad checked(Quad result) const {
        if (!IsFinite(result))
            fail("overflow");
        return result;
    }

    Quad sum(int depth) {
        Quad value = product(depth);
        for (;;) {
            if (accept('+'))
                value = checked(value + product(depth));
            else if (accept('-'))
                value = checked(value - product(depth));
            else
                return value;
        }
    }

    Quad product(int depth) {
        Quad value = signedTerm(depth);
        for (;;) {
            if (accept('*')) {
                value = checked(value * signedTerm(depth));
            } else if (accept('/')) {
                const Quad divisor = signedTerm(depth);
                if (divisor == 0)
                    fail("division by zero");
                value = checked(value / divisor);
            } else {
                return value;
            }
        }
    }

    Quad signedTerm(int depth) {
        if (depth > MaxDepth)
            fail("expression nested too deeply");
        if (accept('-'))
            return -signedTerm(depth + 1);
        if (accept('+'))
            return signedTerm(depth + 1);
        return power(depth);
    }

    Quad power(int depth) {
        const Quad base = primary(depth);
        if (!accept('^'))
            return base;
        const long exponent = integerExponent();
        if (exponent < 0 && base == 0)
            fail("division by zero");
        Quad result = 1;
        Quad factor = base;
        for (long n = exponent < 0 ? -exponent : exponent; n > 0; n >>= 1) {
            if (n & 1)
                result = checked(result * factor);
            if (n > 1)
                factor = checked(factor * factor);
        }
        return exponent < 0 ? checked(1 / result) : result;
    }

    long integerExponent() {
        const bool parenthesised = accept('(');
        bool negative = false;
        if (accept('-'))
            negative = true;
        else
            accept('+');
        skipSpace();
        const std::size_t start = m_pos;
        long value = 0;
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            value = value * 10 + (m_text[m_pos] - '0');
            if (value > MaxExponent)
                fail("exponent too large");
            ++m_pos;
        }
        if (m_pos == start)
            fail("expected a whole-number exponent");
        if (parenthesised && !accept(')'))
            fail("expected ')'");
        return negative ? -value : value;
    }

    Quad primary(int depth) {
        if (accept('(')) {
            if (depth > MaxDepth)
                fail("expression nested too deeply");
            const Quad value = sum(depth + 1);
            if (!accept(')'))
                fail("expected ')'");
            return value;
        }
        return number();
    }

    bool digitAt(std::size_t pos) const {
        return pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[pos]));
    }

    std::size_t skipDigits(std::size_t pos) const {
        while (digitAt(pos))
            ++pos;
        return pos;
    }

    Quad number() {
        skipSpace();
        const std::size_t start = m_pos;
        std::size_t pos = skipDigits(m_pos);
        bool anyDigit = pos > start;
        if (pos < m_text.size() && m_text[pos] == '.') {
            const std::size_t afterPoint = skipDigits(pos + 1);
            anyDigit = anyDigit || afterPoint > pos + 1;
            pos = afterPoint;
        }
        if (!anyDigit)
            fail("expected a number");
        if (pos < m_text.size() && (m_text[pos] == 'e' || m_text[pos] == 'E')) {
            std::size_t exponent = pos + 1;
            if (exponent < m_text.size() && (m_text[exponent] == '+' || m_text[exponent] == '-'))
                ++exponent;
            if (!digitAt(exponent)) {
                m_pos = pos;
                fail("malformed exponent");
            }
            pos = skipDigits(exponent);
        }
        Quad value = 0;
        if (!ValueExpression::ParseDecimal(std::string(m_text.substr(start, pos - start)), value))
            fail("number out of range");
        m_pos = pos;
        return value;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace

bool ValueExpression::ParseDecimal(const std::string &text, Quad &value) {
    if (text.empty())
        return false;
    char *end = nullptr;
    value = strtoflt128(text.c_str(), &end);
    return end == text.c_str() + text.size() && IsFinite(value);
}

bool ValueExpression::Evaluate(std::string_view text, Quad &value, std::string &error) {
    try {
        value = Parser(text).Run();
        return true;
    } catch (const ExpressionError &e) {
        error = e.what();
        return false;
    }
}

} // namespace mensurio
