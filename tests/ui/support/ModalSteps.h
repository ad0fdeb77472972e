// SPDX-License-Identifier: MIT
#pragma once

#include "ui/support/DialogHelpers.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <deque>
#include <functional>
#include <utility>

namespace mensurio::test {

/// Drives modal dialogs opened by exec(): each step waits until the dialog with its object name
/// is the active modal window and then acts on it (a step may open a further dialog and drive it
/// through the next steps). Dialogs still open when the steps fail are rejected after a timeout,
/// so a failing test ends instead of hanging.
class ModalSteps {
  public:
    using Step = std::function<void(QDialog &)>;

    ModalSteps &Then(const char *dialogName, Step step) {
        m_steps.emplace_back(QString::fromLatin1(dialogName), std::move(step));
        return *this;
    }

    /// Runs `opener`, which returns once its modal dialog has closed. True when every step ran
    /// and nothing had to be closed by force.
    bool Run(const std::function<void()> &opener, int timeoutMs = 15000) {
        m_timeout = timeoutMs;
        m_running = true;
        m_clock.start();
        schedule();
        opener();
        m_running = false;
        return m_steps.empty() && !m_timedOut;
    }

  private:
    void schedule() {
        QTimer::singleShot(10, &m_context, [this] { poll(); });
    }

    void poll() {
        if (!m_running)
            return;
        schedule(); // keeps polling inside the event loop of any dialog a step opens
        QWidget *active = QApplication::activeModalWidget();
        if (m_clock.elapsed() > m_timeout) {
            m_timedOut = true;
            if (auto *dialog = qobject_cast<QDialog *>(active))
                dialog->reject();
            return;
        }
        if (m_steps.empty() || active == nullptr || !active->isVisible() ||
            active->objectName() != m_steps.front().first)
            return;
        auto *dialog = qobject_cast<QDialog *>(active);
        if (dialog == nullptr)
            return;
        Step step = std::move(m_steps.front().second);
        m_steps.pop_front();
        step(*dialog);
    }

    std::deque<std::pair<QString, Step>> m_steps;
    QObject m_context;
    QElapsedTimer m_clock;
    int m_timeout = 15000;
    bool m_running = false;
    bool m_timedOut = false;
};

/// A step that clicks the dialog's named push button.
inline ModalSteps::Step ClickStep(const char *button) {
    return [button](QDialog &dialog) { ClickButton(dialog, button); };
}

} // namespace mensurio::test
