// SPDX-License-Identifier: MIT
#include "CoderState.h"
#include "ScriptedDraws.h"

#include "logic/FinalTestBank.h"
#include "logic/IntroTestBank.h"
#include "logic/TactSteps.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <set>

// The lab's rules without a window: the practice's checks, the tests' banks,
// draws and judging.

using namespace Coder;
using namespace Knowledge;
using namespace Practice;

namespace {

// "P=1", "G128=0", "S32=1", "K=1" (the Comparator), "U=-128".
QString describe(const Check& check) {
    const QString digit = QLatin1Char('=') + QChar::fromLatin1(check.digit);
    switch (check.cell) {
    case Cell::Register:
        return QChar::fromLatin1("PXYZABCD"[check.index - 1]) + digit;
    case Cell::Uet:
        return QStringLiteral("U=%1").arg(check.level);
    default:
        return QChar::fromLatin1("-GSK"[int(check.cell)]) +
               (check.index ? QString::number(check.index) : QString()) + digit;
    }
}

// The number written right after `marker` in a text: "-567", "31,2".
double numberAfter(const std::string& text, const std::string& marker) {
    const std::size_t at = text.find(marker);
    if (at == std::string::npos)
        qFatal("'%s' not in '%s'", marker.c_str(), text.c_str());
    std::string number = text.substr(at + marker.size());
    number = number.substr(0, number.find_first_not_of("-0123456789,"));
    std::replace(number.begin(), number.end(), ',', '.');
    return std::stod(number);
}

std::string binary(unsigned value, int width) {
    std::string digits;
    for (; value || int(digits.size()) < width; value /= 2)
        digits.insert(digits.begin(), char('0' + value % 2));
    return digits;
}

// The code word the coder gives a value, as the students write it.
std::string codeOf(int uaim) {
    return binary(BuildCodingTrace(uaim).codeWord, 8);
}

// The level a code word stands for: the lowest magnitude that the coder gives that word; a
// decoder adds one step of its segment as the correction, and here a step is 2 mV.
std::string levelOf(const std::string& code, bool decoded = false) {
    const unsigned word = std::stoul(code, nullptr, 2);
    int magnitude = 0;
    while ((BuildCodingTrace(magnitude).codeWord & 0x7F) != (word & 0x7F))
        ++magnitude;
    if (decoded)
        magnitude = 2 * (magnitude + BuildCodingTrace(magnitude).step);
    return (word & 0x80 ? "" : "-") + std::to_string(magnitude);
}

// The key a rule gives for a question, from the value its text shows: "option 2",
// "number 0.128", "2^m-1", "segment", "natural code", "symmetric code", "width", "level of
// the code", "decoded", "code of the value", "code of U0/delta", or a list of the keys
// themselves.
std::string expectedKey(const QString& rule, const Question& q, std::size_t variant) {
    const auto value = [&q](const char* marker) {
        return int(std::lround(numberAfter(q.text, marker)));
    };
    if (rule.startsWith(QLatin1String("option")))
        return q.options[std::size_t(rule.back().digitValue() - 1)]; // listed in bank order
    if (rule == QLatin1String("natural code"))
        return binary(unsigned(value("амплитудой ")), 0);
    if (rule == QLatin1String("symmetric code"))
        return (value("амплитудой ") > 0 ? "1" : "0") +
               binary(unsigned(std::abs(value("амплитудой "))), 7);
    if (rule == QLatin1String("width"))
        return std::to_string(binary(unsigned(value("равным ")), 0).size());
    if (rule == QLatin1String("level of the code"))
        return levelOf(std::to_string(value("кодера ")));
    if (rule == QLatin1String("decoded"))
        return levelOf(std::to_string(value("группы ")), true);
    if (rule == QLatin1String("code of the value"))
        return codeOf(q.text.find("Uаим=") != std::string::npos ? value("Uаим=") : value("равна "));
    if (rule == QLatin1String("code of U0/delta"))
        return codeOf(
            int(std::lround(numberAfter(q.text, "U0(t)=") / numberAfter(q.text, "delta="))));
    return rule.split(QLatin1Char(' '))[qsizetype(variant)].toStdString();
}

} // namespace

class TestLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksInOrder_data();
    void checksInOrder();
    void coderStatePassesEveryStep();
    void boundedRedraws();
    void everyKeyFollowsFromItsQuestionAndIsJudged_data();
    void everyKeyFollowsFromItsQuestionAndIsJudged();
    void clockSeededDraws();
    void statusLines();
};

void TestLogic::checksInOrder_data() {
    QTest::addColumn<int>("uaim");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("checks");
    // The worked example -37, step by step.
    const QStringList minus37{
        "P=1 K=1",
        "P=0",
        "K=1 X=1 G128=1 S128=1 U=-128",
        "U=0 X=0 S128=0 G128=0",
        "Y=1 G128=0 S128=0 K=0 G32=1 S32=1 U=-32",
        "Y=1 G32=1 S32=1 U=-32",
        "Z=1 G32=0 S32=0 G512=0 S512=0 G128=0 S128=0 K=1 G64=1 S64=1 U=-64",
        "Z=0 G32=1 S32=1 G64=0 S64=0 U=-32",
        "A=1 K=1 G16=1 S16=1 U=-48",
        "A=0 G16=0 S16=0 U=-32",
        "B=1 K=1 G8=1 S8=1 U=-40",
        "B=0 G8=0 S8=0 U=-32",
        "C=1 K=0 G4=1 S4=1 U=-36",
        "C=1 U=-36",
        "D=1 K=1 G2=1 S2=1 U=-38",
        "D=0 G2=0 S2=0 U=-36",
    };
    for (int step = 1; step <= 16; ++step)
        QTest::addRow("-37 step %d", step) << -37 << step << minus37[step - 1];
    // The branches -37 does not take.
    QTest::newRow("positive sign") << 1000 << 1 << "P=1 K=0";
    QTest::newRow("positive end of tact 1") << 1000 << 2 << "P=1";
    QTest::newRow("X set") << 1000 << 4 << "X=1 S128=1 U=128 G128=1";
    QTest::newRow("tact 3 after X set") << 1000 << 5 << "Y=1 G128=0 S128=0 K=0 G512=1 S512=1 U=512";
    QTest::newRow("Y set after X") << 1000 << 6 << "Y=1 G512=1 S512=1 U=512";
    QTest::newRow("tact 4 tries 1024")
        << 1000 << 7 << "Z=1 G32=0 S32=0 G512=0 S512=0 G128=0 S128=0 K=1 G1024=1 S1024=1 U=1024";
    QTest::newRow("Z cleared, base 512") << 1000 << 8 << "Z=0 G512=1 S512=1 G1024=0 S1024=0 U=512";
    QTest::newRow("step bit set") << 1000 << 10 << "A=1 U=768";
    QTest::newRow("Y cleared after X") << 128 << 6 << "Y=0 G128=1 S128=1 G512=0 S512=0 U=128";
    QTest::newRow("Y cleared, X cleared") << 16 << 6 << "Y=0 G32=0 S32=0 U=0";
    QTest::newRow("Z set") << 16 << 8 << "Z=1 G16=1 S16=1 U=16";
    QTest::newRow("Z cleared, base 0") << -5 << 8 << "Z=0 G16=0 S16=0 U=0";
    QTest::newRow("segment 0 step") << -5 << 9 << "A=1 K=1 G8=1 S8=1 U=-8";
    QTest::newRow("zero is negative") << 0 << 1 << "P=1 K=1";
}

void TestLogic::checksInOrder() {
    QFETCH(int, uaim);
    QFETCH(int, step);
    QFETCH(QString, checks);
    QStringList described;
    for (const Check& check : checksOf(BuildCodingTrace(uaim), step))
        described << describe(check);
    QCOMPARE(described.join(QLatin1Char(' ')), checks);
}

// The judge agrees with the coder: its state at each step passes, for every value.
void TestLogic::coderStatePassesEveryStep() {
    QList<std::int32_t> values{std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t uaim = -2100; uaim <= 2100; ++uaim)
        values << uaim;
    for (const std::int32_t uaim : values) {
        const TCodingTrace trace = BuildCodingTrace(uaim);
        for (int step = 1; step <= TactSteps::kCount; ++step)
            QVERIFY2(!firstFailure(trace, step, coderState(trace, step)),
                     qPrintable(QStringLiteral("%1 step %2").arg(uaim).arg(step)));
    }
}

// Redraws avoid a repeat, yet a source that always repeats cannot hang a run: its draws stop
// at 1 + 101 + 10001 + 10001 for the intro pools, 1 + 101 for the final ones and
// 1 + 10001 + 100001 for the options, and the repeats stand.
void TestLogic::boundedRedraws() {
    {
        ScriptedDraws scripted({1, 1, 0, 1, 0, 2, 2, 6, 2, 2, 2, 0, 0, 2, 1});
        QCOMPARE(IntroTestBank().drawPools(), (std::vector<int>{2, 1, 3, 7}));
        QCOMPARE(choiceQuestion({"?", {"a", "b", "c"}, 2}).options,
                 (std::vector<std::string>{"c", "a", "b"}));
    }
    ScriptedDraws alike;
    alike.setFallback(0);
    QCOMPARE(IntroTestBank().drawPools(), (std::vector<int>{1, 1, 1, 1}));
    QCOMPARE(FinalTestBank().drawPools(), (std::vector<int>{8, 8}));
    const Question q = choiceQuestion({"?", {"a", "b", "c"}, 2});
    QCOMPARE(q.options, (std::vector<std::string>{"a", "a", "a"}));
    QCOMPARE(q.key, "b");
    QCOMPARE(alike.ranges().size(), 20104 + 102 + 110003);
}

void TestLogic::everyKeyFollowsFromItsQuestionAndIsJudged_data() {
    QTest::addColumn<bool>("intro");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pool"); // at position n; 0 for a fixed question
    QTest::addColumn<int>("variants");
    QTest::addColumn<QString>("rule");
    const auto row = [](const char* name, bool intro, int n, int pool, int variants,
                        const char* rule) {
        QTest::newRow(name) << intro << n << pool << variants << QString::fromUtf8(rule);
    };
    for (const auto& [pool, option] : {std::pair{1, 3}, {2, 2}, {3, 1}, {4, 1}, {5, 2}, {7, 3}})
        row(qPrintable(QStringLiteral("intro pool %1").arg(pool)), true, 4, pool, 1,
            qPrintable(QStringLiteral("option %1").arg(option)));
    row("intro pool 6", true, 2, 6, 1, "number 0.128"); // 0 and 128 under a decimal comma
    row("intro 5", true, 5, 0, 10, "2^m-1");
    row("intro 6", true, 6, 0, 2048, "segment");
    row("intro 7", true, 7, 0, 5, "natural code");
    row("intro 8", true, 8, 0, 5, "symmetric code");
    row("intro 9", true, 9, 0, 6, "width");
    row("intro 10", true, 10, 0, 5, "symmetric code");
    int pool = 7; // the block names, pools 8 to 13
    for (const char* block :
         {"компаратор", "генератор эталонных напряжений", "блок коммутации эталонов",
          "блок выбора сегмента", "цифровой регистр", "преобразователь кода"}) {
        ++pool;
        row(qPrintable(QStringLiteral("final pool %1").arg(pool)), false, 2, pool, 1, block);
    }
    row("final 3", false, 3, 0, 5, "level of the code");
    row("final 4", false, 4, 0, 5, "code of the value");
    row("final 5", false, 5, 0, 5, "level of the code");
    row("final 6", false, 6, 0, 5, "code of the value");
    row("final 7", false, 7, 0, 1, "option 2");
    row("final 8", false, 8, 0, 6, "code of the value");
    row("final 9", false, 9, 0, 5, "decoded");
    row("final 10", false, 10, 0, 4, "code of U0/delta");
}

void TestLogic::everyKeyFollowsFromItsQuestionAndIsJudged() {
    QFETCH(bool, intro);
    QFETCH(int, n);
    QFETCH(int, pool);
    QFETCH(int, variants);
    QFETCH(QString, rule);
    const IntroTestBank introBank;
    const FinalTestBank finalBank;
    const QuestionBank& bank = intro ? static_cast<const QuestionBank&>(introBank) : finalBank;
    TestRun run;
    run.PoolPick = {pool, pool, pool, pool};
    const bool option = rule.startsWith(QLatin1String("option"));
    const bool counted = rule == QLatin1String("2^m-1") || rule == QLatin1String("segment");
    for (int variant = 0; variant < variants; ++variant) {
        ScriptedDraws draws({variant});
        if (option)
            draws.push({1, 2}); // the options in bank order
        const Question q = bank.question(n, run);
        QCOMPARE(q.withUnit, intro ? n == 5 : n == 3); // "Δ,В" beside these answers alone
        if (!pool && !option)
            QCOMPARE(draws.ranges().front(), variants); // every variant can be drawn
        QCOMPARE(q.kind, counted || rule.startsWith(QLatin1String("number")) ? AnswerKind::Number
                         : option                                            ? AnswerKind::Choice
                         : pool                                              ? AnswerKind::Word
                                                                             : AnswerKind::Digits);
        if (counted) {
            const int shown = int(numberAfter(q.text, "=")); // m, or the amplitude
            QCOMPARE(shown, variant + (rule == QLatin1String("segment") ? 0 : 2));
            QCOMPARE(q.keyNumber, rule == QLatin1String("segment") ? BuildCodingTrace(shown).segment
                                                                   : std::pow(2.0, shown) - 1);
        } else if (rule.startsWith(QLatin1String("number"))) {
            QCOMPARE(q.keyNumber, 0.128);
        } else {
            const std::string key = expectedKey(rule, q, std::size_t(variant));
            QCOMPARE(QString::fromStdString(q.key),
                     pool && !intro ? rule : QString::fromStdString(key));
        }
        // The key is right and a near miss wrong, character for character; what is no whole
        // number is refused where a whole number is asked for.
        const std::string& k = q.key;
        QString verdicts;
        for (const Answer& given : std::vector<Answer>{
                 {k, k, q.keyNumber},
                 {q.options.empty() ? "" : q.options[q.options[0] == k],
                  k[0] == '-' ? k.substr(1) : (q.kind == AnswerKind::Word ? k + ' ' : '0' + k),
                  q.keyNumber + 0.0001},
                 {"", "", std::nullopt},
                 {"", k + 'a', std::nullopt},
                 {"", "2147483648", std::nullopt}})
            verdicts += QLatin1Char("RWX"[int(judgeAnswer(q, given))]);
        QCOMPARE(verdicts, q.kind == AnswerKind::Digits ? "RWXXX" : "RWWWW");
    }
}

void TestLogic::clockSeededDraws() {
    std::set<int> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(DrawRandom(3));
    QCOMPARE(seen, (std::set<int>{0, 1, 2}));
    QCOMPARE(DrawRandom(1), 0);
}

// The purpose follows the tact: the sign (1), the segment (2 to 4), the step (5 to 8).
void TestLogic::statusLines() {
    QCOMPARE(TactSteps::status(true, 1), "Начало 1-го такта. Определение знака входного сигнала");
    QCOMPARE(TactSteps::status(true, 2),
             "Начало 2-го такта. Определение номера сегмента амплитудной характеристики");
    QCOMPARE(TactSteps::status(false, 4),
             "Конец 4-го такта. Определение номера сегмента амплитудной характеристики");
    QCOMPARE(TactSteps::status(true, 5), "Начало 5-го такта. Определение шага внутри сегмента");
    QCOMPARE(openingStatus(-37),
             "Значение Uаим для кодирования = -37. Начало 1-го такта. Определение знака "
             "входного сигнала");
}

QTEST_APPLESS_MAIN(TestLogic)
#include "tst_logic.moc"
