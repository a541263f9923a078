// SPDX-License-Identifier: MIT
#include "app/journal/JournalWindow.h"
#include "foundation/CommandLine.h"
#include "foundation/LabStyle.h"

#include <QApplication>
#include <QIcon>

namespace {

const CommandLine::Usage kUsage{
    "nonlinear-coder-journal",
    "[ФАЙЛ|ПАПКА]...",
    1000,
    "Журнал лабораторной работы «Нелинейный кодер»: результаты группы из журнала группы на\n"
    "сервере или из файлов results.csv (ФАЙЛ, или все такие файлы ПАПКИ), их таблица и\n"
    "вопросы, в которых группа ошибается. Подробнее: man nonlinear-coder-journal.",
    {}};

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv, kUsage))
        return *exitCode;
    QApplication app(argc, argv);
    LabStyle::setUpApplication(app);
    // Unlike the lab, this program ends with its window, and has its own menu entry.
    QApplication::setQuitOnLastWindowClosed(true);
    QGuiApplication::setDesktopFileName(QStringLiteral(LAB_JOURNAL_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/nonlinear-coder-journal.svg")));
    JournalWindow window;
    window.show();
    if (const QStringList paths = QApplication::arguments().mid(1); !paths.isEmpty())
        window.openFiles(paths);
    return QApplication::exec();
}
