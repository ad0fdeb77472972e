// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace mensurio {

/// The About box: the program's name, version and purpose, and the Qt version it runs on.
class AboutDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

  public:
    explicit AboutDialog(QWidget *parent = nullptr);

    static QString VersionText();
    static QString DescriptionText();
    static QString QtVersionText();
};

} // namespace mensurio
