// SPDX-License-Identifier: MIT
#include "ScriptedDraws.h"

#include "coder/CoderModel.h"
#include "logic/FinalTestBank.h"
#include "logic/IntroTestBank.h"

#include <QTest>

#include <cmath>
#include <set>

Q_DECLARE_METATYPE(AnswerKind)
Q_DECLARE_METATYPE(Verdict)

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
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

// The level a code word stands for: the lowest magnitude that the coder gives that word.
std::string levelOf(const std::string& code) {
    const unsigned word = std::stoul(code, nullptr, 2);
    int magnitude = 0;
    while ((BuildCodingTrace(magnitude).codeWord & 0x7F) != (word & 0x7F))
        ++magnitude;
    return (word & 0x80 ? "" : "-") + std::to_string(magnitude);
}

// Puts up question n of a bank in each of its variants, drawn in turn; returns them.
std::vector<Question> everyVariant(const QuestionBank& bank, int n, int& count) {
    std::vector<Question> questions;
    TestRun run;
    for (int variant = 0;; ++variant) {
        ScriptedDraws draws{variant};
        questions.push_back(bank.question(n, run));
        count = draws.ranges().at(0);
        if (variant + 1 == count)
            return questions;
    }
}

} // namespace

class TestKnowledgeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void judging_data();
    void judging();
    void boundedRedraws_data();
    void boundedRedraws();
    void introPool_data();
    void introPool();
    void introFixedQuestions();
    void finalPool_data();
    void finalPool();
    void finalFixedQuestions_data();
    void finalFixedQuestions();
    void runCountsAndStartsAfresh();
    void clockSeededDraws();
};

void TestKnowledgeTest::judging_data() {
    QTest::addColumn<AnswerKind>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer"); // the option, the text, or the number ("": none)
    QTest::addColumn<Verdict>("verdict");
    const auto row = [](const char* name, AnswerKind kind, const QString& key,
                        const QString& answer, Verdict verdict) {
        QTest::newRow(name) << kind << key << answer << verdict;
    };
    const QString step = QStringLiteral("Увеличивается в 2 раза.");
    row("choice right", AnswerKind::Choice, step, step, Verdict::Right);
    row("choice other", AnswerKind::Choice, step, QStringLiteral("Не изменяется."), Verdict::Wrong);
    row("choice none", AnswerKind::Choice, step, "", Verdict::Wrong);
    row("number exact", AnswerKind::Number, "0.128", "0.128", Verdict::Right);
    row("number near", AnswerKind::Number, "0.128", "0.1279", Verdict::Wrong);
    row("number zero", AnswerKind::Number, "0", "0", Verdict::Right);
    row("no number", AnswerKind::Number, "0", "", Verdict::Wrong);
    row("digits right", AnswerKind::Digits, "-400", "-400", Verdict::Right);
    row("sign missing", AnswerKind::Digits, "-400", "400", Verdict::Wrong);
    row("plus sign", AnswerKind::Digits, "5", "+5", Verdict::Wrong);
    row("leading zero added", AnswerKind::Digits, "10110011", "010110011", Verdict::Wrong);
    row("leading zero kept", AnswerKind::Digits, "01000010", "01000010", Verdict::Right);
    row("leading zero missing", AnswerKind::Digits, "01000010", "1000010", Verdict::Wrong);
    row("int32 max", AnswerKind::Digits, "62", "2147483647", Verdict::Wrong);
    row("int32 min", AnswerKind::Digits, "62", "-2147483648", Verdict::Wrong);
    row("beyond int32", AnswerKind::Digits, "62", "2147483648", Verdict::Refused);
    row("below int32", AnswerKind::Digits, "62", "-2147483649", Verdict::Refused);
    row("letters", AnswerKind::Digits, "62", "62a", Verdict::Refused);
    row("comma", AnswerKind::Digits, "62", "6,2", Verdict::Refused);
    row("blank", AnswerKind::Digits, "62", " 62", Verdict::Refused);
    row("lone sign", AnswerKind::Digits, "62", "-", Verdict::Refused);
    row("other digits", AnswerKind::Digits, "62", QStringLiteral("٦٢"), Verdict::Refused);
    const QString block = QStringLiteral("цифровой регистр");
    row("word right", AnswerKind::Word, block, block, Verdict::Right);
    row("capital", AnswerKind::Word, block, QStringLiteral("Цифровой регистр"), Verdict::Wrong);
    row("doubled blank", AnswerKind::Word, block, QStringLiteral("цифровой  регистр"),
        Verdict::Wrong);
    row("trailing blank", AnswerKind::Word, block, block + QLatin1Char(' '), Verdict::Wrong);
    row("word never refused", AnswerKind::Word, block, "62a", Verdict::Wrong);
}

void TestKnowledgeTest::judging() {
    QFETCH(AnswerKind, kind);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QFETCH(Verdict, verdict);
    Question question;
    question.kind = kind;
    question.key = key.toStdString();
    question.keyNumber = key.toDouble();
    Answer given;
    if (kind == AnswerKind::Choice)
        given.selected = answer.toStdString();
    else if (kind == AnswerKind::Number && !answer.isEmpty())
        given.number = answer.toDouble();
    else
        given.text = answer.toStdString();
    QCOMPARE(judgeAnswer(question, given), verdict);
}

void TestKnowledgeTest::boundedRedraws_data() {
    QTest::addColumn<int>("positions"); // 0: the order of a choice question's options
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<int>("draws");
    // A script that always repeats uses up every bound: 1 + 101 + 10001 + 10001 draws.
    QTest::newRow("intro pools, all alike") << 4 << QList<int>{} << "1 1 1 1" << 20104;
    QTest::newRow("intro pools") << 4 << QList<int>{1, 1, 0, 1, 0, 2, 2, 6} << "2 1 3 7" << 8;
    QTest::newRow("final pools, all alike") << 2 << QList<int>{} << "8 8" << 102;
    QTest::newRow("final pools") << 2 << QList<int>{5, 5, 0} << "13 8" << 3;
    QTest::newRow("options, all alike") << 0 << QList<int>{} << "a a a" << 110003;
    QTest::newRow("options") << 0 << QList<int>{2, 2, 2, 0, 0, 2, 1} << "c a b" << 7;
}

void TestKnowledgeTest::boundedRedraws() {
    QFETCH(int, positions);
    QFETCH(QList<int>, script);
    QFETCH(QString, drawn);
    QFETCH(int, draws);
    ScriptedDraws scripted;
    for (const int value : script)
        scripted.push({value});
    scripted.setFallback(0);
    QStringList result;
    if (positions == 0) {
        const Question q = choiceQuestion({"?", {"a", "b", "c"}, 2});
        QCOMPARE(q.key, "b");
        for (const std::string& option : q.options)
            result << qs(option);
    } else {
        const std::vector<int> picks =
            positions == 4 ? IntroTestBank().drawPools() : FinalTestBank().drawPools();
        for (const int pick : picks)
            result << QString::number(pick);
    }
    QCOMPARE(result.join(QLatin1Char(' ')), drawn);
    QCOMPARE(int(scripted.ranges().size()), draws);
}

void TestKnowledgeTest::introPool_data() {
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("keyOption"); // 0: a number answer
    for (const auto& [pool, key] :
         {std::pair{1, 3}, {2, 2}, {3, 1}, {4, 1}, {5, 2}, {6, 0}, {7, 3}})
        QTest::addRow("pool %d", pool) << pool << key;
}

void TestKnowledgeTest::introPool() {
    QFETCH(int, pool);
    QFETCH(int, keyOption);
    TestRun run;
    run.PoolPick = {5, 2, 4, pool};
    ScriptedDraws draws{0, 1, 2}; // options in bank order
    const Question q = IntroTestBank().question(4, run);
    QCOMPARE(q.withUnit, false);
    if (keyOption == 0) {
        QCOMPARE(q.kind, AnswerKind::Number);
        QCOMPARE(q.keyNumber, 0.128); // 0 and 128 typed under a decimal comma
        QVERIFY(qs(q.text).endsWith(QStringLiteral("(через запятую)")));
        return;
    }
    QCOMPARE(q.kind, AnswerKind::Choice);
    QCOMPARE(int(q.options.size()), 3);
    QCOMPARE(q.key, q.options[std::size_t(keyOption - 1)]);
    QCOMPARE(draws.remaining(), 0);
}

void TestKnowledgeTest::introFixedQuestions() {
    const IntroTestBank bank;
    int count = 0;
    const std::vector<Question> q5 = everyVariant(bank, 5, count);
    QCOMPARE(count, 10);
    for (int m = 2; m <= 11; ++m) {
        const Question& q = q5[std::size_t(m - 2)];
        QVERIFY(qs(q.text).endsWith(QStringLiteral("m=%1").arg(m)) && q.withUnit);
        QCOMPARE(q.keyNumber, std::pow(2.0, m) - 1);
    }
    const std::vector<Question> q6 = everyVariant(bank, 6, count);
    QCOMPARE(count, 2048);
    for (int amplitude = 0; amplitude < 2048; ++amplitude) {
        const Question& q = q6[std::size_t(amplitude)];
        QVERIFY(qs(q.text).endsWith(QStringLiteral("=%1").arg(amplitude)) && !q.withUnit);
        QCOMPARE(q.keyNumber, double(BuildCodingTrace(amplitude).segment));
    }
    // Natural code, symmetric code, code width of a level, symmetric code of a negative.
    for (const auto& [n, variants] : {std::pair{7, 5}, {8, 5}, {9, 6}, {10, 5}}) {
        for (const Question& q : everyVariant(bank, n, count)) {
            const int value = int(numberAfter(q.text, n == 9 ? "равным " : "амплитудой "));
            const std::string key =
                n == 7   ? binary(unsigned(value), 0)
                : n == 9 ? std::to_string(binary(unsigned(value), 0).size())
                         : (value > 0 ? "1" : "0") + binary(unsigned(std::abs(value)), 7);
            QCOMPARE(q.kind, AnswerKind::Digits);
            QCOMPARE(q.key, key);
        }
        QCOMPARE(count, variants);
    }
}

void TestKnowledgeTest::finalPool_data() {
    QTest::addColumn<int>("pool");
    QTest::addColumn<QString>("key");
    const char* const keys[] = {"компаратор",
                                "генератор эталонных напряжений",
                                "блок коммутации эталонов",
                                "блок выбора сегмента",
                                "цифровой регистр",
                                "преобразователь кода"};
    for (int pool = 8; pool <= 13; ++pool)
        QTest::addRow("pool %d", pool) << pool << QString::fromUtf8(keys[pool - 8]);
}

void TestKnowledgeTest::finalPool() {
    QFETCH(int, pool);
    QFETCH(QString, key);
    TestRun run;
    run.PoolPick = {13, pool};
    const Question q = FinalTestBank().question(2, run);
    QCOMPARE(q.kind, AnswerKind::Word);
    QCOMPARE(qs(q.key), key);
    QVERIFY(qs(q.text).endsWith(QStringLiteral("(прописью)")));
}

void TestKnowledgeTest::finalFixedQuestions_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("variants");
    QTest::addColumn<QString>("keys"); // how each key follows from its text, or the keys
    QTest::newRow("3") << 3 << 5 << "level of the code after 'кодера '";
    QTest::newRow("4") << 4 << 5 << "code of the value after 'равна '";
    QTest::newRow("5") << 5 << 5 << "level of the code after 'кодера '";
    QTest::newRow("6") << 6 << 5 << "code of the value after 'равна '";
    QTest::newRow("8") << 8 << 6 << "code of the value after 'Uаим='";
    QTest::newRow("9") << 9 << 5 << "1728 876 184 -796 -184";
    QTest::newRow("10") << 10 << 4 << "code of U0 over delta";
}

void TestKnowledgeTest::finalFixedQuestions() {
    QFETCH(int, n);
    QFETCH(int, variants);
    QFETCH(QString, keys);
    int count = 0;
    const std::vector<Question> questions = everyVariant(FinalTestBank(), n, count);
    QCOMPARE(count, variants);
    for (std::size_t v = 0; v < questions.size(); ++v) {
        const Question& q = questions[v];
        const QString marker = keys.section(QLatin1Char('\''), 1, 1);
        std::string key;
        if (keys.startsWith(QLatin1String("level")))
            key = levelOf(std::to_string(std::lround(numberAfter(q.text, marker.toStdString()))));
        else if (keys.startsWith(QLatin1String("code of the value")))
            key = codeOf(int(numberAfter(q.text, marker.toStdString())));
        else if (keys.startsWith(QLatin1String("code of U0")))
            key = codeOf(
                int(std::lround(numberAfter(q.text, "U0(t)=") / numberAfter(q.text, "delta="))));
        else
            key = keys.split(QLatin1Char(' '))[int(v)].toStdString();
        QCOMPARE(q.kind, AnswerKind::Digits);
        QCOMPARE(q.key, key);
        QCOMPARE(q.withUnit, n == 3);
    }
}

void TestKnowledgeTest::runCountsAndStartsAfresh() {
    const FinalTestBank bank;
    KnowledgeTest test(bank);
    ScriptedDraws draws{5, 0};
    draws.setFallback(0);
    test.start();
    QCOMPARE(test.run().PoolPick, (std::vector<int>{13, 8}));
    for (int n = 1; n <= kQuestionCount; ++n) {
        const Question& q = test.putUp(n);
        QCOMPARE(test.run().QuestionNo, n);
        if (q.kind != AnswerKind::Word) // a digits answer that is no number is refused
            QCOMPARE(test.answer({q.key, "12a", {}}),
                     q.kind == AnswerKind::Digits ? Verdict::Refused : Verdict::Right);
        if (q.kind == AnswerKind::Choice)
            continue;
        QCOMPARE(test.run().QuestionNo, n);
        const bool wrong = n == 2 || n == 5 || n == 9;
        QCOMPARE(test.answer({{}, wrong ? q.key + "0" : q.key, {}}),
                 wrong ? Verdict::Wrong : Verdict::Right);
    }
    QVERIFY(test.finished());
    QCOMPARE(test.answer({}), Verdict::Wrong); // nothing left to answer
    QCOMPARE(test.run().QuestionNo, 11);
    test.countResults();
    QCOMPARE(qs(rightAnswersText(test.run())), QStringLiteral("Правильных ответов: 7"));
    QCOMPARE(qs(wrongAnswersText(test.run())), QStringLiteral("Неправильных ответов: 3"));
    QCOMPARE(qs(FinalTestBank::wrongListText(test.run())),
             QStringLiteral("Ошибки в вопросах: 2 5 9"));
    QCOMPARE(qs(IntroTestBank::wrongListText(test.run())),
             QStringLiteral("Ошибки в вопросах:  2 5 9"));
    QCOMPARE(qs(FinalTestBank::studentsHeading("")),
             QStringLiteral("Студент, выполнивший работу:"));
    QCOMPARE(qs(FinalTestBank::studentsHeading(" ")),
             QStringLiteral("Студенты, выполнившие работу:"));

    // A new run forgets the old one; all right, the lists stay empty.
    test.start();
    QCOMPARE(test.run().QuestionNo, 1);
    QCOMPARE(test.run().AnswerWrong, (std::array<int, kQuestionCount>{}));
    for (int n = 1; n <= kQuestionCount; ++n) {
        const Question& q = test.putUp(n);
        test.answer({q.key, q.key, {}});
    }
    test.countResults();
    QCOMPARE(test.run().WrongCount, 0);
    QCOMPARE(qs(IntroTestBank::wrongListText(test.run())), QStringLiteral("Ошибки в вопросах: "));
    QCOMPARE(qs(FinalTestBank::wrongListText(test.run())), QStringLiteral("Ошибки в вопросах:"));
}

void TestKnowledgeTest::clockSeededDraws() {
    std::set<int> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(DrawRandom(3));
    QCOMPARE(seen, (std::set<int>{0, 1, 2}));
    QCOMPARE(DrawRandom(1), 0);
}

QTEST_APPLESS_MAIN(TestKnowledgeTest)
#include "tst_knowledgetest.moc"
