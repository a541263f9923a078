// SPDX-License-Identifier: MIT
#include "CoderState.h"
#include "ScriptedDraws.h"

#include "logic/Demonstration.h"
#include "logic/FinalTestBank.h"
#include "logic/IntegerText.h"
#include "logic/IntroTestBank.h"
#include "logic/JournalFormat.h"
#include "logic/PracticeInput.h"
#include "logic/ResultRecord.h"
#include "logic/TactSteps.h"

#include <QCryptographicHash>
#include <QTest>

#include <algorithm>
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
    void banksAsProofread();
    void clockSeededDraws();
    void statusLines();
    void wholeNumbersAndPracticeInput_data();
    void wholeNumbersAndPracticeInput();
    void demonstrationWalk_data();
    void demonstrationWalk();
    void testRunCounts_data();
    void testRunCounts();
    void reportNames();
    void journalNames_data();
    void journalNames();
    void olderJournals();

private:
    // Every question as put up in the key test, each variant: its text, options and key.
    QCryptographicHash banks_{QCryptographicHash::Sha256};
    int banksRows_ = 0;
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
// The judge agrees with the coder: its state at each step passes, whatever the cells the
// step does not name hold; and each named entry, put wrong alone, is the one reported.
void TestLogic::coderStatePassesEveryStep() {
    QList<std::int32_t> values{std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t uaim = -2100; uaim <= 2100; ++uaim)
        values << uaim;
    for (const std::int32_t uaim : values) {
        const TCodingTrace trace = BuildCodingTrace(uaim);
        for (int step = 1; step <= TactSteps::kCount; ++step) {
            const std::vector<Check> checks = checksOf(trace, step);
            const QByteArray where = QStringLiteral("%1 step %2").arg(uaim).arg(step).toLatin1();
            Entries entries = coderState(trace, step);
            const auto cellOf = [&entries, &trace](Cell cell, int index) -> std::string* {
                const auto weight = std::size_t(weightIndex(index));
                switch (cell) {
                case Cell::Register:
                    return &entries.registerCells[std::size_t(index - 1)];
                case Cell::Generator:
                    return &(trace.positive ? entries.gen2 : entries.gen1)[weight];
                case Cell::Selector:
                    return &entries.selector[weight];
                case Cell::Comparator:
                    return &entries.comparator;
                case Cell::Uet:
                    break;
                }
                return nullptr;
            };
            const auto named = [&checks](Cell cell, int index) {
                return std::any_of(checks.begin(), checks.end(), [&](const Check& c) {
                    return c.cell == cell && c.index == index;
                });
            };
            for (int tact = 1; tact <= 8; ++tact) // strays in the cells not named
                if (!named(Cell::Register, tact))
                    *cellOf(Cell::Register, tact) = "1";
            for (const int weight : kReferenceWeights)
                for (const Cell row : {Cell::Generator, Cell::Selector})
                    if (!named(row, weight))
                        *cellOf(row, weight) = "1";
            if (!named(Cell::Comparator, 0))
                entries.comparator = "";
            if (!named(Cell::Uet, 0))
                entries.uet.reset();
            QVERIFY2(!firstFailure(trace, step, entries), where);
            const Entries right = entries;
            for (const Check& check : checks) {
                if (check.cell == Cell::Uet)
                    entries.uet = check.level == 0 ? -1.0 : -check.level;
                else
                    *cellOf(check.cell, check.index) = check.digit == '1' ? "0" : "1";
                QCOMPARE(firstFailure(trace, step, entries).value_or("passed"), check.message);
                entries = right;
            }
        }
    }
}

// Redraws avoid every earlier pick, yet a source that always repeats cannot hang a run: its draws
// stop at 1 + 101 + 10001 + 10001 for the intro pools, 1 + 101 for the final ones and 1 + 10001 +
// 100001 for the options, and the repeats stand.
void TestLogic::boundedRedraws() {
    {
        ScriptedDraws scripted({1, 1, 0, 1, 0, 2, 1, 0, 2, 6, 2, 2, 2, 0, 0, 2, 1});
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
    QCOMPARE(QList<qsizetype>({alike.ranges().count(7), alike.ranges().count(6),
                               alike.ranges().count(3), alike.ranges().size()}),
             QList<qsizetype>({20104, 102, 110003, 20104 + 102 + 110003}));
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
    ++banksRows_;
    const bool option = rule.startsWith(QLatin1String("option"));
    const bool counted = rule == QLatin1String("2^m-1") || rule == QLatin1String("segment");
    for (int variant = 0; variant < variants; ++variant) {
        ScriptedDraws draws({variant});
        if (option)
            draws.push({1, 2}); // the options in bank order
        const Question q = bank.question(n, run);
        banks_.addData(QByteArray::fromStdString(q.text + '|' + q.key + '|'));
        for (const std::string& option : q.options)
            banks_.addData(QByteArray::fromStdString(option + '|'));
        QCOMPARE(q.withUnit, intro ? n == 5 : n == 3); // "Δ,В" beside these answers alone
        // The number field starts at 0 for the two number questions, and once after them; the
        // text field is empty for every answer typed into it.
        QCOMPARE(q.resetsNumber, intro && n >= 5 && n <= 7);
        QCOMPARE(q.emptiesText, !intro || n >= 7);
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
        // Case and blanks count in a name: a capital first letter or a doubled blank is wrong.
        const QString name = QString::fromStdString(k);
        for (const QString& near : {name.left(1).toUpper() + name.mid(1),
                                    QString(name).replace(' ', QStringLiteral("  "))})
            if (q.kind == AnswerKind::Word && near != name)
                QCOMPARE(judgeAnswer(q, {"", near.toStdString(), std::nullopt}), Verdict::Wrong);
    }
}

// The texts of both banks, letter for letter, as they were proofread against the lab's own
// when this was approved; after a change, proofread them again and approve the new sum.
void TestLogic::banksAsProofread() {
    QCOMPARE(banksRows_, 27);
    QCOMPARE(banks_.result().toHex(),
             "81c00f57f13326d4590c4986d5ffd05c6f5c513d8844ebf41dffd6a6488a47b9");
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

void TestLogic::wholeNumbersAndPracticeInput_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value"); // "": no whole number
    QTest::addColumn<QString>("refusal");
    const QString number = QStringLiteral("Значение Uаим должно быть числом");
    const auto row = [](const char* text, const char* value, const QString& refusal = {}) {
        QTest::newRow(text) << QString::fromUtf8(text) << value << refusal;
    };
    row("", "", QStringLiteral("Не введено значение Uаим"));
    row("0", "0", QStringLiteral("Uаим не должен равняться 0"));
    for (const auto& [text, value] : {std::pair{"00", "0"},
                                      {"-0", "0"},
                                      {"+5", "5"},
                                      {"-37", "-37"},
                                      {"0005", "5"},
                                      {"2147483647", "2147483647"},
                                      {"-2147483648", "-2147483648"}})
        row(text, value);
    for (const char* text : {"2147483648", "-2147483649", "99999999999", "12a", "abc", "1,5", "5 ",
                             " 5", "-", "+", "+-5", "минус"})
        row(text, "", number);
}

// The one grammar of whole numbers, and what the practice input refuses before coding.
void TestLogic::wholeNumbersAndPracticeInput() {
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(QString, refusal);
    const std::optional<std::int32_t> read = parseInt32(text.toStdString());
    QCOMPARE(read ? QString::number(*read) : QString(), value);
    const auto refused = Practice::inputRefusal(text.toStdString());
    QCOMPARE(refused ? QString::fromUtf8(refused->data(), qsizetype(refused->size())) : QString(),
             refusal);
}

void TestLogic::demonstrationWalk_data() {
    QTest::addColumn<int>("uaim");
    QTest::addColumn<QString>("uet");         // U эт after each press; "·" left as it was
    QTest::addColumn<QString>("registers");   // the tact's register cell after each press
    QTest::addColumn<QString>("comparators"); // shown at each start of a tact
    QTest::addColumn<QString>("references");  // on at each press, as the sum of their weights
    QTest::newRow("-37") << -37 << "· · -128 0 -32 -32 -64 -32 -48 -32 -40 -32 -36 -36 -38 -36"
                         << "1010111010101110"
                         << "11011101"
                         << "0 0 128 0 32 32 64 32 48 32 40 32 36 36 38 36";
    QTest::newRow("1000") << 1000 << "· · 128 128 512 512 1024 512 768 768 896 896 960 960 992 992"
                          << "1111111011111111"
                          << "00010000"
                          << "0 0 128 128 512 512 1024 512 768 768 896 896 960 960 992 992";
}

// Half a tact a press from the drawn value's trace; the seventeenth press draws anew, a zero
// once more, and the second zero stands.
void TestLogic::demonstrationWalk() {
    QFETCH(int, uaim);
    QFETCH(QString, uet);
    QFETCH(QString, registers);
    QFETCH(QString, comparators);
    QFETCH(QString, references);
    ScriptedDraws draws({uaim + 2000});
    Demonstration::Walk walk;
    walk.drawValue();
    QCOMPARE(walk.value(), uaim);
    QCOMPARE(walk.valueStatus(), "Значение Uаим для кодирования = " + std::to_string(uaim) + '.');
    QStringList uets, sums;
    QString digits, outputs;
    for (int press = 1; press <= TactSteps::kCount; ++press) {
        const Demonstration::View view = walk.press();
        const bool start = press % 2 == 1;
        QCOMPARE(walk.stepCount(), press);
        QCOMPARE(view.kind,
                 start ? Demonstration::View::Kind::Start : Demonstration::View::Kind::End);
        QCOMPARE(view.tact, (press + 1) / 2);
        QCOMPARE(view.closesSwitch, press == 1);
        QCOMPARE(view.status, press == 16 ? "Конец 8-го такта. Кодирование завершено."
                                          : TactSteps::status(start, view.tact));
        uets << QString::fromStdString(view.uet.value_or("·"));
        digits += QLatin1Char(view.registerDigit);
        if (start)
            outputs += QLatin1Char(view.comparator);
        sums << QString::number(view.references.sum());
    }
    QCOMPARE(uets.join(' '), uet);
    QCOMPARE(digits, registers);
    QCOMPARE(outputs, comparators);
    QCOMPARE(sums.join(' '), references);
    draws.push({2000, 2000});
    const Demonstration::View restart = walk.press();
    QCOMPARE(restart.kind, Demonstration::View::Kind::Restart);
    QCOMPARE(restart.status, "Значение Uаим для кодирования = 0.");
    QCOMPARE(walk.value(), 0);
    QCOMPARE(walk.stepCount(), 0);
    QCOMPARE(draws.ranges(), QList<int>({4001, 4001, 4001}));
}

void TestLogic::testRunCounts_data() {
    QTest::addColumn<QString>("answers"); // a question each: Right, Wrong, or refused first (x)
    QTest::addColumn<QString>("wrongList");
    const auto row = [](const char* name, const char* answers, const char* wrongList) {
        QTest::newRow(name) << QString(answers) << QString(wrongList);
    };
    row("all right", "RRRRRRRRRR", "");
    row("first and last wrong", "WRRRRRRRRW", " 1 10");
    row("refused, then right", "xRRRRRRRRRxR", "");
    row("refused, then wrong", "RRRRxWRRRRR", " 5");
    row("all wrong", "WWWWWWWWWW", " 1 2 3 4 5 6 7 8 9 10");
}

// How a run judges and counts, and that a new run starts from nothing.
void TestLogic::testRunCounts() {
    QFETCH(QString, answers);
    QFETCH(QString, wrongList);
    struct Bank : QuestionBank {
        std::vector<int> drawPools() const override { return {}; }
        Question question(int n, TestRun&) const override {
            return {"Вопрос " + std::to_string(n), AnswerKind::Digits, {}, "5"};
        }
    } bank;
    KnowledgeTest test(bank);
    for (int round = 0; round < 2; ++round) {
        test.start();
        QCOMPARE(test.run().QuestionNo, 1);
        QCOMPARE(test.run().WrongList, "");
        test.putUp(1);
        for (const QChar given : answers) {
            const int n = test.run().QuestionNo;
            const char* text = given == 'R' ? "5" : given == 'W' ? "6" : "x";
            const Verdict verdict = test.answer({"", text, std::nullopt});
            QCOMPARE(verdict, given == 'R'   ? Verdict::Right
                              : given == 'W' ? Verdict::Wrong
                                             : Verdict::Refused);
            QCOMPARE(test.run().QuestionNo, given == 'x' ? n : n + 1);
            if (!test.finished() && given != 'x')
                test.putUp(test.run().QuestionNo);
        }
        QVERIFY(test.finished());
        QCOMPARE(test.answer({"", "5", {}}), Verdict::Wrong); // nothing is left to answer
        test.countResults();
        const int wrong = int(wrongList.count(' '));
        QCOMPARE(test.run().WrongCount, wrong);
        QCOMPARE(test.run().WrongList, wrongList.toStdString());
        QCOMPARE(rightAnswersText(test.run()), "Правильных ответов: " + std::to_string(10 - wrong));
        QCOMPARE(wrongAnswersText(test.run()), "Неправильных ответов: " + std::to_string(wrong));
        QCOMPARE(IntroTestBank::wrongListText(test.run()),
                 "Ошибки в вопросах: " + wrongList.toStdString());
        QCOMPARE(FinalTestBank::wrongListText(test.run()),
                 "Ошибки в вопросах:" + wrongList.toStdString());
        const Record::TestScore score = Record::scoreOf(test.run());
        QCOMPARE(score.right, 10 - wrong);
        QCOMPARE(" " + Record::questionList(score.wrongQuestions),
                 wrong ? wrongList.toStdString() : " ");
    }
}

void TestLogic::reportNames() {
    Record::LabResult result;
    result.finishedAt = "2026-12-07 14:05:09";
    const auto name = [&result](const char* first, const char* second) {
        result.student1 = first;
        result.student2 = second;
        return Record::reportFileName(result);
    };
    QCOMPARE(name("Иванов Иван Иванович", "Петрова Анна"), "2026-12-07 Иванов Петрова.pdf");
    QCOMPARE(name("  Сидоров", "Петрова, Анна"), "2026-12-07 Сидоров Петрова.pdf");
    QCOMPARE(name("a/b:c*d?\\e", " "), "2026-12-07 a_b_c_d__e.pdf");
    QCOMPARE(name("", ""), "2026-12-07.pdf");
}

// A name is written so that a spreadsheet shows it as text, and read back as it was typed.
void TestLogic::journalNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("formula") << "=HYPERLINK(\"http://x\")" << "'=HYPERLINK(\"http://x\")";
    QTest::newRow("phone") << "+7 913 000" << "'+7 913 000";
    QTest::newRow("dash") << "-Иванов" << "'-Иванов";
    QTest::newRow("at") << "@SUM(A1)" << "'@SUM(A1)";
    QTest::newRow("tab") << "\tИванов" << "'\tИванов";
    QTest::newRow("return") << "\rИванов" << "'\rИванов";
    QTest::newRow("apostrophe") << "'Иванов" << "''Иванов";
    QTest::newRow("inside") << "Иванов=Петров-1" << "Иванов=Петров-1";
    QTest::newRow("quotes") << "О'Брайен, \"Джон\"" << "О'Брайен, \"Джон\"";
    QTest::newRow("line break") << "Иванов\nИван" << "Иванов\nИван";
    QTest::newRow("blank") << " " << " ";
}

void TestLogic::journalNames() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Record::LabResult result;
    result.finishedAt = "2026-12-07 14:05:09";
    result.student1 = result.student2 = typed.toStdString();
    result.final = {8, 2, {4, 7}};
    const std::string journal = Record::csvHeader() + "\n" + Record::csvLine(result) + "\n";
    const std::vector<std::vector<std::string>> records = Record::csvRecords(journal);
    QCOMPARE(records.size(), std::size_t(2));
    QCOMPARE(records[1][1], written.toStdString());
    QCOMPARE(records[1][2], written.toStdString());
    const Record::JournalReading reading = Record::readJournal(journal);
    QCOMPARE(reading.results.size(), std::size_t(1));
    QCOMPARE(reading.results[0].student1, typed.toStdString());
    QCOMPARE(reading.results[0].student2, typed.toStdString());
    QCOMPARE(reading.results[0].final.wrongQuestions, (std::vector<int>{4, 7}));
}

// A journal of the lab before the intro test's questions were kept: read whole, those
// questions unknown; torn or impossible lines passed over.
void TestLogic::olderJournals() {
    const std::string header = "Дата и время,Студент 1,Студент 2,Вводный тест: правильных "
                               "ответов,Итоговый тест: правильных ответов,Ошибки в вопросах "
                               "итогового теста,Значение Uаим,Ошибок кодирования";
    QVERIFY(Record::isOlderHeader(header));
    QVERIFY(!Record::isOlderHeader(Record::csvHeader()));
    QVERIFY(!Record::isOlderHeader("Дата и время,Студент 1"));
    const Record::JournalReading older = Record::readJournal(
        header + "\r\n2026-12-07 14:05:09,\"Иванов,\nИван\",,9,7,2 5 9,-37,3\r\n" +
        "2026-12-07 14:06:00,Петров,,11,7,,5,0\n" + "2026-12-07 14:07:00,Петров,,9,7,2 12,5,0\n" +
        "2026-12-07 14:08:00,Петров,,9,7\n" + ",Петров,,9,7,,5,0\n" +
        "2026-12-07 14:08:30,Петров,,-1,7,,5,0\n\n" +
        "2026-12-07 14:09:00,Сидоров,,10,10,,-2147483648,\"0\"");
    QVERIFY(older.valid);
    QCOMPARE(older.skipped, 5);
    QCOMPARE(older.results.size(), std::size_t(2));
    const Record::LabResult& first = older.results[0];
    QCOMPARE(first.student1, "Иванов,\nИван");
    QCOMPARE(first.intro.right, 9);
    QCOMPARE(first.intro.wrong, 1);
    QVERIFY(!first.intro.questionsKnown);
    QVERIFY(first.final.questionsKnown);
    QCOMPARE(first.final.wrongQuestions, (std::vector<int>{2, 5, 9}));
    QCOMPARE(first.practiceValue, -37);
    QCOMPARE(first.practiceErrors, 3);
    QCOMPARE(older.results[1].practiceValue, INT32_MIN);
    QCOMPARE(older.results[1].final.wrong, 0);
    QVERIFY(!Record::readJournal("Имя,Фамилия\nА,Б\n").valid);
    QVERIFY(!Record::readJournal("").valid);
}

QTEST_APPLESS_MAIN(TestLogic)
#include "tst_logic.moc"
