// SPDX-License-Identifier: MIT
// The practice input and the coding practice at the start, in the middle and at the end of a
// run of Uаим = -37.
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "coder/CoderModel.h"
#include "foundation/ErrorReporter.h"
#include "screens/Unit6.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

namespace {

template <typename T = QWidget> T* find(QWidget* screen, const QString& name) {
    return screen->findChild<T*>(name);
}

QString cell(int number) {
    return QStringLiteral("Edit") + QString::number(number);
}

// Sets the cells to the coder's state at a practice step, straight into the texts (no
// keys, so no prompts), and presses "Далее >>".
void passStep(const Coder::TCodingTrace& trace, int step) {
    const Coder::TTactRecord& record = trace.tacts[std::size_t((step + 1) / 2 - 1)];
    const bool start = step % 2 == 1;
    const std::uint8_t reg = start ? record.registerDuring : record.registerAfter;
    const Coder::TReferenceSet& on = start ? record.referencesDuring : record.referencesAfter;
    for (int tact = 1; tact <= 8; ++tact)
        find<QLineEdit>(Form6, cell(13 + tact))->setText(QString::number((reg >> (8 - tact)) & 1));
    for (std::size_t i = 0; i < Coder::kReferenceWeights.size(); ++i)
        find<QLineEdit>(Form6, cell(43 + int(i)))
            ->setText(on.contains(Coder::kReferenceWeights[i]) ? QStringLiteral("1")
                                                               : QStringLiteral("0"));
    if (start)
        find<QLineEdit>(Form6, QStringLiteral("Edit22"))
            ->setText(QString(QChar::fromLatin1(record.comparatorOutput)));
    find<NumericField>(Form6, QStringLiteral("RxCalcEdit1"))
        ->setText(QString::fromStdString(
            Coder::FormatUet(start ? record.uetDuring : record.uetAfter, trace.positive)));
    find<QPushButton>(Form6, QStringLiteral("LMDButton1"))->click();
}

void touch(const QString& control, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(find(Form6, control), &press);
}

const RegisterShots practiceShots(QStringLiteral("practice"), [](const ShotContext& context) {
    LabFrame frame;
    frame.createScreens();
    const ErrorReporter previous =
        setErrorReporter([](QWidget*, const QString& text, const QString& caption) {
            QTextStream(stderr) << "refused: " << caption << ": " << text << '\n';
        });

    Form9->showScreen();
    find<QLineEdit>(Form9, QStringLiteral("Edit1"))->setText(QStringLiteral("-37"));
    context.save(Form9, QStringLiteral("practice_input"));
    Q_EMIT find<LinkLabel>(Form9, QStringLiteral("RzURLLabel3"))->clicked();
    context.save(Form6, QStringLiteral("practice_start"));

    const Coder::TCodingTrace trace = Coder::BuildCodingTrace(-37);
    for (int step = 1; step <= 6; ++step)
        passStep(trace, step);
    // Start of tact 4: register touched first, so the selector lamp is red.
    touch(QStringLiteral("Edit17"), Qt::Key_1);
    context.save(Form6, QStringLiteral("practice_register_touched"));
    // Then the selector row: its lamp green over the red one, U эт to be entered next.
    touch(QStringLiteral("Edit47"), Qt::Key_1);
    context.save(Form6, QStringLiteral("practice_selector_touched"));
    touch(QStringLiteral("RxCalcEdit1"), Qt::Key_Minus);
    context.save(Form6, QStringLiteral("practice_uet_touched"));

    for (int step = 7; step <= 16; ++step)
        passStep(trace, step);
    context.save(Form6, QStringLiteral("practice_finished"));
    setErrorReporter(previous);
});

} // namespace
