#include "LabTestSupport.h"

#include "coder/CoderModel.h"
#include "screens/Unit5.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestDemonstration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init();
    void cleanup();

    void showDrawsAValueAndRedrawsZeroOnce_data();
    void showDrawsAValueAndRedrawsZeroOnce();
    void statusLineNamesEveryHalfTact_data();
    void statusLineNamesEveryHalfTact();
    void firstTactClosesThePolaritySwitch_data();
    void firstTactClosesThePolaritySwitch();
    void uetFollowsTheCoderFor1000();
    void failedTrialsBringBackTheKeptReference();
    void segmentZeroKeepsNoBaseReference();
    void cellsAgreeWithTheTraceAtEveryCount_data();
    void cellsAgreeWithTheTraceAtEveryCount();
    void restartClearsTheSchematicForTheNextValue();
    void linkLeavesAtAnyCountKeepingTheCounter();

private:
    void open(std::initializer_list<int> values);
    void press(int times = 1);
    QString text(const char* name) { return Control<QLabel>(Form5, name)->text(); }
    bool shown(const char* name) { return Control<QWidget>(Form5, name)->isVisible(); }
    QString registerBits();

    std::unique_ptr<LabFrame> frame;
    std::unique_ptr<ScriptedDraws> draws;
};

void TestDemonstration::init() {
    draws = std::make_unique<ScriptedDraws>();
    frame = std::make_unique<LabFrame>();
}

void TestDemonstration::cleanup() {
    frame.reset();
    draws.reset();
}

// Opens the screen with the given values drawn (each a value of -2000 ... 2000).
void TestDemonstration::open(std::initializer_list<int> values) {
    for (const int value : values)
        draws->push(value + 2000);
    Form5->showScreen();
}

void TestDemonstration::press(int times) {
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(Control<QPushButton>(Form5, "LMDButton2"), Qt::LeftButton);
}

QString TestDemonstration::registerBits() {
    QString bits;
    for (int n = 14; n <= 21; ++n)
        bits += text(QStringLiteral("Label%1").arg(n).toLatin1().constData());
    return bits;
}

void TestDemonstration::showDrawsAValueAndRedrawsZeroOnce_data() {
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<int>("value");
    QTest::newRow("positive") << QList<int>{1000} << 1000;
    QTest::newRow("negative") << QList<int>{-37} << -37;
    QTest::newRow("zero redrawn") << QList<int>{0, 1500} << 1500;
    QTest::newRow("zero twice stands") << QList<int>{0, 0} << 0;
    QTest::newRow("lowest") << QList<int>{-2000} << -2000;
}

void TestDemonstration::showDrawsAValueAndRedrawsZeroOnce() {
    QFETCH(QList<int>, drawn);
    QFETCH(int, value);
    for (const int v : drawn)
        draws->push(v + 2000);
    Form5->showScreen();
    QCOMPARE(draws->remaining(), 0);
    QCOMPARE(draws->ranges(), QList<int>(drawn.size(), 4001));
    QCOMPARE(text("Label1"), QStringLiteral("Значение Uаим для кодирования = %1.").arg(value));
    QCOMPARE(text("Label34"), QString::number(value));
    QCOMPARE(Form5->stepCount(), 0);
    QCOMPARE(text("Label2"), QStringLiteral("0"));
}

void TestDemonstration::statusLineNamesEveryHalfTact_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("status");
    const QString sign = QStringLiteral("Определение знака входного сигнала");
    const QString segment =
        QStringLiteral("Определение номера сегмента амплитудной характеристики");
    const QString step = QStringLiteral("Определение шага внутри сегмента");
    QTest::newRow("1") << 1 << "Начало 1-го такта. " + sign;
    QTest::newRow("2") << 2 << "Конец 1-го такта. " + sign;
    QTest::newRow("3") << 3 << "Начало 2-го такта. " + segment;
    QTest::newRow("6") << 6 << "Конец 3-го такта. " + segment;
    QTest::newRow("7") << 7 << "Начало 4-го такта. " + segment;
    QTest::newRow("8") << 8 << "Конец 4-го такта. " + segment;
    QTest::newRow("9") << 9 << "Начало 5-го такта. " + step;
    QTest::newRow("14") << 14 << "Конец 7-го такта. " + step;
    QTest::newRow("15") << 15 << "Начало 8-го такта. " + step;
    QTest::newRow("16") << 16 << "Конец 8-го такта. Кодирование завершено.";
    QTest::newRow("17") << 17 << "Значение Uаим для кодирования = -5.";
}

void TestDemonstration::statusLineNamesEveryHalfTact() {
    QFETCH(int, count);
    QFETCH(QString, status);
    open({300});
    draws->push(-5 + 2000);
    press(count);
    QCOMPARE(text("Label1"), status);
}

void TestDemonstration::firstTactClosesThePolaritySwitch_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("positive") << 1000;
    QTest::newRow("negative") << -37;
    QTest::newRow("zero") << 0;
}

void TestDemonstration::firstTactClosesThePolaritySwitch() {
    QFETCH(int, value);
    open({value, value});
    const bool positive = value > 0;
    press(1);
    QCOMPARE(shown("Image5"), positive);
    QCOMPARE(shown("Image4"), !positive);
    QCOMPARE(shown("Image3"), !positive);
    QCOMPARE(shown("Image2"), positive);
    for (int n = 3; n <= 13; ++n) {
        QCOMPARE(shown(QStringLiteral("Label%1").arg(n).toLatin1().constData()), !positive);
        QCOMPARE(shown(QStringLiteral("Label%1").arg(n + 20).toLatin1().constData()), positive);
        QVERIFY(shown(QStringLiteral("Label%1").arg(n + 40).toLatin1().constData()));
    }
    QCOMPARE(text("Label14"), QStringLiteral("1"));
    QCOMPARE(text("Label22"), positive ? QStringLiteral("0") : QStringLiteral("1"));
    QVERIFY(shown("Label22"));
    QCOMPARE(text("Label2"), QStringLiteral("0"));
    press(1);
    QCOMPARE(text("Label14"), positive ? QStringLiteral("1") : QStringLiteral("0"));
    QVERIFY(!shown("Label22"));
    // Every level of a negative value carries its minus sign, but for "0".
    for (int count = 3; count <= 16; ++count) {
        press(1);
        const QString uet = text("Label2");
        if (uet != QLatin1String("0"))
            QCOMPARE(uet.startsWith(QLatin1Char('-')), !positive);
    }
}

void TestDemonstration::uetFollowsTheCoderFor1000() {
    open({1000});
    press(2);
    const QStringList expected{"128", "128", "512", "512", "1024", "512", "768",
                               "768", "896", "896", "960", "960",  "992", "992"};
    for (int count = 3; count <= 16; ++count) {
        press(1);
        QCOMPARE(text("Label2"), expected[count - 3]);
        if (count == 8) {
            QCOMPARE(text("Label23"), QStringLiteral("0"));
            QCOMPARE(text("Label43"), QStringLiteral("0"));
            QCOMPARE(text("Label24"), QStringLiteral("1"));
            QCOMPARE(text("Label44"), QStringLiteral("1"));
        }
    }
    QCOMPARE(registerBits(), QStringLiteral("11101111"));
}

void TestDemonstration::failedTrialsBringBackTheKeptReference() {
    open({-37});
    press(6);
    QCOMPARE(text("Label8"), QStringLiteral("1"));
    QCOMPARE(text("Label48"), QStringLiteral("1"));
    QCOMPARE(text("Label2"), QStringLiteral("-32"));
    press(1);
    QCOMPARE(text("Label8"), QStringLiteral("0"));
    QCOMPARE(text("Label48"), QStringLiteral("0"));
    QCOMPARE(text("Label7"), QStringLiteral("1"));
    QCOMPARE(text("Label47"), QStringLiteral("1"));
    press(1);
    QCOMPARE(text("Label7"), QStringLiteral("0"));
    QCOMPARE(text("Label47"), QStringLiteral("0"));
    QCOMPARE(text("Label8"), QStringLiteral("1"));
    QCOMPARE(text("Label48"), QStringLiteral("1"));
    press(8);
    QCOMPARE(registerBits(), QStringLiteral("00100010"));
    QCOMPARE(text("Label2"), QStringLiteral("-36"));
}

void TestDemonstration::segmentZeroKeepsNoBaseReference() {
    open({-5});
    press(8);
    for (int n : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53})
        QCOMPARE(text(QStringLiteral("Label%1").arg(n).toLatin1().constData()),
                 QStringLiteral("0"));
    QCOMPARE(text("Label2"), QStringLiteral("0"));
    press(1);
    QCOMPARE(text("Label10"), QStringLiteral("1"));
    QCOMPARE(text("Label50"), QStringLiteral("1"));
    QCOMPARE(text("Label2"), QStringLiteral("-8"));
}

void TestDemonstration::cellsAgreeWithTheTraceAtEveryCount_data() {
    QTest::addColumn<int>("value");
    for (const int value : {1000, -37, 16, -5, 0, 2000, -1983, 127, -128, 1})
        QTest::addRow("%d", value) << value;
}

void TestDemonstration::cellsAgreeWithTheTraceAtEveryCount() {
    QFETCH(int, value);
    open({value, value});
    const TCodingTrace trace = BuildCodingTrace(value);
    const int ownRow = trace.positive ? 23 : 3;
    for (int count = 1; count <= 16; ++count) {
        press(1);
        const TTactRecord& record = trace.tacts[std::size_t((count - 1) / 2)];
        const bool start = count % 2 == 1;
        const TReferenceSet& set = start ? record.referencesDuring : record.referencesAfter;
        for (int i = 0; i < 11; ++i) {
            const QString expected = set.on[std::size_t(i)] ? "1" : "0";
            QCOMPARE(text(QStringLiteral("Label%1").arg(ownRow + i).toLatin1().constData()),
                     expected);
            QCOMPARE(text(QStringLiteral("Label%1").arg(43 + i).toLatin1().constData()), expected);
        }
        QCOMPARE(shown("Label22"), start);
        if (start)
            QCOMPARE(text("Label22"), QString(QChar::fromLatin1(record.comparatorOutput)));
    }
    QCOMPARE(registerBits(), QString::number(trace.codeWord, 2).rightJustified(8, '0'));
}

void TestDemonstration::restartClearsTheSchematicForTheNextValue() {
    open({1000});
    press(16);
    draws->push(-37 + 2000);
    press(1);
    QCOMPARE(Form5->stepCount(), 0);
    QCOMPARE(text("Label1"), QStringLiteral("Значение Uаим для кодирования = -37."));
    QCOMPARE(text("Label34"), QStringLiteral("-37"));
    QCOMPARE(text("Label2"), QStringLiteral("0"));
    QCOMPARE(registerBits(), QStringLiteral("00000000"));
    for (int n = 3; n <= 53; ++n) {
        if (n == 22 || n == 34 || (n > 33 && n < 43))
            continue;
        const QByteArray name = QStringLiteral("Label%1").arg(n).toLatin1();
        QCOMPARE(text(name.constData()), QStringLiteral("0"));
        QVERIFY(shown(name.constData()));
    }
    QVERIFY(shown("Image2") && shown("Image4"));
    QVERIFY(!shown("Image3") && !shown("Image5"));
    QVERIFY(!shown("Label22"));

    // The second cycle is -37's alone: nothing of 1000's segment 6 comes back.
    press(8);
    QCOMPARE(text("Label8"), QStringLiteral("1"));
    QCOMPARE(text("Label44"), QStringLiteral("0"));
    QCOMPARE(text("Label24"), QStringLiteral("0"));
    QCOMPARE(text("Label2"), QStringLiteral("-32"));
    QVERIFY(shown("Label8") && !shown("Label28"));
}

void TestDemonstration::linkLeavesAtAnyCountKeepingTheCounter() {
    open({700});
    press(5);
    QTest::mouseClick(Control<TLinkLabel>(Form5, "RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(Form5->stepCount(), 5);
    QCOMPARE(draws->remaining(), 0);
}

QTEST_MAIN(TestDemonstration)
#include "tst_unit5.moc"
