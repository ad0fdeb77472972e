// SPDX-License-Identifier: MIT
#include "core/currency/RatesFile.h"

#include "core/currency/CurrencyCategory.h"
#include "core/db/UnitDatabase.h"
#include "core/platform/FileOps.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <unistd.h>

namespace mensurio {

namespace {

// Up to one byte more than the reader accepts, so that a larger file is known as such.
bool ReadCapped(const std::string &path, std::string &bytes, int &error) {
    const int fd = FileOps::OpenRegularForReading(path);
    if (fd < 0) {
        error = errno;
        return false;
    }
    bytes.clear();
    char buffer[16384];
    while (bytes.size() <= kMaxRatesFileSize) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

} // namespace

std::string RatesFile::PathIn(const std::string &directory) {
    return FileOps::Join(directory, FileName);
}

bool RatesFile::ReadSource(const std::string &path, std::string &bytes, std::string &error) {
    int number = 0;
    if (ReadCapped(path, bytes, number))
        return true;
    error = "cannot read " + path + ": " + std::strerror(number);
    return false;
}

RatesReading RatesFile::Load(const std::string &path) {
    RatesReading reading;
    std::string bytes;
    int error = 0;
    if (!ReadCapped(path, bytes, error)) {
        if (error != ENOENT)
            reading.error = "cannot read " + path + ": " + std::strerror(error);
        return reading;
    }
    reading = ReadEcbRates(bytes);
    if (!reading.error.empty())
        reading.error = path + ", " + reading.error;
    return reading;
}

std::optional<ExchangeRates> RatesFile::Update(const std::string &path, std::string_view bytes,
                                               std::string &error) {
    RatesReading reading = ReadEcbRates(bytes);
    if (!reading.rates) {
        error = reading.error;
        return std::nullopt;
    }
    try {
        FileOps::AtomicReplace(path, WriteEcbRates(*reading.rates));
    } catch (const std::exception &failure) {
        error = failure.what();
        return std::nullopt;
    }
    error.clear();
    return std::move(reading.rates);
}

std::string RatesFile::UpdatedText(const ExchangeRates &rates) {
    return "Exchange rates of " + rates.date + " (ECB) loaded: " + std::to_string(rates.rates.size()) +
           (rates.rates.size() == 1 ? " currency." : " currencies.");
}

int ApplyExchangeRates(UnitDatabase &database, const ExchangeRates *rates) {
    int rated = 0;
    database.SetBuiltinFactors(kCurrencyCategory, [&](const UnitRecord &unit) -> std::optional<long double> {
        const std::string_view code = CurrencyCodeOf(unit.Name);
        if (code.empty() || code == kBaseCurrencyCode)
            return std::nullopt;
        const CurrencyRate *rate = rates ? rates->Find(code) : nullptr;
        if (rate == nullptr)
            return 0.0L;
        ++rated;
        return 1.0L / rate->rate;
    });
    return rated;
}

} // namespace mensurio
