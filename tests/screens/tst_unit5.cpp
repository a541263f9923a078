#include "LabTestSupport.h"

#include "coder/CoderModel.h"
#include "screens/Unit5.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QString kSign = QStringLiteral("Определение знака входного сигнала");
const QString kSegment = QStringLiteral("Определение номера сегмента амплитудной характеристики");
const QString kStep = QStringLiteral("Определение шага внутри сегмента");

// The status line at the counts where the tact, its half or its purpose changes.
const QHash<int, QString> kStatusAt{
    {1, "Начало 1-го такта. " + kSign},
    {2, "Конец 1-го такта. " + kSign},
    {3, "Начало 2-го такта. " + kSegment},
    {8, "Конец 4-го такта. " + kSegment},
    {9, "Начало 5-го такта. " + kStep},
    {15, "Начало 8-го такта. " + kStep},
    {16, "Конец 8-го такта. Кодирование завершено."},
};

} // namespace

class TestDemonstration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init();
    void cleanup();

    void showDrawsAValueAndRedrawsZeroOnce_data();
    void showDrawsAValueAndRedrawsZeroOnce();
    void cellsFollowTheTraceAtEveryCount_data();
    void cellsFollowTheTraceAtEveryCount();
    void restartClearsTheSchematicForTheNextValue();
    void linkLeavesAtAnyCountKeepingTheCounter();

private:
    // Opens the screen with the given values drawn (each a value of -2000 ... 2000).
    void open(std::initializer_list<int> values);
    void press(int times);
    // Presses through a whole cycle, checking the schematic against the trace each time.
    void followTrace(const TCodingTrace& trace);
    QString text(const char* name) { return Control<QLabel>(Form5, name)->text(); }
    bool shown(const char* name) { return Control<QWidget>(Form5, name)->isVisible(); }
    QString cell(int n) { return text(qPrintable(QStringLiteral("Label%1").arg(n))); }
    bool cellShown(int n) { return shown(qPrintable(QStringLiteral("Label%1").arg(n))); }
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
        bits += cell(n);
    return bits;
}

void TestDemonstration::followTrace(const TCodingTrace& trace) {
    const int own = trace.positive ? 23 : 3;
    const int other = trace.positive ? 3 : 23;
    for (int count = 1; count <= 16; ++count) {
        press(1);
        const TTactRecord& record = trace.tacts[std::size_t((count - 1) / 2)];
        const bool start = count % 2 == 1;
        if (kStatusAt.contains(count))
            QCOMPARE(text("Label1"), kStatusAt[count]);
        const TReferenceSet& set = start ? record.referencesDuring : record.referencesAfter;
        for (int i = 0; i < 11; ++i) {
            const QString expected = set.on[std::size_t(i)] ? "1" : "0";
            QCOMPARE(cell(own + i), expected);
            QCOMPARE(cell(43 + i), expected);
            QVERIFY(cellShown(own + i) && cellShown(43 + i) && !cellShown(other + i));
        }
        QCOMPARE(cell(13 + record.tact), start || record.bit == 1 ? "1" : "0");
        QCOMPARE(shown("Label22"), start);
        if (start)
            QCOMPARE(text("Label22"), QString(QChar::fromLatin1(record.comparatorOutput)));
        // U эт stays "0" through tact 1; the levels of a negative value carry a minus.
        const double level = record.tact == 1 ? 0 : start ? record.uetDuring : record.uetAfter;
        QCOMPARE(text("Label2"), level == 0 ? QStringLiteral("0")
                                            : (trace.positive ? "" : "-") + QString::number(level));
        // The polarity's switch is closed, the other one stays open.
        QVERIFY(shown(trace.positive ? "Image5" : "Image3"));
        QVERIFY(shown(trace.positive ? "Image2" : "Image4"));
        QVERIFY(!shown(trace.positive ? "Image4" : "Image2"));
        QVERIFY(!shown(trace.positive ? "Image3" : "Image5"));
    }
    QCOMPARE(registerBits(), QString::number(trace.codeWord, 2).rightJustified(8, '0'));
}

void TestDemonstration::showDrawsAValueAndRedrawsZeroOnce_data() {
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<int>("value");
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

void TestDemonstration::cellsFollowTheTraceAtEveryCount_data() {
    QTest::addColumn<int>("value");
    for (const int value : {1000, -37, -5, 0, 2000})
        QTest::addRow("%d", value) << value;
}

void TestDemonstration::cellsFollowTheTraceAtEveryCount() {
    QFETCH(int, value);
    open({value, value});
    followTrace(BuildCodingTrace(value));
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
    for (int n = 3; n <= 53; ++n) {
        if (n == 22 || (n > 33 && n < 43))
            continue;
        QCOMPARE(cell(n), QStringLiteral("0"));
        QVERIFY(cellShown(n));
    }
    QVERIFY(shown("Image2") && shown("Image4"));
    QVERIFY(!shown("Image3") && !shown("Image5"));
    QVERIFY(!shown("Label22"));
    // The second cycle is -37's alone: nothing of 1000's comes back.
    followTrace(BuildCodingTrace(-37));
}

void TestDemonstration::linkLeavesAtAnyCountKeepingTheCounter() {
    open({700});
    press(5);
    QTest::mouseClick(Control<LinkLabel>(Form5, "RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(Form5->stepCount(), 5);
    QCOMPARE(draws->remaining(), 0);
}

QTEST_MAIN(TestDemonstration)
#include "tst_unit5.moc"
