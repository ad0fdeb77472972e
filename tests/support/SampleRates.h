// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace mensurio::test {

/// A rates file in the form the European Central Bank publishes its daily euro reference rates
/// (eurofxref-daily.xml). The rates are made up for the tests.
inline std::string SampleEcbRates(const std::string &date = "2026-12-08", const std::string &usd = "1.25") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
           "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
           "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
           "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
           "\t<Cube>\n"
           "\t\t<Cube time='" +
           date +
           "'>\n"
           "\t\t\t<Cube currency='USD' rate='" +
           usd +
           "'/>\n"
           "\t\t\t<Cube currency='JPY' rate='160'/>\n"
           "\t\t\t<Cube currency='GBP' rate='0.8'/>\n"
           "\t\t\t<Cube currency='CHF' rate='0.95'/>\n"
           "\t\t\t<Cube currency='IDR' rate='17000.5'/>\n"
           "\t\t</Cube>\n"
           "\t</Cube>\n"
           "</gesmes:Envelope>\n";
}

} // namespace mensurio::test
