// SPDX-License-Identifier: MIT
#include "app/LabFrame.h"
#include "foundation/LabStyle.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LabStyle::setUpApplication(app);
    LabFrame frame;
    frame.start();
    return QApplication::exec();
}
