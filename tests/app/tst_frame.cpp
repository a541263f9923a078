#include "LabTestSupport.h"

#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init() {
        draws = std::make_unique<ScriptedDraws>();
        draws->setFallback(1);
        errors = std::make_unique<ErrorCapture>();
    }
    void cleanup() {
        errors.reset();
        draws.reset();
    }

    void screensHaveTheirCaptionsAndSizes_data();
    void screensHaveTheirCaptionsAndSizes();
    void onlyTheTitleIsVisibleAfterStart();
    void forwardLinksVisitEveryScreenAlone();
    void closingAnyScreenEndsTheProgram_data();
    void closingAnyScreenEndsTheProgram();

private:
    std::unique_ptr<ScriptedDraws> draws;
    std::unique_ptr<ErrorCapture> errors;
};

void TestFrame::screensHaveTheirCaptionsAndSizes_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<bool>("fixed");
    const QString topic =
        QStringLiteral("Лабораторно-практическое занятие \"Изучение работы нелинейного кодера\"");
    QTest::newRow("title") << "Form1" << topic << QSize(412, 207) << true;
    QTest::newRow("procedure") << "Form2"
                               << "Порядок выполнения работы:" << QSize(344, 223) << true;
    QTest::newRow("theory") << "Form3"
                            << "Просмотр теории" << QSize(590, 441) << true;
    QTest::newRow("intro test") << "Form4"
                                << "Вводный тест" << QSize(578, 358) << true;
    QTest::newRow("demonstration")
        << "Form5"
        << "Демонстрация работы нелинейного кодера" << QSize(604, 523) << true;
    QTest::newRow("practice") << "Form6"
                              << "Практика кодирования" << QSize(604, 524) << true;
    QTest::newRow("registration") << "Form7"
                                  << "Регистрация" << QSize(414, 170) << true;
    QTest::newRow("final test") << "Form8"
                                << "Итоговый тест" << QSize(578, 359) << true;
    QTest::newRow("practice input") << "Form9"
                                    << "Практика кодирования" << QSize() << false;
}

void TestFrame::screensHaveTheirCaptionsAndSizes() {
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(bool, fixed);

    LabFrame frame;
    QWidget* form = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == screen)
            form = widget;
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), caption);
    QVERIFY(!form->isVisible());
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    if (fixed) {
        QCOMPARE(form->size(), clientSize);
        QCOMPARE(form->minimumSize(), clientSize);
        QCOMPARE(form->maximumSize(), clientSize);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    } else {
        QVERIFY(form->minimumSize() != form->maximumSize());
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowMaximizeButtonHint);
        QCOMPARE(form->pos(), QPoint(405, 327));
    }
}

void TestFrame::onlyTheTitleIsVisibleAfterStart() {
    LabFrame frame;
    QVERIFY(VisibleScreens().isEmpty());
    frame.start();
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form1});
    // All nine exist, created once, the title screen first.
    for (QWidget* form :
         QList<QWidget*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9})
        QVERIFY(form);
}

void TestFrame::forwardLinksVisitEveryScreenAlone() {
    LabFrame frame;
    frame.start();

    auto follow = [](QWidget* screen, const char* link, QWidget* expected) {
        auto* label = Control<TLinkLabel>(screen, link);
        label->setVisible(true); // a link that its screen shows only later
        QTest::mouseClick(label, Qt::LeftButton);
        return VisibleScreens() == QList<QWidget*>{expected};
    };

    QVERIFY(follow(Form1, "RzURLLabel1", Form7));
    auto* name = Control<QLineEdit>(Form7, "Edit1");
    TypeText(name, QStringLiteral("Иванов"));
    QTest::mouseClick(Control<QPushButton>(Form7, "Button1"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form2});
    QVERIFY(follow(Form2, "RzURLLabel1", Form3));
    QVERIFY(follow(Form3, "RzURLLabel1", Form4));
    QVERIFY(follow(Form4, "RzURLLabel3", Form5));
    QVERIFY(follow(Form5, "RzURLLabel1", Form9));
    QTest::keyClicks(Control<QLineEdit>(Form9, "Edit1"), QStringLiteral("-37"));
    QVERIFY(follow(Form9, "RzURLLabel3", Form6));
    QVERIFY(follow(Form6, "RzURLLabel2", Form9));
    QVERIFY(follow(Form9, "RzURLLabel3", Form6));
    QVERIFY(follow(Form6, "RzURLLabel1", Form8));
    QCOMPARE(errors->count(), 0);
}

void TestFrame::closingAnyScreenEndsTheProgram_data() {
    QTest::addColumn<int>("screen");
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("Form%d", n) << n;
}

void TestFrame::closingAnyScreenEndsTheProgram() {
    QFETCH(int, screen);
    LabFrame frame;
    frame.start();
    QWidget* forms[] = {Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9};
    QWidget* target = forms[screen - 1];
    if (target != Form1) {
        Form1->hide();
        target->show();
    }
    QTimer::singleShot(0, target, [target] { target->close(); });
    // A watchdog ends a loop that the close failed to end, with a code the test rejects.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!Form1->isVisible());
    QVERIFY(VisibleScreens().isEmpty() || VisibleScreens() == QList<QWidget*>{target});
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
