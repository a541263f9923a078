// SPDX-License-Identifier: MIT
#include "app/LabFrame.h"
#include "app/ResultSender.h"
#include "foundation/CommandLine.h"
#include "foundation/LabStyle.h"

#include <QApplication>

namespace {

constexpr char kSendResults[] = "--send-results";

const CommandLine::Usage kUsage{
    "nonlinear-coder-lab",
    "",
    0,
    "Лабораторно-практическое занятие «Изучение работы нелинейного кодера»: без параметров\n"
    "открывает окно занятия. Подробнее: man nonlinear-coder-lab.",
    {{kSendResults, nullptr, "отправить ждущие результаты в журнал группы и завершиться"}}};

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode = CommandLine::answer(argc, argv, kUsage))
        return *exitCode;
    // The lab's own sending process: no window, no display needed.
    if (CommandLine::given(argc, argv, kSendResults)) {
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
