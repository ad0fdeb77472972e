// SPDX-License-Identifier: MIT
// mensurio-fetch: downloads the exchange rates for mensurio-cli --update-rates and the window,
// so that neither the command line nor its start-up ever loads a network library.
#include "fetch/RatesFetch.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr const char *kUsage =
    "Usage: mensurio-fetch [--url URL] [--timeout SECONDS] [--progress]\n"
    "Downloads the ECB's euro reference rates and writes them to standard output; on failure\n"
    "writes one line saying why to standard error and exits with status 1.\n"
    "  --url URL          the address (default: MENSURIO_RATES_URL, else the ECB's daily file);\n"
    "                     https only, or plain http to this machine\n"
    "  --timeout SECONDS  give up after this long (1 to 600, default 30)\n"
    "  --progress         write \"progress RECEIVED TOTAL\" lines to standard error\n";

// Qt's own notices are no concern of the user; only real failures are shown.
void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char *argv[]) {
    QString url = QString::fromLocal8Bit(std::getenv("MENSURIO_RATES_URL"));
    if (url.isEmpty())
        url = QString::fromLatin1(mensurio::RatesFetch::DefaultUrl);
    int timeout = mensurio::RatesFetch::DefaultTimeoutSeconds;
    bool progress = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--url" && i + 1 < argc) {
            url = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--timeout" && i + 1 < argc) {
            char *end = nullptr;
            const long seconds = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || seconds < 1 || seconds > 600) {
                std::cerr << "--timeout must be a whole number of seconds from 1 to 600\n";
                return 2;
            }
            timeout = static_cast<int>(seconds);
        } else if (arg == "--progress") {
            progress = true;
        } else if (arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else {
            std::cerr << "unknown argument " << arg << "\n" << kUsage;
            return 2;
        }
    }
    qInstallMessageHandler(QuietMessages);
    QCoreApplication application(argc, argv);
    mensurio::RatesFetch fetch(QUrl(url), timeout, progress);
    fetch.Start();
    return QCoreApplication::exec();
}
