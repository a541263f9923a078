#include "LabTestSupport.h"

#include "app/IntegerText.h"

#include <QTest>
#include <climits>

class TestInputRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeNumbers_data();
    void wholeNumbers();
    void drawAvoidingKeepsTheLastValueWhenDrawsRunOut_data();
    void drawAvoidingKeepsTheLastValueWhenDrawsRunOut();
    void defaultDrawCoversItsRange();
};

void TestInputRules::wholeNumbers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << QByteArray("1000") << true << qint64(1000);
    QTest::newRow("negative") << QByteArray("-37") << true << qint64(-37);
    QTest::newRow("plus sign") << QByteArray("+5") << true << qint64(5);
    QTest::newRow("leading zeros") << QByteArray("007") << true << qint64(7);
    QTest::newRow("double zero") << QByteArray("00") << true << qint64(0);
    QTest::newRow("minus zero") << QByteArray("-0") << true << qint64(0);
    QTest::newRow("largest") << QByteArray("2147483647") << true << qint64(INT_MAX);
    QTest::newRow("smallest") << QByteArray("-2147483648") << true << qint64(INT_MIN);
    QTest::newRow("one past largest") << QByteArray("2147483648") << false << qint64(0);
    QTest::newRow("one past smallest") << QByteArray("-2147483649") << false << qint64(0);
    QTest::newRow("many digits") << QByteArray("99999999999999999999999") << false << qint64(0);
    QTest::newRow("empty") << QByteArray("") << false << qint64(0);
    QTest::newRow("sign alone") << QByteArray("-") << false << qint64(0);
    QTest::newRow("two signs") << QByteArray("--5") << false << qint64(0);
    QTest::newRow("decimal comma") << QByteArray("1,5") << false << qint64(0);
    QTest::newRow("decimal point") << QByteArray("1.5") << false << qint64(0);
    QTest::newRow("trailing blank") << QByteArray("5 ") << false << qint64(0);
    QTest::newRow("leading blank") << QByteArray(" 5") << false << qint64(0);
    QTest::newRow("hex") << QByteArray("0x10") << false << qint64(0);
    QTest::newRow("cyrillic") << QString::fromUtf8("пять").toUtf8() << false << qint64(0);
    QTest::newRow("arabic-indic digit")
        << QString::fromUtf8("\u0663").toUtf8() << false << qint64(0);
    QTest::newRow("embedded nul") << QByteArray("1\0"
                                                "2",
                                                3)
                                  << false << qint64(0);
}

void TestInputRules::wholeNumbers() {
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const auto parsed = ParseInt32(std::string_view(text.constData(), size_t(text.size())));
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(qint64(*parsed), value);
}

void TestInputRules::drawAvoidingKeepsTheLastValueWhenDrawsRunOut_data() {
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("maxDraws");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("drawsUsed");
    QTest::newRow("differs at once") << QList<int>{3} << 101 << 3 << 1;
    QTest::newRow("second differs") << QList<int>{1, 1, 4} << 101 << 4 << 3;
    QTest::newRow("runs out") << QList<int>{1, 2, 1, 2, 1} << 3 << 1 << 3;
    QTest::newRow("zero redrawn once") << QList<int>{0, 0} << 2 << 0 << 2;
}

void TestInputRules::drawAvoidingKeepsTheLastValueWhenDrawsRunOut() {
    QFETCH(QList<int>, script);
    QFETCH(int, maxDraws);
    QFETCH(int, expected);
    QFETCH(int, drawsUsed);
    int next = 0;
    auto draw = [&] { return next < script.size() ? script[next++] : -1; };
    QCOMPARE(DrawAvoiding(draw, {0, 1, 2}, maxDraws), expected);
    QCOMPARE(next, drawsUsed);
}

void TestInputRules::defaultDrawCoversItsRange() {
    // Clock-seeded: every value of a small range turns up and none falls outside it.
    QList<int> seen(7, 0);
    for (int i = 0; i < 5000; ++i) {
        const int value = DrawRandom(7);
        QVERIFY(value >= 0 && value < 7);
        ++seen[value];
    }
    QVERIFY(!seen.contains(0));
    QCOMPARE(DrawRandom(1), 0);
}

QTEST_APPLESS_MAIN(TestInputRules)
#include "tst_inputrules.moc"
