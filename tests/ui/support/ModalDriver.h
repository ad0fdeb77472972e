// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>

#include <functional>

namespace mensurio::test {

/// Runs `open`, which shows a modal dialog of type D, and drives that dialog from inside its
/// event loop. A dialog still open after `drive` is rejected, so a failing test never hangs.
/// Returns whether the dialog was reached.
template <typename D>
bool DriveModal(const std::function<void()> &open, const std::function<void(D &)> &drive) {
    bool reached = false;
    QObject context; // cancels the pending call when no dialog opened
    QTimer::singleShot(0, &context, [&] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        reached = true;
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
    return reached;
}

} // namespace mensurio::test
