// SPDX-License-Identifier: MIT
#include "Approved.h"
#include "CoderState.h"
#include "Files.h"
#include "ScriptedDraws.h"

#include "logic/Demonstration.h"
#include "logic/FinalTestBank.h"
#include "logic/IntegerText.h"
#include "logic/IntroTestBank.h"
#include "logic/JournalFormat.h"
#include "logic/PracticeInput.h"
#include "logic/PracticePrompts.h"
#include "logic/ResultRecord.h"
#include "logic/TactSteps.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

// The lab's rules without a window: the practice's checks and prompts, the demonstration's
// walk, the tests' banks, draws and judging, the journal's lines.

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

// "234 next none": the lamps shown, 1 and 2 over the register (red, green), 3 and 4 over the
// selector; then how U эт and the Comparator are prompted.
QString describe(const Prompts& prompts) {
    static const char* const kFields[] = {" none", " next", " entered"};
    return QString(prompts.registerRed ? "1" : "") + (prompts.registerGreen ? "2" : "") +
           (prompts.selectorRed ? "3" : "") + (prompts.selectorGreen ? "4" : "") +
           kFields[int(prompts.uet)] + kFields[int(prompts.comparator)];
}

// "Конец 2-го такта. … | X 0 | on 32 | U эт 0": the status line, the tact's register cell, the
// Comparator while the comparison is on, the references on and U эт.
QString describe(const Demonstration::View& view) {
    QStringList on;
    for (const int weight : kReferenceWeights)
        if (view.references.contains(weight))
            on << QString::number(weight);
    const bool start = view.kind == Demonstration::View::Kind::Start;
    return QString::fromStdString(view.status) + " | " + QLatin1Char("PXYZABCD"[view.tact - 1]) +
           ' ' + QLatin1Char(view.registerDigit) +
           (start ? QStringLiteral(", K ") + QLatin1Char(view.comparator) : QString()) + " | on " +
           on.join(' ') + " | U эт " + QString::fromStdString(view.uet.value_or("as it was")) +
           (view.closesSwitch ? " | switch closed" : "");
}

// A question as banks.txt holds it: where it is asked and how it is answered, its text,
// options and key.
QStringList describe(const QString& where, const Question& q) {
    static const char* const kKinds[] = {"choice", "number", "digits", "word"};
    QString how = QLatin1String(kKinds[int(q.kind)]);
    for (const auto& [flag, name] : {std::pair{q.withUnit, ", with the unit"},
                                     {q.resetsNumber, ", number field at 0"},
                                     {q.emptiesText, ", text field emptied"}})
        how += flag ? QLatin1String(name) : QLatin1String();
    QStringList lines{where + " (" + how + "): " + QString::fromStdString(q.text)};
    for (const std::string& option : q.options)
        lines << "  option: " + QString::fromStdString(option);
    lines << "  key: " + (q.kind == AnswerKind::Number
                              ? QString::number(q.keyNumber, 'g', QLocale::FloatingPointShortest)
                              : QString::fromStdString(q.key));
    return lines;
}

} // namespace

class TestLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksInOrder();
    void coderStatePassesEveryStep();
    void prompts();
    void boundedRedraws();
    void banks();
    void clockSeededDraws();
    void coderScreens();
    void wholeNumbersAndPracticeInput();
    void testRunCounts();
    void reportNames();
    void journalNames();
    void olderJournals();
};

// Each line of checks.txt names a value and a step, then the checks the step makes, in order:
// the worked example -37 step by step, then the branches it does not take.
void TestLogic::checksInOrder() {
    QStringList now;
    for (const QStringList& row :
         Approved::rows("checks", QStringLiteral("(-?\\d+) step (\\d+):.*"))) {
        QStringList described;
        for (const Check& check : checksOf(BuildCodingTrace(row[0].toInt()), row[1].toInt()))
            described << describe(check);
        now << row[0] + " step " + row[1] + ": " + described.join(QLatin1Char(' '));
    }
    Approved::compare("checks", now);
}

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
            const auto cellOf = [&entries, &trace](Cell cell, int index) -> std::string& {
                if (cell == Cell::Register || cell == Cell::Comparator)
                    return index ? entries.registerCells[std::size_t(index - 1)]
                                 : entries.comparator;
                auto& row = cell == Cell::Selector ? entries.selector
                            : trace.positive       ? entries.gen2
                                                   : entries.gen1;
                return row[std::size_t(weightIndex(index))];
            };
            const auto named = [&checks](Cell cell, int index) {
                return std::any_of(checks.begin(), checks.end(), [&](const Check& c) {
                    return c.cell == cell && c.index == index;
                });
            };
            for (int tact = 1; tact <= 8; ++tact) // strays in the cells not named
                if (!named(Cell::Register, tact))
                    cellOf(Cell::Register, tact) = "1";
            for (const int weight : kReferenceWeights)
                for (const Cell row : {Cell::Generator, Cell::Selector})
                    if (!named(row, weight))
                        cellOf(row, weight) = "1";
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
                    cellOf(check.cell, check.index) = check.digit == '1' ? "0" : "1";
                QCOMPARE(firstFailure(trace, step, entries).value_or("passed"), check.message);
                entries = right;
            }
        }
    }
}

// Which lamps and colours point to the next entry within a step, as prompts.txt holds them:
// the rows touched in order (R the register, S the selector, U U эт, K the Comparator), then
// the lamps shown and how U эт and the Comparator are prompted. What is typed plays no part.
void TestLogic::prompts() {
    QStringList now;
    for (const QStringList& row : Approved::rows("prompts", QStringLiteral("([RSUK-]+) → .*"))) {
        Prompts shown;
        for (const QChar touch : row[0])
            if (const int at = QStringLiteral("RSUK").indexOf(touch); at >= 0)
                (shown.*std::array{&Prompts::registerRowTouched, &Prompts::selectorRowTouched,
                                   &Prompts::uetTouched, &Prompts::comparatorTouched}[at])();
        now << row[0] + " → " + describe(shown);
    }
    now << "finished → " + describe(Prompts::allOff());
    Approved::compare("prompts", now);
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

// Every question of both banks as a student can meet it, each variant that can be drawn, with
// the options in bank order, as proofread against the lab's own in banks.txt; the number
// questions 5 and 6 are listed at their ends and checked against their rule in between. (How
// answers are judged: the walk and testRunCounts.)
void TestLogic::banks() {
    const IntroTestBank intro;
    const FinalTestBank final;
    struct Test {
        const char* name;
        const QuestionBank& bank;
        int firstPool, lastPool, poolPositions;
    };
    QStringList now;
    for (const Test& test : {Test{"intro", intro, 1, 7, 4}, Test{"final", final, 8, 13, 2}}) {
        for (int n = test.poolPositions; n <= kQuestionCount; ++n) {
            const bool pooled = n == test.poolPositions;
            for (int pool = pooled ? test.firstPool : 0; pool <= (pooled ? test.lastPool : 0);
                 ++pool) {
                TestRun run;
                run.PoolPick.assign(std::size_t(test.poolPositions), pool);
                for (int variant = 0, variants = 1; variant < variants; ++variant) {
                    ScriptedDraws draws({variant, 1, 2}); // the variant, or the options in order
                    const Question q = test.bank.question(n, run);
                    if (!pooled && q.kind != AnswerKind::Choice)
                        variants = draws.ranges().front();
                    const QString where = QStringLiteral("%1 %2").arg(test.name).arg(n) +
                                          (pooled ? QStringLiteral(" pool %1").arg(pool)
                                                  : QStringLiteral(" variant %1").arg(variant + 1));
                    const int shown = QString::fromStdString(q.text).section('=', -1).toInt();
                    if (q.kind == AnswerKind::Number && !pooled) // m, or the amplitude coded
                        QCOMPARE(q.keyNumber, n == 5 ? std::pow(2.0, shown) - 1
                                                     : BuildCodingTrace(shown).segment);
                    if (variants < 100 || std::set{0, 15, 16, 1023, 1024, 2047}.count(shown))
                        now << describe(where, q);
                }
            }
        }
    }
    Approved::compare("banks", now);
}

void TestLogic::clockSeededDraws() {
    std::set<int> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(DrawRandom(3));
    QCOMPARE(seen, (std::set<int>{0, 1, 2}));
    QCOMPARE(DrawRandom(1), 0);
}

// What the coder screens say and show, as coder-screens.txt holds it: the demonstration of -37
// and of 1000 press by press, a new value drawn on the seventeenth press (a zero once more, and
// the second zero stands), and the practice opening on a value.
void TestLogic::coderScreens() {
    QStringList now;
    for (const int uaim : {-37, 1000}) {
        ScriptedDraws draws({uaim + 2000});
        Demonstration::Walk walk;
        walk.drawValue();
        now << QString::fromStdString(walk.valueStatus());
        for (int press = 1; press <= TactSteps::kCount; ++press) {
            now << QStringLiteral("%1 #%2: ").arg(uaim).arg(press) + describe(walk.press());
        }
        if (uaim < 0)
            continue;
        draws.push({2000, 2000});
        QCOMPARE(walk.press().kind, Demonstration::View::Kind::Restart);
        QCOMPARE(walk.stepCount(), 0);
        QCOMPARE(draws.remaining(), 0); // a zero, then one more
        now << QString::fromStdString(walk.valueStatus());
    }
    now << QString::fromStdString(openingStatus(-37));
    Approved::compare("coder-screens", now);
}

// The one grammar of whole numbers, and what the practice input refuses before coding, as
// whole-numbers.txt holds them.
void TestLogic::wholeNumbersAndPracticeInput() {
    QStringList now;
    for (const QStringList& row :
         Approved::rows("whole-numbers", QStringLiteral("\"(.*)\" → .*"))) {
        const std::optional<std::int32_t> read = parseInt32(row[0].toStdString());
        const auto refused = Practice::inputRefusal(row[0].toStdString());
        now << '"' + row[0] + "\" → " +
                   (read ? QString::number(*read) : QStringLiteral("no number")) +
                   (refused ? "; refused: " +
                                  QString::fromUtf8(refused->data(), qsizetype(refused->size()))
                            : QString());
    }
    Approved::compare("whole-numbers", now);
}

// How a run judges and counts, as test-runs.txt holds it: the answers, a question each (Right,
// Wrong, or refused first: x), then the counts and lists of both tests and the journal's
// score. A new run starts from nothing, and a finished run takes no further answer.
void TestLogic::testRunCounts() {
    struct Bank : QuestionBank {
        std::vector<int> drawPools() const override { return {}; }
        Question question(int n, TestRun&) const override {
            return {"Вопрос " + std::to_string(n), AnswerKind::Digits, {}, "5"};
        }
    } bank;
    KnowledgeTest test(bank);
    QStringList now;
    for (const QStringList& row : Approved::rows("test-runs", QStringLiteral("([RWx]+) → .*"))) {
        for (int round = 0; round < 2; ++round) {
            test.start();
            for (const QChar given : row[0]) {
                const int n = test.run().QuestionNo;
                test.putUp(n);
                const Verdict verdict = test.answer({"",
                                                     given == 'R'   ? "5"
                                                     : given == 'W' ? "6"
                                                                    : "x",
                                                     {}});
                QCOMPARE(QLatin1Char("RWx"[int(verdict)]), given);
                QCOMPARE(test.run().QuestionNo, given == 'x' ? n : n + 1);
            }
            QVERIFY(test.finished());
            QCOMPARE(test.answer({"", "5", {}}), Verdict::Wrong);
            test.countResults();
        }
        const Record::TestScore score = Record::scoreOf(test.run());
        now << row[0] + " → " +
                   QString::fromStdString(rightAnswersText(test.run()) + " | " +
                                          wrongAnswersText(test.run()) + " | " +
                                          IntroTestBank::wrongListText(test.run()) + "| " +
                                          FinalTestBank::wrongListText(test.run()) + "| " +
                                          std::to_string(score.right) + " right, wrong \"" +
                                          Record::questionList(score.wrongQuestions) + '"');
    }
    Approved::compare("test-runs", now);
}

// The name proposed for the report's file, from the date and the surnames, as
// report-names.txt holds it.
void TestLogic::reportNames() {
    QStringList now;
    for (const QStringList& row : Approved::rows("report-names", "\"(.*)\", \"(.*)\" → .*")) {
        Record::LabResult result;
        result.finishedAt = "2026-12-07 14:05:09";
        result.student1 = row[0].toStdString();
        result.student2 = row[1].toStdString();
        now << QStringLiteral("\"%1\", \"%2\" → ").arg(row[0], row[1]) +
                   QString::fromStdString(Record::reportFileName(result));
    }
    Approved::compare("report-names", now);
}

// A name is written so that a spreadsheet shows it as text, and read back as it was typed, as
// journal-names.txt holds it; \t, \r, \n and \" there stand for what they do in C.
void TestLogic::journalNames() {
    const auto escaped = [](const QString& text) { // as a JSON string's inside
        return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact))
            .mid(2)
            .chopped(2);
    };
    QStringList now, fields;
    std::string journal = Record::csvHeader() + "\n";
    for (const QStringList& row :
         Approved::rows("journal-names", QStringLiteral("\"(.*)\" → .*"))) {
        Record::LabResult result;
        result.finishedAt = "2026-12-07 14:05:09";
        result.student1 = result.student2 =
            QJsonDocument::fromJson(("[\"" + row[0] + "\"]").toUtf8())[0].toString().toStdString();
        const std::string line = Record::csvLine(result) + "\n";
        journal += line;
        const std::vector<std::string> written = Record::csvRecords(line).back();
        const std::vector<Record::LabResult> read = Record::readJournal(journal).results;
        QVERIFY(written[2] == written[1] && read.back().student2 == read.back().student1);
        fields << QString::fromStdString(written[1]);
        now << '"' + row[0] + "\" → \"" + escaped(fields.last()) + "\", " +
                   (read.back().student1 == result.student1 ? "read back as typed"
                                                            : "read back otherwise");
    }
    Approved::compare("journal-names", now);
    // Python's csv module, a reader as a spreadsheet's, takes each field as written.
    QProcess python;
    python.start(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import csv, io, json, sys\n"
                        "rows = csv.reader(io.TextIOWrapper(sys.stdin.buffer, newline=''))\n"
                        "print(json.dumps([row[1] for row in list(rows)[1:]]))")});
    python.write(QByteArray::fromStdString(journal));
    python.closeWriteChannel();
    QVERIFY(python.waitForFinished());
    QCOMPARE(QJsonDocument::fromJson(python.readAllStandardOutput()).toVariant().toStringList(),
             fields);
}

// A journal of the lab before the intro test's questions were kept: read whole, those
// questions unknown; torn or impossible lines passed over.
void TestLogic::olderJournals() {
    const std::string header = kOlderJournalHeader;
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
    QStringList read; // each result as the journal writes it now, then its wrong answers
    for (const Record::LabResult& r : older.results)
        read << QString::fromStdString(Record::csvLine(r)) +
                    QStringLiteral(" | %1 %2 %3")
                        .arg(r.intro.wrong)
                        .arg(r.final.wrong)
                        .arg(r.intro.questionsKnown ? "known" : "unknown");
    QCOMPARE(read,
             QStringList({"2026-12-07 14:05:09,\"Иванов,\nИван\",,9,7,2 5 9,-37,3,, | 1 3 unknown",
                          "2026-12-07 14:09:00,Сидоров,,10,10,,-2147483648,0,, | 0 0 unknown"}));
    QVERIFY(!Record::readJournal("Имя,Фамилия\nА,Б\n").valid);
    QVERIFY(!Record::readJournal("").valid);
}

QTEST_APPLESS_MAIN(TestLogic)
#include "tst_logic.moc"
