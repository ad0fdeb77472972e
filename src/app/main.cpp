// SPDX-License-Identifier: MIT
#include "ui/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Mensurio");
    mensurio::TForm1 window;
    window.show();
    return QApplication::exec();
}
