// SPDX-License-Identifier: MIT
#include "app/LabFrame.h"
#include "app/ResultSender.h"
#include "foundation/LabStyle.h"

#include <QApplication>

#include <string_view>

int main(int argc, char* argv[]) {
    // The lab's own sending process: no window, no display needed.
    if (argc == 2 && std::string_view(argv[1]) == "--send-results") {
        QCoreApplication app(argc, argv);
        LabStyle::nameApplication();
        return ResultSender::sendWaiting();
    }
    QApplication app(argc, argv);
    LabStyle::setUpApplication(app);
    LabFrame frame;
    frame.start();
    return QApplication::exec();
}
