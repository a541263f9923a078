// SPDX-License-Identifier: MIT
#include "Approved.h"

#include "coder/CoderModel.h"

#include <QTest>

#include <cstdint>
#include <cstdlib>

using namespace Coder;

namespace {

// "1 110 1111": P, X Y Z, A B C D.
QString codeText(std::uint8_t code) {
    const QString bits = QString::number(code, 2).rightJustified(8, QLatin1Char('0'));
    return bits.left(1) + ' ' + bits.mid(1, 3) + ' ' + bits.mid(4);
}

// "0/0 128/128 512/512 …": U эт of each tact as shown, during the comparison / after it.
QString levelsText(const TCodingTrace& trace) {
    QStringList tacts;
    for (const TTactRecord& r : trace.tacts)
        tacts << QString::fromStdString(FormatUet(r.uetDuring, trace.positive) + '/' +
                                        FormatUet(r.uetAfter, trace.positive));
    return tacts.join(QLatin1Char(' '));
}

// The segment of a magnitude by its definition: how many of its lower boundaries it reaches.
int segmentOf(std::int64_t m) {
    const int boundaries[] = {16, 32, 64, 128, 256, 512, 1024};
    return int(std::count_if(std::begin(boundaries), std::end(boundaries),
                             [m](int boundary) { return m >= boundary; }));
}

// The first property of the trace of `uaim` that fails, or nullptr.
const char* brokenProperty(std::int32_t uaim) {
    const TCodingTrace t = BuildCodingTrace(uaim);
    const std::int64_t m = std::llabs(std::int64_t{uaim});
    const int segment = segmentOf(m);
    const int step = segment <= 1 ? 1 : 1 << (segment - 1);
    const int base = segment == 0 ? 0 : 8 << segment;
    if (t.positive != (uaim > 0) || t.tacts[0].bit != (uaim > 0) || t.tacts[0].uetDuring != 0)
        return "sign";
    if (t.segment != segment || ((t.codeWord >> 4) & 7) != segment || t.step != step ||
        t.baseReference != base)
        return "segment";
    const double level = base + (t.codeWord & 15) * step;
    if (t.finalLevel != level || (m < 2048 ? !(level <= m && m < level + step) : level != 1984))
        return "the kept level does not bracket M";
    std::uint8_t reg = 0;
    double kept = 0;
    for (int k = 1; k <= 8; ++k) {
        const TTactRecord& r = t.tacts[k - 1];
        const auto mask = std::uint8_t(0x80 >> (k - 1));
        // The reference tried: none for the sign, alone for a segment bit, added for a step.
        if (r.bitName != "PXYZABCD"[k - 1] || r.trialWeight != (k == 1   ? 0
                                                                : k <= 4 ? r.uetDuring
                                                                         : r.uetDuring - kept))
            return "tact";
        if (r.tact != k || r.bit != ((t.codeWord & mask) != 0) ||
            r.comparatorOutput != (r.bit ? '0' : '1') || (k > 1 && r.bit != (m >= r.uetDuring)))
            return "decision";
        if (r.registerDuring != (reg | mask) || r.registerAfter != (reg | (r.bit ? mask : 0)))
            return "register";
        reg = r.registerAfter;
        if (r.referencesDuring.sum() != r.uetDuring || r.referencesAfter.sum() != r.uetAfter)
            return "U эт is not the sum of the references on";
        // Tacts 5 to 8 add the step references 8, 4, 2 and 1 steps to the kept level.
        if (k > 4 && r.uetDuring - kept != (8 >> (k - 5)) * step)
            return "step reference";
        if (r.uetAfter != (r.bit ? r.uetDuring : kept))
            return "kept level";
        kept = r.uetAfter;
    }
    return t.codeWord == reg ? nullptr : "code word";
}

} // namespace

class TestCoderModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExamples();
    void propertiesOverTheRange();
};

// The worked examples and the ends of the range, as coder.txt holds them: the value, its code
// word P XYZ ABCD and U эт of each tact as shown, during the comparison / after it.
void TestCoderModel::workedExamples() {
    QStringList now;
    for (const QStringList& row : Approved::rows("coder", QStringLiteral("(-?\\d+) → .*"))) {
        const TCodingTrace trace = BuildCodingTrace(row[0].toInt());
        now << row[0] + " → " + codeText(trace.codeWord) + " | " + levelsText(trace);
    }
    Approved::compare("coder", now);
    QCOMPARE(FormatUet(1024, true), "1024"); // no digit groups
}

void TestCoderModel::propertiesOverTheRange() {
    for (std::int32_t uaim = -2100; uaim <= 2100; ++uaim)
        QVERIFY2(!brokenProperty(uaim), qPrintable(QString::number(uaim)));
    for (const std::int32_t uaim : {INT32_MIN, INT32_MIN + 1, INT32_MAX, 65536, -100000})
        QVERIFY2(!brokenProperty(uaim), qPrintable(QString::number(uaim)));
}

QTEST_APPLESS_MAIN(TestCoderModel)
#include "tst_codermodel.moc"
