#include "LabTestSupport.h"

#include "logic/IntegerText.h"

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
    const auto row = [](const char* name, const QByteArray& text, bool valid, qint64 value = 0) {
        QTest::newRow(name) << text << valid << value;
    };
    row("negative", "-37", true, -37);
    row("plus sign", "+5", true, 5);
    row("leading zeros", "007", true, 7);
    row("minus zero", "-0", true, 0);
    row("largest", "2147483647", true, INT_MAX);
    row("smallest", "-2147483648", true, INT_MIN);
    row("one past largest", "2147483648", false);
    row("one past smallest", "-2147483649", false);
    row("many digits", "99999999999999999999999", false);
    row("empty", "", false);
    row("sign alone", "-", false);
    row("two signs", "--5", false);
    row("decimal comma", "1,5", false);
    row("trailing blank", "5 ", false);
    row("leading blank", " 5", false);
    row("hex", "0x10", false);
    row("arabic-indic digit", "\u0663", false);
    row("embedded nul", QByteArray("1\0002", 3), false);
}

void TestInputRules::wholeNumbers() {
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const auto parsed = parseInt32(std::string_view(text.constData(), size_t(text.size())));
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
    QCOMPARE(drawAvoiding(draw, {0, 1, 2}, maxDraws), expected);
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
