// SPDX-License-Identifier: MIT
#pragma once

#include "core/currency/ExchangeRates.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace mensurio::test {

/// The date `daysAgo` days before today, as the rates files write it (YYYY-MM-DD).
inline std::string DateDaysAgo(long daysAgo) {
    using namespace std::chrono;
    const year_month_day date{sys_days(days(TodayInDays() - daysAgo))};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

} // namespace mensurio::test
