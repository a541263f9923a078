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

#include <QTest>
#include <QTimer>

namespace {

QWidget* Screen(int number) {
    QWidget* screens[] = {Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9};
    return screens[number - 1];
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void eachScreen_data();
    void eachScreen();
};

void TestFrame::eachScreen_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize"); // empty: resizable
    const QString topic =
        QStringLiteral("Лабораторно-практическое занятие \"Изучение работы нелинейного кодера\"");
    const QString practice = QStringLiteral("Практика кодирования");
    QTest::newRow("title") << 1 << topic << QSize(412, 207);
    QTest::newRow("procedure") << 2 << QStringLiteral("Порядок выполнения работы:")
                               << QSize(344, 223);
    QTest::newRow("theory") << 3 << QStringLiteral("Просмотр теории") << QSize(590, 441);
    QTest::newRow("intro test") << 4 << QStringLiteral("Вводный тест") << QSize(578, 358);
    QTest::newRow("demonstration")
        << 5 << QStringLiteral("Демонстрация работы нелинейного кодера") << QSize(604, 523);
    QTest::newRow("practice") << 6 << practice << QSize(604, 524);
    QTest::newRow("registration") << 7 << QStringLiteral("Регистрация") << QSize(414, 170);
    QTest::newRow("final test") << 8 << QStringLiteral("Итоговый тест") << QSize(578, 359);
    QTest::newRow("practice input") << 9 << practice << QSize();
}

void TestFrame::eachScreen() {
    QFETCH(int, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);

    LabFrame frame;
    QWidget* form = Screen(screen);
    QCOMPARE(form->windowTitle(), caption);
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    const bool fixed = clientSize.isValid();
    QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), !fixed);
    QCOMPARE(bool(flags & Qt::WindowMaximizeButtonHint), !fixed);
    if (fixed) {
        QCOMPARE(form->size(), clientSize);
        QCOMPARE(form->minimumSize(), clientSize);
        QCOMPARE(form->maximumSize(), clientSize);
    } else {
        QVERIFY(form->minimumSize() != form->maximumSize());
        QCOMPARE(form->pos(), QPoint(405, 327));
    }

    // At the start the title screen alone shows. Closing any screen, wherever the lab
    // stands, ends the program with exit code 0.
    QVERIFY(VisibleScreens().isEmpty());
    frame.start();
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form1});
    if (form != Form1) {
        Form1->hide();
        form->show();
    }
    QTimer::singleShot(0, form, [form] { form->close(); });
    // A watchdog ends a loop that the close failed to end, with a code the test rejects.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!Form1->isVisible());
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
