#include "coder/CoderModel.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

// "1 110 1111" -> 0b11101111
std::uint8_t ParseCodeWord(const QString& text) {
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    bool ok = false;
    const uint value = digits.toUInt(&ok, 2);
    Q_ASSERT(ok && digits.size() == 8);
    return static_cast<std::uint8_t>(value);
}

QString DescribeReferences(const TReferenceSet& set) {
    QStringList weights;
    for (const int weight : kReferenceWeights) {
        if (set.contains(weight)) {
            weights << QString::number(weight);
        }
    }
    return weights.join(QLatin1Char(' '));
}

std::uint8_t HighBits(int count) {
    return static_cast<std::uint8_t>(0xFF00u >> count);
}

// Every property of a trace that must hold whatever the value; returns the first one violated.
QString CheckInvariants(std::int32_t uaim) {
    const TCodingTrace trace = BuildCodingTrace(uaim);
    const std::int64_t m = uaim < 0 ? -std::int64_t{uaim} : std::int64_t{uaim};
    const auto fail = [uaim](const QString& what, int tact = 0) {
        return QStringLiteral("Uaim %1%2: %3")
            .arg(uaim)
            .arg(tact ? QStringLiteral(", tact %1").arg(tact) : QString())
            .arg(what);
    };

    if (trace.uaim != uaim || trace.positive != (uaim > 0)) {
        return fail(QStringLiteral("value or polarity"));
    }
    if (RegisterBit(trace.codeWord, 1) != (uaim > 0 ? 1 : 0)) {
        return fail(QStringLiteral("P"));
    }
    const int segment = (trace.codeWord >> 4) & 7;
    const int base = segment == 0 ? 0 : 8 << segment;
    const int step = segment <= 1 ? 1 : 1 << (segment - 1);
    if (trace.segment != segment || trace.baseReference != base || trace.step != step) {
        return fail(QStringLiteral("segment, base or step"));
    }
    if (trace.finalLevel != base + (trace.codeWord & 0x0F) * step ||
        trace.finalLevel != trace.tacts[7].uetAfter) {
        return fail(QStringLiteral("final level %1").arg(trace.finalLevel));
    }
    if (m < 2048 ? !(trace.finalLevel <= m && m < trace.finalLevel + step)
                 : trace.finalLevel != 1984) {
        return fail(QStringLiteral("final level %1 does not bracket M").arg(trace.finalLevel));
    }
    if (trace.tacts[3].uetAfter != base) {
        return fail(QStringLiteral("kept level after tact 4 is not the base"), 4);
    }

    for (int k = 1; k <= 8; ++k) {
        const TTactRecord& r = trace.tacts[k - 1];
        const TTactRecord* previous = k > 1 ? &trace.tacts[k - 2] : nullptr;
        if (r.tact != k || r.bitName != "PXYZABCD"[k - 1]) {
            return fail(QStringLiteral("tact number or bit name"), k);
        }
        if (r.uetDuring != r.referencesDuring.sum() || r.uetAfter != r.referencesAfter.sum() ||
            r.uetDuring < 0) {
            return fail(QStringLiteral("U et differs from its references"), k);
        }
        if (r.bit != RegisterBit(trace.codeWord, k) || r.comparatorOutput != (r.bit ? '0' : '1')) {
            return fail(QStringLiteral("bit or comparator output"), k);
        }
        const int decided = trace.codeWord & HighBits(k - 1);
        if (r.registerDuring != (decided | (0x80 >> (k - 1))) ||
            r.registerAfter != (trace.codeWord & HighBits(k))) {
            return fail(QStringLiteral("register"), k);
        }
        if (!previous) {
            if (r.trialWeight != 0 || r.uetDuring != 0 || r.referencesAfter != TReferenceSet{}) {
                return fail(QStringLiteral("tact 1 switches a reference on"), k);
            }
            continue;
        }
        if (WeightIndex(r.trialWeight) < 0) {
            return fail(QStringLiteral("trial weight %1").arg(r.trialWeight), k);
        }
        if (r.bit != (m >= r.uetDuring ? 1 : 0)) {
            return fail(QStringLiteral("comparison at %1").arg(r.uetDuring), k);
        }
        // Segment trials stand alone; step trials add to what is kept.
        TReferenceSet expected = k <= 4 ? TReferenceSet{} : previous->referencesAfter;
        if (expected.contains(r.trialWeight)) {
            return fail(QStringLiteral("trial weight already on"), k);
        }
        expected.set(r.trialWeight, true);
        if (r.referencesDuring != expected) {
            return fail(
                QStringLiteral("references during: %1").arg(DescribeReferences(r.referencesDuring)),
                k);
        }
        if (r.referencesAfter != (r.bit ? r.referencesDuring : previous->referencesAfter)) {
            return fail(
                QStringLiteral("references after: %1").arg(DescribeReferences(r.referencesAfter)),
                k);
        }
    }
    return {};
}

} // namespace

class TestCoderModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tactByTact_data();
    void tactByTact();
    void codeWords_data();
    void codeWords();
    void formatUet_data();
    void formatUet();
    void referenceSetAndRegisterHelpers();
    void segmentTableIsContiguous();
    void invariantsOverSweep();
    void invariantsAtExtremes();
    void polarityChangesOnlyTheSign();
    void codeGrowsWithMagnitude();
};

void TestCoderModel::tactByTact_data() {
    QTest::addColumn<int>("uaim");
    QTest::addColumn<QString>("codeWord");
    QTest::addColumn<int>("segment");
    QTest::addColumn<QString>("comparator"); // outputs of tacts 1..8
    QTest::addColumn<QStringList>("uetDuring");
    QTest::addColumn<QStringList>("uetAfter");
    QTest::addColumn<QStringList>("refsDuring");
    QTest::addColumn<QStringList>("refsAfter");

    QTest::newRow("1000") << 1000 << "1 110 1111" << 6 << "00010000"
                          << QStringList{"0", "128", "512", "1024", "768", "896", "960", "992"}
                          << QStringList{"0", "128", "512", "512", "768", "896", "960", "992"}
                          << QStringList{"",
                                         "128",
                                         "512",
                                         "1024",
                                         "512 256",
                                         "512 256 128",
                                         "512 256 128 64",
                                         "512 256 128 64 32"}
                          << QStringList{"",
                                         "128",
                                         "512",
                                         "512",
                                         "512 256",
                                         "512 256 128",
                                         "512 256 128 64",
                                         "512 256 128 64 32"};
    QTest::newRow("-37") << -37 << "0 010 0010" << 2 << "11011101"
                         << QStringList{"0", "-128", "-32", "-64", "-48", "-40", "-36", "-38"}
                         << QStringList{"0", "0", "-32", "-32", "-32", "-32", "-36", "-36"}
                         << QStringList{"", "128", "32", "64", "32 16", "32 8", "32 4", "32 4 2"}
                         << QStringList{"", "", "32", "32", "32", "32", "32 4", "32 4"};
    QTest::newRow("16") << 16 << "1 001 0000" << 1 << "01101111"
                        << QStringList{"0", "128", "32", "16", "24", "20", "18", "17"}
                        << QStringList{"0", "0", "0", "16", "16", "16", "16", "16"}
                        << QStringList{"", "128", "32", "16", "16 8", "16 4", "16 2", "16 1"}
                        << QStringList{"", "", "", "16", "16", "16", "16", "16"};
    QTest::newRow("-5") << -5 << "0 000 0101" << 0 << "11111010"
                        << QStringList{"0", "-128", "-32", "-16", "-8", "-4", "-6", "-5"}
                        << QStringList{"0", "0", "0", "0", "0", "-4", "-4", "-5"}
                        << QStringList{"", "128", "32", "16", "8", "4", "4 2", "4 1"}
                        << QStringList{"", "", "", "", "", "4", "4", "4 1"};
    // Zero is coded as negative, and a kept level of zero never shows "-0".
    QTest::newRow("0") << 0 << "0 000 0000" << 0 << "11111111"
                       << QStringList{"0", "-128", "-32", "-16", "-8", "-4", "-2", "-1"}
                       << QStringList{"0", "0", "0", "0", "0", "0", "0", "0"}
                       << QStringList{"", "128", "32", "16", "8", "4", "2", "1"}
                       << QStringList{"", "", "", "", "", "", "", ""};
    const QStringList fullScale{"",
                                "128",
                                "512",
                                "1024",
                                "1024 512",
                                "1024 512 256",
                                "1024 512 256 128",
                                "1024 512 256 128 64"};
    QTest::newRow("INT32_MIN") << kMin32 << "0 111 1111" << 7 << "10000000"
                               << QStringList{"0",     "-128",  "-512",  "-1024",
                                              "-1536", "-1792", "-1920", "-1984"}
                               << QStringList{"0",     "-128",  "-512",  "-1024",
                                              "-1536", "-1792", "-1920", "-1984"}
                               << fullScale << fullScale;
}

void TestCoderModel::tactByTact() {
    QFETCH(int, uaim);
    QFETCH(QString, codeWord);
    QFETCH(int, segment);
    QFETCH(QString, comparator);
    QFETCH(QStringList, uetDuring);
    QFETCH(QStringList, uetAfter);
    QFETCH(QStringList, refsDuring);
    QFETCH(QStringList, refsAfter);

    const TCodingTrace trace = BuildCodingTrace(uaim);
    const std::uint8_t code = ParseCodeWord(codeWord);
    QCOMPARE(trace.codeWord, code);
    QCOMPARE(trace.segment, segment);
    QCOMPARE(trace.positive, uaim > 0);
    for (int k = 1; k <= 8; ++k) {
        const TTactRecord& r = trace.tacts[k - 1];
        const int i = k - 1;
        QCOMPARE(r.tact, k);
        QCOMPARE(r.bitName, "PXYZABCD"[i]);
        QCOMPARE(r.bit, RegisterBit(code, k));
        QCOMPARE(r.comparatorOutput, comparator.at(i).toLatin1());
        QCOMPARE(QString::fromStdString(FormatUet(r.uetDuring, trace.positive)), uetDuring.at(i));
        QCOMPARE(QString::fromStdString(FormatUet(r.uetAfter, trace.positive)), uetAfter.at(i));
        QCOMPARE(DescribeReferences(r.referencesDuring), refsDuring.at(i));
        QCOMPARE(DescribeReferences(r.referencesAfter), refsAfter.at(i));
        QCOMPARE(r.registerDuring, std::uint8_t((code & HighBits(k - 1)) | (0x80 >> i)));
        QCOMPARE(r.registerAfter, std::uint8_t(code & HighBits(k)));
    }
    QCOMPARE(QString::fromStdString(FormatUet(trace.finalLevel, trace.positive)), uetAfter.at(7));
}

void TestCoderModel::codeWords_data() {
    QTest::addColumn<int>("uaim");
    QTest::addColumn<QString>("codeWord");
    QTest::addColumn<int>("finalLevel");

    QTest::newRow("0") << 0 << "0 000 0000" << 0;
    QTest::newRow("1") << 1 << "1 000 0001" << 1;
    QTest::newRow("-1") << -1 << "0 000 0001" << 1;
    QTest::newRow("15") << 15 << "1 000 1111" << 15;
    QTest::newRow("16") << 16 << "1 001 0000" << 16;
    QTest::newRow("-16") << -16 << "0 001 0000" << 16;
    QTest::newRow("31") << 31 << "1 001 1111" << 31;
    QTest::newRow("32") << 32 << "1 010 0000" << 32;
    QTest::newRow("63") << 63 << "1 010 1111" << 62;
    QTest::newRow("64") << 64 << "1 011 0000" << 64;
    QTest::newRow("127") << 127 << "1 011 1111" << 124;
    QTest::newRow("128") << 128 << "1 100 0000" << 128;
    QTest::newRow("-128") << -128 << "0 100 0000" << 128;
    QTest::newRow("255") << 255 << "1 100 1111" << 248;
    QTest::newRow("256") << 256 << "1 101 0000" << 256;
    QTest::newRow("511") << 511 << "1 101 1111" << 496;
    QTest::newRow("512") << 512 << "1 110 0000" << 512;
    QTest::newRow("1023") << 1023 << "1 110 1111" << 992;
    QTest::newRow("1024") << 1024 << "1 111 0000" << 1024;
    QTest::newRow("1983") << 1983 << "1 111 1110" << 1920;
    QTest::newRow("1984") << 1984 << "1 111 1111" << 1984;
    QTest::newRow("2000") << 2000 << "1 111 1111" << 1984;
    QTest::newRow("-2048") << -2048 << "0 111 1111" << 1984;
    QTest::newRow("INT32_MAX") << kMax32 << "1 111 1111" << 1984;
    QTest::newRow("INT32_MIN") << kMin32 << "0 111 1111" << 1984;
    QTest::newRow("INT32_MIN+1") << kMin32 + 1 << "0 111 1111" << 1984;
}

void TestCoderModel::codeWords() {
    QFETCH(int, uaim);
    QFETCH(QString, codeWord);
    QFETCH(int, finalLevel);

    const TCodingTrace trace = BuildCodingTrace(uaim);
    QCOMPARE(trace.uaim, uaim);
    QCOMPARE(trace.codeWord, ParseCodeWord(codeWord));
    QCOMPARE(trace.segment, (ParseCodeWord(codeWord) >> 4) & 7);
    QCOMPARE(trace.finalLevel, double(finalLevel));
}

void TestCoderModel::formatUet_data() {
    QTest::addColumn<double>("level");
    QTest::addColumn<bool>("positive");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero, positive") << 0.0 << true << "0";
    QTest::newRow("zero, negative") << 0.0 << false << "0";
    QTest::newRow("negative zero, negative") << -0.0 << false << "0";
    QTest::newRow("negative zero, positive") << -0.0 << true << "0";
    QTest::newRow("128, negative") << 128.0 << false << "-128";
    QTest::newRow("128, positive") << 128.0 << true << "128";
    QTest::newRow("1, negative") << 1.0 << false << "-1";
    QTest::newRow("1000 without grouping") << 1000.0 << false << "-1000";
    QTest::newRow("1984, positive") << 1984.0 << true << "1984";
}

void TestCoderModel::formatUet() {
    QFETCH(double, level);
    QFETCH(bool, positive);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatUet(level, positive)), text);
}

void TestCoderModel::referenceSetAndRegisterHelpers() {
    QCOMPARE(WeightIndex(1024), 0);
    QCOMPARE(WeightIndex(128), 3);
    QCOMPARE(WeightIndex(1), 10);
    QCOMPARE(WeightIndex(0), -1);
    QCOMPARE(WeightIndex(3), -1);
    QCOMPARE(WeightIndex(2048), -1);

    TReferenceSet set;
    QCOMPARE(set.sum(), 0.0);
    set.set(1024, true);
    set.set(1, true);
    set.set(3, true); // not a weight: ignored
    QVERIFY(set.on[0] && set.on[10]);
    QVERIFY(set.contains(1024) && set.contains(1) && !set.contains(3) && !set.contains(512));
    QCOMPARE(set.sum(), 1025.0);
    set.set(1024, false);
    QCOMPARE(set.sum(), 1.0);
    TReferenceSet one;
    one.on[10] = true;
    QVERIFY(set == one);
    QVERIFY(set != TReferenceSet{});

    // P is the most significant bit, D the least.
    QCOMPARE(RegisterBit(0x80, 1), 1);
    QCOMPARE(RegisterBit(0x80, 2), 0);
    QCOMPARE(RegisterBit(0x01, 8), 1);
    QCOMPARE(RegisterBit(0x01, 7), 0);
    QCOMPARE(RegisterBit(ParseCodeWord("0 010 0010"), 3), 1);
}

void TestCoderModel::segmentTableIsContiguous() {
    int expectedBase = 0;
    for (std::size_t s = 0; s < kSegments.size(); ++s) {
        const TSegment& segment = kSegments[s];
        QCOMPARE(segment.base, expectedBase);
        QVERIFY(segment.base == 0 || WeightIndex(segment.base) >= 0);
        for (std::size_t i = 0; i < 4; ++i) {
            QCOMPARE(segment.stepReferences[i], segment.step << (3 - i));
        }
        expectedBase += 16 * segment.step;
    }
    QCOMPARE(expectedBase, 2048);
}

void TestCoderModel::invariantsOverSweep() {
    for (std::int32_t uaim = -70000; uaim <= 70000; ++uaim) {
        const QString problem = CheckInvariants(uaim);
        if (!problem.isEmpty()) {
            QFAIL(qPrintable(problem));
        }
    }
}

void TestCoderModel::invariantsAtExtremes() {
    std::vector<std::int32_t> values{kMin32,        kMin32 + 1,    kMax32,     kMax32 - 1,
                                     1 << 24,       (1 << 24) + 1, -(1 << 24), -(1 << 24) - 1,
                                     1'000'000'000, -1'000'000'000};
    std::uint32_t x = 12345; // fixed seed: reproducible samples across the whole range
    for (int i = 0; i < 20000; ++i) {
        x = x * 1664525u + 1013904223u;
        values.push_back(static_cast<std::int32_t>(x));
    }
    for (const std::int32_t uaim : values) {
        const QString problem = CheckInvariants(uaim);
        if (!problem.isEmpty()) {
            QFAIL(qPrintable(problem));
        }
    }
}

void TestCoderModel::polarityChangesOnlyTheSign() {
    for (std::int32_t m = 1; m <= 70000; ++m) {
        const TCodingTrace plus = BuildCodingTrace(m);
        const TCodingTrace minus = BuildCodingTrace(-m);
        QVERIFY(plus.positive && !minus.positive);
        QCOMPARE(plus.codeWord, std::uint8_t(minus.codeWord | 0x80));
        QCOMPARE(plus.tacts[0].comparatorOutput, '0');
        QCOMPARE(minus.tacts[0].comparatorOutput, '1');
        for (std::size_t i = 1; i < 8; ++i) {
            const TTactRecord& p = plus.tacts[i];
            const TTactRecord& n = minus.tacts[i];
            if (p.referencesDuring != n.referencesDuring ||
                p.referencesAfter != n.referencesAfter || p.bit != n.bit ||
                p.comparatorOutput != n.comparatorOutput) {
                QFAIL(qPrintable(QStringLiteral("M %1, tact %2 differs").arg(m).arg(i + 1)));
            }
        }
    }
}

void TestCoderModel::codeGrowsWithMagnitude() {
    // Every magnitude code 0..127 is reached, in order, and first at its own level.
    int lastCode = -1;
    for (std::int32_t m = 0; m <= 4096; ++m) {
        const TCodingTrace trace = BuildCodingTrace(m);
        const int code = trace.codeWord & 0x7F;
        if (code != lastCode) {
            QCOMPARE(code, lastCode + 1);
            QCOMPARE(trace.finalLevel, double(m));
            lastCode = code;
        }
    }
    QCOMPARE(lastCode, 127);
}

QTEST_APPLESS_MAIN(TestCoderModel)
#include "tst_codermodel.moc"
