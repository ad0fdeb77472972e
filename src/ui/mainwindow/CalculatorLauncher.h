// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform/CalculatorFinder.h"

namespace mensurio {

class Prompts;
struct ProgramSettings;

/// The Calculator command: starts the calculator program on its own, detached from Mensurio.
class CalculatorLauncher {
  public:
    static constexpr char kStartFailedMessage[] = "Unable to start the Calculator program.";

    explicit CalculatorLauncher(Prompts &prompts, CalculatorFinder finder = CalculatorFinder());

    /// Starts the program GeCaDefa and CalcPath choose (see CalculatorFinder::ProgramToStart).
    /// When there is none or it does not start: the beep and the information "Unable to start
    /// the Calculator program."; returns false.
    bool Start(const ProgramSettings &settings);

  private:
    Prompts &m_prompts;
    CalculatorFinder m_finder;
};

} // namespace mensurio
