// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace mensurio {

/// The conversion window.
class TForm1 : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)
public:
    static constexpr int DesignWidth = 561;
    static constexpr int DesignHeight = 385;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;
};

} // namespace mensurio
