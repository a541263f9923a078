#include "FinalTestRun.h"
#include "IntroTestRun.h"
#include "LabTestSupport.h"
#include "PracticeDriver.h"

#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

// Two students go through the whole lab, from the title to the closed report, using only
// what the screens offer them: the links, the buttons and the keyboard.

namespace {

const QString kFirstStudent = QStringLiteral("Иванов Иван Иванович");
const QString kSecondStudent = QStringLiteral("Петрова Анна Сергеевна");

// The object names of the lab screens now visible: "Form7" when the registration alone is.
QString Showing() {
    QStringList names;
    for (const QWidget* screen : VisibleScreens())
        names.append(screen->objectName());
    return names.join(QLatin1Char(' '));
}

void Click(QWidget* screen, const char* control) {
    QTest::mouseClick(Control<QWidget>(screen, control), Qt::LeftButton);
}

// Clicks a control that leads on; returns what is showing then.
QString Follow(QWidget* screen, const char* control) {
    Click(screen, control);
    return Showing();
}

QString Text(QWidget* screen, const char* label) {
    return Control<QLabel>(screen, label)->text();
}

bool Shown(QWidget* screen, const char* control) {
    return Control<QWidget>(screen, control)->isVisible();
}

// Clicks into a text field, then types.
QLineEdit* TypeInto(QWidget* screen, const char* field, const QString& text) {
    auto* edit = Control<QLineEdit>(screen, field);
    QTest::mouseClick(edit, Qt::LeftButton);
    TypeText(edit, text);
    return edit;
}

} // namespace

class TestWalk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void twoStudentsWalkThroughTheLab();
};

void TestWalk::twoStudentsWalkThroughTheLab() {
    FailOnWarnings();
    ScriptedDraws draws;
    ErrorCapture errors;
    LabFrame frame;
    frame.start();
    QCOMPARE(Showing(), QStringLiteral("Form1"));

    // Title and registration: the first name opens the way, the second is optional.
    QCOMPARE(Follow(Form1, "RzURLLabel1"), QStringLiteral("Form7"));
    auto* ok = Control<QPushButton>(Form7, "Button1");
    QVERIFY(!ok->isEnabled());
    TypeInto(Form7, "Edit1", kFirstStudent);
    TypeInto(Form7, "Edit2", kSecondStudent);
    QVERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(Showing(), QStringLiteral("Form2"));

    // Procedure and theory: the reader opens at the end of its column, the link in sight.
    QCOMPARE(Follow(Form2, "RzURLLabel1"), QStringLiteral("Form3"));
    auto* scroller = Control<QScrollArea>(Form3, "ScrollBox1");
    auto* theoryLink = Control<LinkLabel>(Form3, "RzURLLabel1");
    QVERIFY(scroller->viewport()->rect().contains(
        QRect(theoryLink->mapTo(scroller->viewport(), QPoint(0, 0)), theoryLink->size())));

    // Intro test: one pool question answered wrongly; its draws come with the screen.
    intro::IntroRun introRun;
    introRun.pools = {2, 6, 7, 4};
    introRun.order = {3, 1, 2};
    introRun.width = 11;
    introRun.amplitude = 1024;
    introRun.variants = {5, 2, 6, 3};
    introRun.answerAllRight();
    introRun.replies[3] = introRun.wrongReply(4);
    introRun.script(draws);
    QTest::mouseClick(theoryLink, Qt::LeftButton);
    QCOMPARE(Showing(), QStringLiteral("Form4"));
    Click(Form4, "RzURLLabel1"); // "Начать тест"
    QVERIFY(driver::ReplyToAll(Form4, introRun.replies, {}));
    QCOMPARE(Form4->questionNo(), 11);
    QCOMPARE(Text(Form4, "Label5"), QStringLiteral("Правильных ответов: 9"));
    QCOMPARE(Text(Form4, "Label6"), QStringLiteral("Неправильных ответов: 1"));
    QCOMPARE(Text(Form4, "Label3"), QStringLiteral("Ошибки в вопросах:  4"));
    QCOMPARE(draws.remaining(), 0);

    // Demonstration: one full cycle; the restart draws a zero first, which is drawn again.
    draws.push(1234 + 2000);
    QCOMPARE(Follow(Form4, "RzURLLabel3"), QStringLiteral("Form5"));
    QCOMPARE(Form5->demonstratedValue(), 1234);
    auto* next = Control<QPushButton>(Form5, "LMDButton2");
    for (int press = 1; press <= 16; ++press) {
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(Form5->stepCount(), press);
    }
    QCOMPARE(Text(Form5, "Label1"), QStringLiteral("Конец 8-го такта. Кодирование завершено."));
    draws.push({0 + 2000, 500 + 2000});
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(Form5->stepCount(), 0);
    QCOMPARE(Form5->demonstratedValue(), 500);
    QCOMPARE(Text(Form5, "Label1"), QStringLiteral("Значение Uаим для кодирования = 500."));
    QCOMPARE(draws.remaining(), 0);
    QCOMPARE(Follow(Form5, "RzURLLabel1"), QStringLiteral("Form9"));

    // First practice run: -37 with one wrong sign of U эт at the start of tact 2.
    QLineEdit* value = TypeInto(Form9, "Edit1", QStringLiteral("-37"));
    ClickPracticeInputLink();
    QCOMPARE(Showing(), QStringLiteral("Form6"));
    QCOMPARE(Text(Form6, "Label1"),
             QStringLiteral("Значение Uаим для кодирования = -37. Начало 1-го такта. "
                            "Определение знака входного сигнала"));
    const TCodingTrace minus37 = BuildCodingTrace(-37);
    PassSteps(minus37, 1, 2);
    Enter(Form6, CoderState(minus37, 3));
    Enter(Form6, ParseEntries(QStringLiteral("RxCalcEdit1=128")));
    PressNext();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.last().caption, kPracticeErrorCaption);
    QCOMPARE(errors.last().text, QStringLiteral("Не правильно введено значение Uэт"));
    QCOMPARE(Form6->practiceStep(), 2);
    Enter(Form6, ParseEntries(QStringLiteral("RxCalcEdit1=-128")));
    PressNext();
    QCOMPARE(Form6->practiceStep(), 3);
    PassSteps(minus37, 4, 16);
    QCOMPARE(Form6->practiceStep(), 16);
    QCOMPARE(Text(Form6, "Label3"), QStringLiteral("Количество ошибок: 1"));
    QVERIFY(Shown(Form6, "RzURLLabel1"));
    QVERIFY(Shown(Form6, "RzURLLabel2"));
    QVERIFY(!Shown(Form6, "LMDButton1"));

    // Second run: back to the input, which still holds -37, then 1000 (the other polarity,
    // segment 6) without a mistake.
    QCOMPARE(Follow(Form6, "RzURLLabel2"), QStringLiteral("Form9"));
    QCOMPARE(value->text(), QStringLiteral("-37"));
    OpenPractice(QStringLiteral("1000"));
    QCOMPARE(Showing(), QStringLiteral("Form6"));
    QCOMPARE(Form6->practiceStep(), 0);
    QCOMPARE(Form6->errorCount(), 0);
    QCOMPARE(Text(Form6, "Label2"), QStringLiteral("1000"));
    PassSteps(BuildCodingTrace(1000), 1, 16);
    QCOMPARE(Form6->practiceStep(), 16);
    QCOMPARE(Text(Form6, "Label3"), QStringLiteral("Количество ошибок: 0"));
    QCOMPARE(errors.count(), 1);

    // Final test: three answers wrong, then the report with both names.
    finaltest::FinalRun finalRun;
    finalRun.pools = {12, 10};
    finalRun.variants = {0, 0, 0, 2, 3, 4, 5, 0, 6, 1, 4};
    finalRun.order = {2, 3, 1};
    finalRun.answerAllRight();
    for (const int q : {2, 5, 9})
        finalRun.replies[q - 1] = finalRun.wrongReply(q);
    finalRun.script(draws);
    QCOMPARE(Follow(Form6, "RzURLLabel1"), QStringLiteral("Form8"));
    QVERIFY(driver::ReplyToAll(Form8, finalRun.replies, {}));
    QCOMPARE(Form8->questionNo(), 11);
    QCOMPARE(Showing(), QStringLiteral("Form8"));
    QCOMPARE(Text(Form8, "Label5"), QStringLiteral("Правильных ответов: 7"));
    QCOMPARE(Text(Form8, "Label6"), QStringLiteral("Неправильных ответов: 3"));
    QCOMPARE(Text(Form8, "Label7"), QStringLiteral("Ошибки в вопросах: 2 5 9"));
    QCOMPARE(Text(Form8, "Label1"), QStringLiteral("Студенты, выполнившие работу:"));
    QCOMPARE(Text(Form8, "Label2"), kFirstStudent);
    QCOMPARE(Text(Form8, "Label3"), kSecondStudent);
    QVERIFY(Shown(Form8, "RzURLLabel2"));
    QCOMPARE(draws.remaining(), 0);
    QCOMPARE(errors.count(), 1);

    // Closing the report ends the program; a watchdog ends a loop the close failed to end.
    QTimer::singleShot(0, Form8, [] { Form8->close(); });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(Showing(), QString());
    QCOMPARE(errors.count(), 1);
}

QTEST_MAIN(TestWalk)
#include "tst_walk.moc"
