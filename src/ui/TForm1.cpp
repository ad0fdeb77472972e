// SPDX-License-Identifier: MIT
#include "ui/TForm1.h"

namespace mensurio {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("TForm1");
    setWindowTitle("Mensurio");
    resize(DesignWidth, DesignHeight);
}

TForm1::~TForm1() = default;

} // namespace mensurio
