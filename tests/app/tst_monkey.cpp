// SPDX-License-Identifier: MIT
#include "LabTestSupport.h"

#include "app/LabFrame.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/NumericField.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <random>

// The crash net: from every screen, a seeded run of random clicks and keys, sometimes the
// right entries of a practice step, with the invariants that matter checked after each.

namespace {

const QString kKeys = QStringLiteral("0123456789-,. aZяЖ");
const QList<Qt::Key> kSpecialKeys{Qt::Key_Tab,   Qt::Key_Backtab,  Qt::Key_Return,
                                  Qt::Key_Space, Qt::Key_Escape,   Qt::Key_Left,
                                  Qt::Key_Down,  Qt::Key_Backspace};

class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : random_(seed) {}

    void act() {
        QWidget* screen = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<LabScreen*>(top) && top->isVisible())
                screen = top;
        QList<QWidget*> usable;
        for (QWidget* w : screen->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled())
                usable << w;
        QWidget* target = usable.isEmpty() ? screen : usable[pick(int(usable.size()))];
        const int roll = pick(100);
        if (roll < 40) {
            QTest::mouseClick(target, Qt::LeftButton, {},
                              QPoint(pick(target->width()), pick(target->height())));
        } else if (roll < 50) {
            QTest::mouseDClick(target, Qt::LeftButton);
        } else if (roll < 80) {
            QWidget* focus = QApplication::focusWidget();
            typeText(focus && pick(2) ? focus : target, QString(kKeys[pick(int(kKeys.size()))]));
        } else if (roll < 95) {
            QTest::keyClick(target, kSpecialKeys[pick(int(kSpecialKeys.size()))]);
        } else if (screen == Form6 && Form6->practiceStep() < 16) {
            // The right entries now and then, so that runs end and the final test is reached.
            setCoderState(BuildCodingTrace(control<QLineEdit>(Form9, "Edit1")->text().toInt()),
                          Form6->practiceStep() + 1);
        }
        QCoreApplication::processEvents();
    }

private:
    int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::mt19937 random_;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void screensSurviveRandomUse_data();
    void screensSurviveRandomUse();
};

void TestMonkey::screensSurviveRandomUse_data() {
    QTest::addColumn<int>("screen");
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("Form%d", n) << n;
}

void TestMonkey::screensSurviveRandomUse() {
    QFETCH(int, screen);
    prepareLab();
    const auto seed = std::uint32_t(2026 + screen);
    std::mt19937 program(seed ^ 0x9e3779b9u);
    RandomSource previous = setRandomSource(
        [&program](int n) { return std::uniform_int_distribution<int>(0, n - 1)(program); });
    const auto restore = qScopeGuard([&previous] { setRandomSource(std::move(previous)); });
    ErrorCapture errors;
    LabFrame frame;
    control<QLineEdit>(Form9, "Edit1")->setText(QString::number(int(seed % 4001) - 2000));
    const std::array<LabScreen*, 9> screens{Form1, Form2, Form3, Form4, Form5,
                                            Form9, Form7, Form8, Form9};
    frame.start();
    if (screen > 1) {
        Form1->hide();
        screens[std::size_t(screen - 1)]->showScreen();
        if (screen == 6) // the practice opens from its input
            click(Form9, "RzURLLabel3");
    }
    Monkey monkey(seed);
    for (int action = 1; action <= 1500; ++action) {
        const int boxes = errors.count(), refused = Form6->errorCount();
        const bool onPractice = Form6->isVisible();
        monkey.act();
        const QByteArray where =
            "seed " + QByteArray::number(seed) + ", action " + QByteArray::number(action);
        QVERIFY2(showing().count(' ') == 0 && !showing().isEmpty(),
                 where + " shows " + showing().toUtf8());
        QVERIFY2(Form5->stepCount() >= 0 && Form5->stepCount() <= 16, where);
        QVERIFY2(Form4->questionNo() >= 1 && Form4->questionNo() <= 11, where);
        QVERIFY2(Form8->questionNo() >= 1 && Form8->questionNo() <= 11, where);
        const int step = Form6->practiceStep();
        QVERIFY2(step >= 0 && step <= 16, where);
        QVERIFY2(control(Form6, "LMDButton1")->isEnabled() == (step < 16), where);
        // On the practice, every refused press counts once and shows one box.
        if (onPractice && Form6->isVisible())
            QVERIFY2(Form6->errorCount() - refused == errors.count() - boxes, where);
        QVERIFY2(!errors.last().text.contains(QStringLiteral("valid integer")), where);
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
