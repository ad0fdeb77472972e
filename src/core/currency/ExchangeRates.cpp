// SPDX-License-Identifier: MIT
#include "core/currency/ExchangeRates.h"

#include "core/currency/CurrencyCategory.h"
#include "core/engine/NumberParser.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace mensurio {

namespace {

constexpr std::size_t kMaxDepth = 32;
constexpr std::size_t kMaxRateLength = 24;
constexpr std::size_t kMaxAttributes = 16;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameChar(char c, bool first) {
    const auto u = static_cast<unsigned char>(c);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80)
        return true;
    return !first && ((c >= '0' && c <= '9') || c == '-' || c == '.');
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i])
            return false;
    }
    return true;
}

// A value from the file as it may be shown in a message: at most 30 characters, anything but
// printable ASCII as '?'.
std::string Shown(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, 30))
        shown += c >= 0x20 && c < 0x7F ? c : '?';
    return text.size() > 30 ? "'" + shown + "...'" : "'" + shown + "'";
}

// A rate as the ECB writes it: digits, optionally a point and more digits.
bool IsPlainDecimal(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "0" : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return !part.empty() &&
               std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return digits(whole) && digits(fraction);
}

struct Attribute {
    std::string_view name;
    std::string_view value;
};

/// The reader's pass over the bytes: markup is recognised, only the Cube elements are read.
class EcbReader {
  public:
    explicit EcbReader(std::string_view text) : m_text(text) {}

    RatesReading Read() {
        while (m_error.empty() && m_pos < m_text.size())
            step();
        if (m_error.empty())
            finish();
        RatesReading reading;
        if (!m_error.empty()) {
            reading.error = m_error;
            return reading;
        }
        reading.rates = newestDay();
        if (!reading.rates)
            reading.error = "the file holds no exchange rates (no Cube elements with a currency and a rate)";
        return reading;
    }

  private:
    void fail(const std::string &message) {
        if (!m_error.empty())
            return;
        const auto line =
            std::count(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(m_pos), '\n') + 1;
        m_error = "line " + std::to_string(line) + ": " + message;
    }

    void failTruncated(std::string_view what) {
        fail("the file ends inside " + std::string(what) + " (a truncated download?)");
    }

    // Skips to the end of a construct that ends with `end`.
    void skipPast(std::string_view end, std::string_view what) {
        const std::size_t found = m_text.find(end, m_pos);
        if (found == std::string_view::npos) {
            m_pos = m_text.size();
            failTruncated(what);
            return;
        }
        m_pos = found + end.size();
    }

    void step() {
        const std::size_t open = m_text.find('<', m_pos);
        const std::string_view text = m_text.substr(m_pos, open - m_pos);
        if (m_open.empty() && !std::all_of(text.begin(), text.end(), IsSpace)) {
            fail(m_rootSeen ? "text after the document's end"
                            : "this is not XML: it does not start with markup");
            return;
        }
        if (open == std::string_view::npos) {
            m_pos = m_text.size();
            return;
        }
        m_pos = open;
        const std::string_view rest = m_text.substr(m_pos);
        if (rest.starts_with("<?"))
            skipPast("?>", "a processing instruction");
        else if (rest.starts_with("<!--"))
            skipPast("-->", "a comment");
        else if (rest.starts_with("<![CDATA["))
            skipPast("]]>", "a CDATA section");
        else if (StartsWithIgnoringCase(rest, "<!DOCTYPE HTML"))
            fail(kWebPage);
        else if (rest.starts_with("<!"))
            fail("document type and entity declarations are not accepted");
        else if (rest.starts_with("</"))
            endTag();
        else
            startTag();
    }

    void skipSpaces() {
        while (m_pos < m_text.size() && IsSpace(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view readName() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && IsNameChar(m_text[m_pos], m_pos == start))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    void endTag() {
        m_pos += 2;
        const std::string_view name = readName();
        skipSpaces();
        if (m_pos >= m_text.size()) {
            failTruncated("a closing tag");
            return;
        }
        if (m_text[m_pos] != '>' || name.empty()) {
            fail("malformed closing tag");
            return;
        }
        if (m_open.empty() || m_open.back() != name) {
            fail("</" + std::string(name) + "> closes no open element of that name");
            return;
        }
        ++m_pos;
        m_open.pop_back();
        if (m_dayDepth > m_open.size())
            m_dayDepth = 0;
    }

    // Reads the attributes up to '>' or "/>"; returns false (having failed) on malformed markup.
    bool readAttributes(std::vector<Attribute> &attributes, bool &selfClosing) {
        for (;;) {
            const std::size_t before = m_pos;
            skipSpaces();
            if (m_pos >= m_text.size()) {
                failTruncated("a tag");
                return false;
            }
            if (m_text.substr(m_pos).starts_with("/>") || m_text[m_pos] == '>') {
                selfClosing = m_text[m_pos] == '/';
                m_pos += selfClosing ? 2 : 1;
                return true;
            }
            const std::string_view name = readName();
            if (name.empty() || m_pos == before) {
                fail("malformed tag");
                return false;
            }
            skipSpaces();
            if (m_pos >= m_text.size()) {
                failTruncated("a tag");
                return false;
            }
            if (m_text[m_pos] != '=') {
                fail("attribute " + std::string(name) + " has no value");
                return false;
            }
            ++m_pos;
            skipSpaces();
            if (m_pos >= m_text.size()) {
                failTruncated("a tag");
                return false;
            }
            const char quote = m_text[m_pos];
            if (quote != '"' && quote != '\'') {
                fail("the value of attribute " + std::string(name) + " is not quoted");
                return false;
            }
            const std::size_t end = m_text.find(quote, m_pos + 1);
            if (end == std::string_view::npos) {
                m_pos = m_text.size();
                failTruncated("an attribute value");
                return false;
            }
            const std::string_view value = m_text.substr(m_pos + 1, end - m_pos - 1);
            if (value.find('<') != std::string_view::npos) {
                fail("'<' inside the value of attribute " + std::string(name));
                return false;
            }
            for (const Attribute &earlier : attributes) {
                if (earlier.name == name) {
                    fail("attribute " + std::string(name) + " given twice");
                    return false;
                }
            }
            if (attributes.size() >= kMaxAttributes) {
                fail("too many attributes");
                return false;
            }
            attributes.push_back({name, value});
            m_pos = end + 1;
        }
    }

    void startTag() {
        ++m_pos;
        const std::string_view name = readName();
        if (name.empty()) {
            if (m_pos >= m_text.size())
                failTruncated("a tag");
            else
                fail("malformed tag");
            return;
        }
        if (m_open.empty() && StartsWithIgnoringCase(name, "HTML") && name.size() == 4) {
            fail(kWebPage);
            return;
        }
        if (m_open.empty() && m_rootSeen) {
            fail("a second document element");
            return;
        }
        std::vector<Attribute> attributes;
        bool selfClosing = false;
        if (!readAttributes(attributes, selfClosing))
            return;
        m_rootSeen = true;
        const std::size_t colon = name.rfind(':');
        const std::string_view local = colon == std::string_view::npos ? name : name.substr(colon + 1);
        if (local == "Cube")
            readCube(attributes, selfClosing);
        if (!selfClosing) {
            if (m_open.size() >= kMaxDepth) {
                fail("elements nested deeper than " + std::to_string(kMaxDepth) + " levels");
                return;
            }
            m_open.push_back(name);
        }
    }

    static std::optional<std::string_view> Value(const std::vector<Attribute> &attributes,
                                                 std::string_view name) {
        for (const Attribute &attribute : attributes) {
            if (attribute.name == name)
                return attribute.value;
        }
        return std::nullopt;
    }

    void readCube(const std::vector<Attribute> &attributes, bool selfClosing) {
        const auto time = Value(attributes, "time");
        const auto currency = Value(attributes, "currency");
        const auto rate = Value(attributes, "rate");
        if (time && (currency || rate)) {
            fail("a Cube with both a time and a rate");
        } else if (time) {
            readDay(*time, selfClosing);
        } else if (currency || rate) {
            if (!currency || !rate)
                fail(currency ? "the Cube of " + Shown(*currency) + " has no rate"
                              : "a rate without a currency");
            else
                readRate(*currency, *rate);
        }
    }

    void readDay(std::string_view time, bool selfClosing) {
        if (m_dayDepth != 0) {
            fail("a dated Cube inside another dated Cube");
            return;
        }
        if (!DaysOfDate(time)) {
            fail("the date " + Shown(time) + " is not a date of the form YYYY-MM-DD");
            return;
        }
        if (selfClosing)
            return; // a day without rates
        m_days.push_back({std::string(time), {}});
        m_dayDepth = m_open.size() + 1;
    }

    void readRate(std::string_view code, std::string_view text) {
        if (m_dayDepth == 0) {
            fail("the rate of " + Shown(code) + " is outside a dated Cube");
            return;
        }
        if (!IsCurrencyCode(code)) {
            fail(Shown(code) + " is not a currency code (three capital letters)");
            return;
        }
        const ParsedNumber number =
            text.size() <= kMaxRateLength && IsPlainDecimal(text) ? ParseNumber(text) : ParsedNumber{};
        if (!number.ok || !(number.value > 0) || !std::isnormal(number.value) ||
            !std::isnormal(1.0L / number.value)) {
            fail("the rate of " + std::string(code) + " is not a positive decimal number: " + Shown(text));
            return;
        }
        ExchangeRates &day = m_days.back();
        if (day.Find(code) != nullptr) {
            fail("two rates for " + std::string(code) + " on " + day.date);
            return;
        }
        if (code != kBaseCurrencyCode) // the base: one euro is one euro
            day.rates.push_back({std::string(code), std::string(text), number.value});
    }

    void finish() {
        if (!m_open.empty())
            failTruncated("<" + std::string(m_open.back()) + ">");
        else if (!m_rootSeen)
            fail(m_text.empty() ? "the file is empty" : "this is not XML: it holds no element");
    }

    std::optional<ExchangeRates> newestDay() const {
        const ExchangeRates *newest = nullptr;
        for (const ExchangeRates &day : m_days) {
            if (!day.rates.empty() && (newest == nullptr || day.date > newest->date))
                newest = &day;
        }
        return newest ? std::optional<ExchangeRates>(*newest) : std::nullopt;
    }

    static constexpr const char *kWebPage =
        "this is a web page (HTML), not exchange rates: a proxy or sign-in page may have answered";

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string m_error;
    std::vector<std::string_view> m_open; // names of the open elements, outermost first
    bool m_rootSeen = false;
    std::size_t m_dayDepth = 0; // nesting depth of the open dated Cube; 0 outside one
    std::vector<ExchangeRates> m_days;
};

} // namespace

const CurrencyRate *ExchangeRates::Find(std::string_view code) const {
    for (const CurrencyRate &rate : rates) {
        if (rate.code == code)
            return &rate;
    }
    return nullptr;
}

RatesReading ReadEcbRates(std::string_view bytes) {
    if (bytes.size() > kMaxRatesFileSize) {
        RatesReading reading;
        reading.error = "the file is larger than " + std::to_string(kMaxRatesFileSize / 1024) +
                        " kB, far more than any rates file";
        return reading;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return EcbReader(bytes).Read();
}

std::string WriteEcbRates(const ExchangeRates &rates) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!-- Euro foreign exchange reference rates of the European Central Bank -->\n"
                       "<Cube>\n  <Cube time=\"" +
                       rates.date + "\">\n";
    for (const CurrencyRate &rate : rates.rates)
        text += "    <Cube currency=\"" + rate.code + "\" rate=\"" + rate.text + "\"/>\n";
    return text + "  </Cube>\n</Cube>\n";
}

std::optional<long> DaysOfDate(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (date[i] < '0' || date[i] > '9')
                return -1;
            value = value * 10 + (date[i] - '0');
        }
        return value;
    };
    const int year = number(0, 4);
    const int month = number(5, 2);
    const int day = number(8, 2);
    if (year < 1999 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                             std::chrono::day(static_cast<unsigned>(day))};
    if (!ymd.ok())
        return std::nullopt;
    return static_cast<long>(sys_days(ymd).time_since_epoch().count());
}

long TodayInDays() {
    using namespace std::chrono;
    return static_cast<long>(floor<days>(system_clock::now()).time_since_epoch().count());
}

std::string RatesNote(const ExchangeRates &rates, long today) {
    std::string note = "rates of " + rates.date + " (ECB)";
    const std::optional<long> day = DaysOfDate(rates.date);
    if (day && today - *day > 7)
        note += ", " + std::to_string(today - *day) + " days old";
    return note;
}

} // namespace mensurio
