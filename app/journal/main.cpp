// SPDX-License-Identifier: MIT
#include "app/journal/JournalWindow.h"
#include "foundation/LabStyle.h"

#include <QApplication>
#include <QIcon>

// The teacher's view of the lab's results: nonlinear-coder-journal [results.csv | folder]...
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LabStyle::setUpApplication(app);
    // Unlike the lab, this program ends with its window, and has its own menu entry.
    QApplication::setQuitOnLastWindowClosed(true);
    QGuiApplication::setDesktopFileName(QStringLiteral("nonlinear-coder-journal"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/nonlinear-coder-journal.svg")));
    JournalWindow window;
    window.show();
    if (const QStringList paths = QApplication::arguments().mid(1); !paths.isEmpty())
        window.openFiles(paths);
    return QApplication::exec();
}
