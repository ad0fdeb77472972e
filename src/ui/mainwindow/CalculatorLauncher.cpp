// SPDX-License-Identifier: MIT
#include "ui/mainwindow/CalculatorLauncher.h"

#include "core/platform/Prompts.h"
#include "core/settings/ProgramSettings.h"
#include "ui/shared/QtCp1252.h"

#include <QProcess>

#include <utility>

namespace mensurio {

CalculatorLauncher::CalculatorLauncher(Prompts &prompts, CalculatorFinder finder)
    : m_prompts(prompts), m_finder(std::move(finder)) {}

bool CalculatorLauncher::Start(const ProgramSettings &settings) {
    const auto program = m_finder.ProgramToStart(settings.GeCaDefa, settings.CalcPath);
    if (program && QProcess::startDetached(QtCp1252::ToQString(*program), {}))
        return true;
    m_prompts.Beep();
    m_prompts.Information(kStartFailedMessage);
    return false;
}

} // namespace mensurio
