#include "coder/CoderModel.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

// "1 110 1111" -> 0b11101111
std::uint8_t ParseCodeWord(QString text) {
    return static_cast<std::uint8_t>(text.remove(QLatin1Char(' ')).toUInt(nullptr, 2));
}

// "512+256": the weights switched on, largest first.
QString DescribeReferences(const TReferenceSet& set) {
    QStringList weights;
    for (const int weight : kReferenceWeights)
        if (set.contains(weight))
            weights << QString::number(weight);
    return weights.join(QLatin1Char('+'));
}

// The bits of tacts 1..count of a register.
std::uint8_t Decided(std::uint8_t reg, int count) {
    return static_cast<std::uint8_t>(reg & (0xFF00u >> count));
}

// The first property of the trace of `uaim` that does not hold, or nullptr. The segment
// table is restated here by formula, so a wrong entry in the model's table shows up.
const char* BrokenInvariant(std::int32_t uaim) {
    const TCodingTrace t = BuildCodingTrace(uaim);
    const std::int64_t m = std::llabs(std::int64_t{uaim});
    const int segment = (t.codeWord >> 4) & 7;
    const int base = segment == 0 ? 0 : 8 << segment;
    const int step = segment <= 1 ? 1 : 1 << (segment - 1);
    const double level = base + (t.codeWord & 0x0F) * step;
    if (t.uaim != uaim || t.positive != (uaim > 0) || registerBit(t.codeWord, 1) != (uaim > 0))
        return "sign";
    if (t.segment != segment || t.baseReference != base || t.step != step)
        return "segment, base or step";
    if (t.finalLevel != level || t.tacts[7].uetAfter != level || t.tacts[3].uetAfter != base)
        return "kept level";
    // The kept level is the largest level not above M; from 1984 on the code stays full.
    if (m < 2048 ? !(level <= m && m < level + step) : level != 1984)
        return "code word does not bracket M";
    TReferenceSet kept;
    for (int k = 1; k <= 8; ++k) {
        const TTactRecord& r = t.tacts[k - 1];
        if (r.tact != k || r.bitName != kBitNames[k - 1] || r.bit != registerBit(t.codeWord, k) ||
            r.comparatorOutput != (r.bit ? '0' : '1'))
            return "bit or comparator output";
        if (r.registerDuring != (Decided(t.codeWord, k - 1) | (0x80 >> (k - 1))) ||
            r.registerAfter != Decided(t.codeWord, k))
            return "register";
        // Segment trials stand alone; step trials add to what is kept.
        TReferenceSet during = k <= 4 ? TReferenceSet{} : kept;
        if ((k == 1) == (weightIndex(r.trialWeight) >= 0) || during.contains(r.trialWeight))
            return "trial weight";
        during.set(r.trialWeight, true);
        if (r.referencesDuring != during || r.uetDuring != during.sum())
            return "references during the comparison";
        if (k > 1 && r.bit != (m >= r.uetDuring))
            return "comparison";
        if (r.bit)
            kept = during;
        if (r.referencesAfter != kept || r.uetAfter != kept.sum())
            return "references after the decision";
    }
    return nullptr;
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
    void invariantsOverTheWholeRange();
};

void TestCoderModel::tactByTact_data() {
    QTest::addColumn<int>("uaim");
    QTest::addColumn<QString>("codeWord");
    QTest::addColumn<QString>("comparator"); // outputs of tacts 1..8
    QTest::addColumn<QString>("uetDuring");  // as shown, tacts 1..8
    QTest::addColumn<QString>("uetAfter");
    QTest::addColumn<QString>("refsDuring"); // tacts 1..8, comma-separated

    const auto row = [](int uaim, const char* code, const char* comparator, const char* during,
                        const char* after, const char* refs) {
        QTest::addRow("%d", uaim) << uaim << QString::fromLatin1(code)
                                  << QString::fromLatin1(comparator) << QString::fromLatin1(during)
                                  << QString::fromLatin1(after) << QString::fromLatin1(refs);
    };
    row(1000, "1 110 1111", "00010000", "0 128 512 1024 768 896 960 992",
        "0 128 512 512 768 896 960 992",
        ",128,512,1024,512+256,512+256+128,512+256+128+64,512+256+128+64+32");
    row(-37, "0 010 0010", "11011101", "0 -128 -32 -64 -48 -40 -36 -38",
        "0 0 -32 -32 -32 -32 -36 -36", ",128,32,64,32+16,32+8,32+4,32+4+2");
    row(16, "1 001 0000", "01101111", "0 128 32 16 24 20 18 17", "0 0 0 16 16 16 16 16",
        ",128,32,16,16+8,16+4,16+2,16+1");
    row(-5, "0 000 0101", "11111010", "0 -128 -32 -16 -8 -4 -6 -5", "0 0 0 0 0 -4 -4 -5",
        ",128,32,16,8,4,4+2,4+1");
    // Zero is coded as negative, and a kept level of zero never shows "-0".
    row(0, "0 000 0000", "11111111", "0 -128 -32 -16 -8 -4 -2 -1", "0 0 0 0 0 0 0 0",
        ",128,32,16,8,4,2,1");
}

void TestCoderModel::tactByTact() {
    QFETCH(int, uaim);
    QFETCH(QString, codeWord);
    QFETCH(QString, comparator);
    QFETCH(QString, uetDuring);
    QFETCH(QString, uetAfter);
    QFETCH(QString, refsDuring);

    const TCodingTrace trace = BuildCodingTrace(uaim);
    QCOMPARE(trace.codeWord, ParseCodeWord(codeWord));
    const auto shown = [&](double level) {
        return QString::fromStdString(FormatUet(level, trace.positive));
    };
    QStringList comparators, during, after, refs;
    for (const TTactRecord& r : trace.tacts) {
        comparators << QString(QLatin1Char(r.comparatorOutput));
        during << shown(r.uetDuring);
        after << shown(r.uetAfter);
        refs << DescribeReferences(r.referencesDuring);
    }
    QCOMPARE(comparators.join(QString()), comparator);
    QCOMPARE(during.join(QLatin1Char(' ')), uetDuring);
    QCOMPARE(after.join(QLatin1Char(' ')), uetAfter);
    QCOMPARE(refs.join(QLatin1Char(',')), refsDuring);
}

void TestCoderModel::codeWords_data() {
    QTest::addColumn<int>("uaim");
    QTest::addColumn<QString>("codeWord");

    QTest::newRow("0") << 0 << "0 000 0000";
    QTest::newRow("1") << 1 << "1 000 0001";
    QTest::newRow("-1") << -1 << "0 000 0001";
    QTest::newRow("15") << 15 << "1 000 1111";
    QTest::newRow("16") << 16 << "1 001 0000";
    QTest::newRow("127") << 127 << "1 011 1111";
    QTest::newRow("128") << 128 << "1 100 0000";
    QTest::newRow("1983") << 1983 << "1 111 1110";
    QTest::newRow("1984") << 1984 << "1 111 1111";
    QTest::newRow("-2000") << -2000 << "0 111 1111";
    QTest::newRow("INT32_MAX") << kMax32 << "1 111 1111";
    QTest::newRow("INT32_MIN") << kMin32 << "0 111 1111";
}

void TestCoderModel::codeWords() {
    QFETCH(int, uaim);
    QFETCH(QString, codeWord);
    QCOMPARE(BuildCodingTrace(uaim).codeWord, ParseCodeWord(codeWord));
}

void TestCoderModel::formatUet_data() {
    QTest::addColumn<double>("level");
    QTest::addColumn<bool>("positive");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero, positive") << 0.0 << true << "0";
    QTest::newRow("zero, negative") << 0.0 << false << "0";
    QTest::newRow("negative zero, negative") << -0.0 << false << "0";
    QTest::newRow("128, negative") << 128.0 << false << "-128";
    QTest::newRow("128, positive") << 128.0 << true << "128";
    QTest::newRow("1984 without grouping") << 1984.0 << false << "-1984";
}

void TestCoderModel::formatUet() {
    QFETCH(double, level);
    QFETCH(bool, positive);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatUet(level, positive)), text);
}

void TestCoderModel::invariantsOverTheWholeRange() {
    // Every value around the segments of both polarities, a stride over all of int32, and
    // the ends of it.
    std::vector<std::int32_t> values{kMin32, kMin32 + 1, kMax32};
    for (std::int32_t uaim = -4200; uaim <= 4200; ++uaim)
        values.push_back(uaim);
    for (std::int64_t uaim = kMin32; uaim <= kMax32; uaim += 104'729)
        values.push_back(static_cast<std::int32_t>(uaim));
    for (const std::int32_t uaim : values)
        if (const char* broken = BrokenInvariant(uaim))
            QFAIL(qPrintable(QStringLiteral("Uaim %1: %2").arg(uaim).arg(QLatin1String(broken))));
}

QTEST_APPLESS_MAIN(TestCoderModel)
#include "tst_codermodel.moc"
