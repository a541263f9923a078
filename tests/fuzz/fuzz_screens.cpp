// SPDX-License-Identifier: MIT
// The crash net under the screens: seeded runs of random clicks and keys on every screen,
// run with the other tests (and under the sanitizers) rather than with libFuzzer.
#include "LabTestSupport.h"

#include <QScopeGuard>

#include <random>

class FuzzScreens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void monkeysOnEveryScreen_data() {
        QTest::addColumn<int>("screen");
        for (int n = 1; n <= 9; ++n)
            QTest::addRow("Form%d", n) << n;
    }
    void monkeysOnEveryScreen();
};

// The crash net: from every screen, a seeded run of random clicks and keys, now and then the
// right entries of a practice step, with the invariants that matter checked after each.
void FuzzScreens::monkeysOnEveryScreen() {
    QFETCH(int, screen);
    prepareLab();
    std::mt19937 random(2026 + screen), program(1989 + screen);
    const auto pick = [&random](int n) { return int(random() % std::uint32_t(std::max(n, 1))); };
    RandomSource previous = setRandomSource([&program](int n) { return int(program() % n); });
    const auto restore = qScopeGuard([&previous] { setRandomSource(std::move(previous)); });
    ErrorCapture errors;
    LabFrame frame;
    frame.createScreens();
    control<QLineEdit>(Form9, "Edit1")->setText(QString::number(pick(4001) - 2000));
    frame.start();
    Form1->hide();
    std::array<LabScreen*, 9>{
        Form1, Form2, Form3, Form4, Form5, Form9, Form7, Form8, Form9}[std::size_t(screen - 1)]
        ->showScreen();
    if (screen == 6) // the practice opens from its input
        click(Form9, "RzURLLabel3");
    const QString keys = QStringLiteral("0123456789-,. aZяЖ\t\r\b\x1b");
    for (int action = 1; action <= 3000; ++action) {
        const int boxes = errors.count(), refused = Form6->errorCount(),
                  step = Form6->practiceStep();
        const bool onPractice = Form6->isVisible();
        QList<QWidget*> usable;
        for (QWidget* top : QApplication::topLevelWidgets())
            for (QWidget* w : top->isVisible() ? top->findChildren<QWidget*>() : QList<QWidget*>())
                if (w->isVisible() && w->isEnabled())
                    usable << w;
        QWidget* target = usable[pick(int(usable.size()))];
        if (pick(2))
            QTest::mouseClick(target, Qt::LeftButton, {},
                              {pick(target->width()), pick(target->height())});
        else if (pick(20))
            typeText(QApplication::focusWidget() ? QApplication::focusWidget() : target,
                     QString(keys[pick(int(keys.size()))]));
        else if (onPractice && step < 16) // the right entries now and then, so that runs end
            setCoderState(
                Coder::BuildCodingTrace(control<QLineEdit>(Form9, "Edit1")->text().toInt()),
                step + 1);
        QCoreApplication::processEvents();
        const QByteArray where =
            "action " + QByteArray::number(action) + " on " + showing().toUtf8();
        QVERIFY2(!showing().isEmpty() && !showing().contains(' '), where);
        QVERIFY2(Form5->stepCount() <= 16 && Form6->practiceStep() <= 16, where);
        QVERIFY2(Form4->questionNo() <= 11 && Form8->questionNo() <= 11, where);
        QVERIFY2(control(Form6, "LMDButton1")->isEnabled() == (Form6->practiceStep() < 16), where);
        // On the practice every refused press counts once and shows one box.
        if (onPractice && Form6->isVisible())
            QVERIFY2(Form6->errorCount() - refused == errors.count() - boxes, where);
        QVERIFY2(!errors.last().text.contains(QStringLiteral("valid integer")), where);
    }
}

QTEST_MAIN(FuzzScreens)
#include "fuzz_screens.moc"
