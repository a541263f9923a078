#include "LabTestSupport.h"
#include "PracticeDriver.h"

#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestUnit9 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init();
    void cleanup();

    void refusedTextsKeepTheScreen_data();
    void refusedTextsKeepTheScreen();
    void wholeNumbersOpenThePractice_data();
    void wholeNumbersOpenThePractice();
    void zeroIsCodedWithNegativePolarity_data();
    void zeroIsCodedWithNegativePolarity();
    void repeatKeepsTheTextForANewRun();

private:
    QLineEdit* field() const { return Control<QLineEdit>(Form9, "Edit1"); }

    std::unique_ptr<LabFrame> frame;
    std::unique_ptr<ErrorCapture> errors;
};

void TestUnit9::init() {
    errors = std::make_unique<ErrorCapture>();
    frame = std::make_unique<LabFrame>();
    // Opened the way the students reach it: from the demonstration's link.
    Form5->showScreen();
    QTest::mouseClick(Control<TLinkLabel>(Form5, "RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
}

void TestUnit9::cleanup() {
    frame.reset();
    errors.reset();
}

void TestUnit9::refusedTextsKeepTheScreen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString empty = QStringLiteral("Не введено значение Uаим");
    const QString zero = QStringLiteral("Uаим не должен равняться 0");
    const QString number = QStringLiteral("Значение Uаим должно быть числом");
    QTest::newRow("empty") << "" << empty;
    QTest::newRow("zero") << "0" << zero;
    QTest::newRow("digits and a letter") << "12a" << number;
    QTest::newRow("letters") << "abc" << number;
    QTest::newRow("hexadecimal") << "0x10" << number;
    QTest::newRow("decimal comma") << "1,5" << number;
    QTest::newRow("decimal point") << "1.5" << number;
    QTest::newRow("trailing blank") << "5 " << number;
    QTest::newRow("leading blank") << " 5" << number;
    QTest::newRow("blank alone") << " " << number;
    QTest::newRow("sign alone") << "-" << number;
    QTest::newRow("two signs") << "--5" << number;
    QTest::newRow("cyrillic word") << "пять" << number;
    QTest::newRow("too many digits") << "99999999999" << number;
    QTest::newRow("just above the range") << "2147483648" << number;
    QTest::newRow("just below the range") << "-2147483649" << number;
    QTest::newRow("other digits") << "٣٧" << number;
}

void TestUnit9::refusedTextsKeepTheScreen() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    TypeText(field(), text);
    ClickPracticeInputLink();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().caption, QStringLiteral("Ощибка ввода"));
    QCOMPARE(errors->last().text, message);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(field()->text(), text);
}

void TestUnit9::wholeNumbersOpenThePractice_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::newRow("worked example") << "-37"
                                    << "-37";
    QTest::newRow("positive") << "1000"
                              << "1000";
    QTest::newRow("plus sign") << "+12"
                               << "12";
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("double zero") << "00"
                                 << "0";
    QTest::newRow("negative zero") << "-0"
                                   << "0";
    QTest::newRow("largest") << "2147483647"
                             << "2147483647";
    QTest::newRow("smallest") << "-2147483648"
                              << "-2147483648";
}

void TestUnit9::wholeNumbersOpenThePractice() {
    QFETCH(QString, text);
    QFETCH(QString, value);
    TypeText(field(), text);
    ClickPracticeInputLink();
    QCOMPARE(errors->count(), 0);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form6});
    QCOMPARE(Control<QLabel>(Form6, "Label2")->text(), value);
    QCOMPARE(Control<QLabel>(Form6, "Label1")->text(),
             "Значение Uаим для кодирования = " + value +
                 ". Начало 1-го такта. Определение знака входного сигнала");
    QCOMPARE(field()->text(), text);
}

void TestUnit9::zeroIsCodedWithNegativePolarity_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("00") << "00";
    QTest::newRow("-0") << "-0";
}

void TestUnit9::zeroIsCodedWithNegativePolarity() {
    QFETCH(QString, text);
    OpenPractice(text);
    // A positive sign would need the Comparator at "0".
    Enter(Form6, ParseEntries("Edit14=1 Edit22=0"));
    PressNext();
    QCOMPARE(errors->count(), 1);
    Enter(Form6, ParseEntries("Edit22=1"));
    PressNext();
    QCOMPARE(errors->count(), 1);
    QVERIFY(Control<QWidget>(Form6, "Edit3")->isVisible());
    QVERIFY(!Control<QWidget>(Form6, "Edit23")->isVisible());
    QVERIFY(Control<QWidget>(Form6, "Image3")->isVisible());
    // The whole run is the one of zero: every comparison fails, U эт negative.
    PassSteps(BuildCodingTrace(0), 2, 16);
    QCOMPARE(errors->count(), 1);
    QCOMPARE(Control<QLabel>(Form6, "Label3")->text(), QStringLiteral("Количество ошибок: 1"));
}

void TestUnit9::repeatKeepsTheTextForANewRun() {
    OpenPractice("-37");
    PassSteps(BuildCodingTrace(-37), 1, 16);
    QTest::mouseClick(Control<TLinkLabel>(Form6, "RzURLLabel2"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(field()->text(), QStringLiteral("-37"));

    ClickPracticeInputLink();
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form6});
    QCOMPARE(Control<QLabel>(Form6, "Label2")->text(), QStringLiteral("-37"));
    PassSteps(BuildCodingTrace(-37), 1, 16);
    QCOMPARE(errors->count(), 0);
    QCOMPARE(Control<QLabel>(Form6, "Label3")->text(), QStringLiteral("Количество ошибок: 0"));
}

QTEST_MAIN(TestUnit9)
#include "tst_unit9.moc"
