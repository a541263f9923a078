#include "FinalTestRun.h"
#include "LabTestSupport.h"

#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "widgets/Label.h"

#include <QTest>

using namespace driver;
using namespace finaltest;

namespace {

const QString kOneStudent = QStringLiteral("Студент, выполнивший работу:");
const QString kTwoStudents = QStringLiteral("Студенты, выполнившие работу:");

QString LabelText(const char* name) {
    return Control<Label>(Form8, name)->text();
}

QString ResultList(int q) {
    return QStringLiteral("Ошибки в вопросах:") + (q ? QStringLiteral(" %1").arg(q) : QString());
}

void Register(const QString& first, const QString& second) {
    for (auto [field, name] : {std::pair{"Edit1", first}, std::pair{"Edit2", second}}) {
        Control<QLineEdit>(Form7, field)->clear();
        TypeText(Control<QLineEdit>(Form7, field), name);
    }
}

} // namespace

class TestUnit8 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init() { lab = std::make_unique<TestLab>(); }
    void cleanup() { lab.reset(); }

    void everyKeyIsJudged_data();
    void everyKeyIsJudged();
    void digitsThatAreNoWholeNumberAreRefused();
    void bothBlockQuestionsMayBeTheSame();
    void reportCountsAndNamesTheStudents_data();
    void reportCountsAndNamesTheStudents();
    void repeatStartsAfreshAndReadsTheNamesAgain();

private:
    bool start(const FinalRun& run, bool repeat = false);
    bool play(const FinalRun& run, const std::function<void(int q)>& inspect = {},
              bool repeat = false);

    std::unique_ptr<TestLab> lab;
};

// Queues the run's draws and shows the screen (or repeats the test), which opens on the
// first question at once.
bool TestUnit8::start(const FinalRun& run, bool repeat) {
    lab->script(run);
    if (repeat)
        Click(Form8, "RzURLLabel2");
    else
        Form8->showScreen();
    return Visibility(Form8, {"LMDGroupBox1", "LMDRadioGroup1", "Edit1", "LMDButton1"},
                      {"Panel1", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
                       "Label7", "RzURLLabel2"});
}

// Plays the run through; checks at every question how Edit1 is offered, and lets
// `inspect` look at it before the reply.
bool TestUnit8::play(const FinalRun& run, const std::function<void(int q)>& inspect, bool repeat) {
    const auto check = [&](int q) {
        QCOMPARE(Shown(Form8, "Edit1"), q != 7);
        QCOMPARE(Edit1(Form8)->width(), q <= 2 ? 185 : 73);
        QCOMPARE(Shown(Form8, "Panel1"), q == 3);
        QCOMPARE(Options(Form8).size(), q == 7 ? 3 : 0);
        if (inspect)
            inspect(q);
    };
    return start(run, repeat) && ReplyToAll(Form8, run.replies, check) && lab->finished();
}

void TestUnit8::everyKeyIsJudged_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("value"); // the pool for 1 and 2, the variant number after
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    const auto row = [](int q, int value, const QString& reply, bool right) {
        QTest::addRow("q%d %d, %s", q, value, qPrintable(reply)) << q << value << reply << right;
    };
    // Case counts and nothing is trimmed.
    for (int pool = 8; pool <= 13; ++pool) {
        const QString key = kBlocks[pool - 8].key;
        row(pool % 2 + 1, pool, key, true);
        row(2 - pool % 2, pool,
            pool % 2 ? key.left(1).toUpper() + key.mid(1) : key + QLatin1Char(' '), false);
    }
    // The text is compared, not the number: a leading zero or a lost minus is wrong.
    for (int q = 3; q <= 10; ++q) {
        if (q == 7)
            continue;
        const QStringList& keys = Digits(q).keys;
        for (int variant = 1; variant <= keys.size(); ++variant)
            row(q, variant, keys[variant - 1], true);
        row(q, 1,
            keys[0].startsWith(QLatin1Char('-')) ? keys[0].mid(1) : QLatin1Char('0') + keys[0],
            false);
    }
    row(10, 3, QStringLiteral("+10110011"), false);
    // Options listed in the drawn order 3, 1, 2: the key, option 2, comes third.
    for (int listed = 1; listed <= 3; ++listed)
        row(7, 0, QString::number(listed), listed == 3);
}

void TestUnit8::everyKeyIsJudged() {
    QFETCH(int, question);
    QFETCH(int, value);
    QFETCH(QString, reply);
    QFETCH(bool, right);
    FinalRun run;
    run.order = {3, 1, 2};
    if (question <= 2) {
        run.pools = {value == 8 ? 13 : value - 1, value == 8 ? 13 : value - 1};
        run.pools[question - 1] = value;
    } else {
        run.variants[question] = value;
    }
    run.answerAllRight();
    run.replies[question - 1] = reply;
    // Looks at the question under test as it comes up.
    const auto inspect = [&](int q) {
        if (q != question)
            return;
        const QString text = QuestionText(Form8);
        if (q <= 2) {
            QVERIFY(text.contains(kBlocks[value - 8].words));
            QVERIFY(text.endsWith(QStringLiteral("? (прописью)")));
        } else if (q != 7) {
            QCOMPARE(text, Digits(q).text(value));
        } else {
            QCOMPARE(text, kQuestion7Text);
            const QStringList options = Options(Form8);
            QCOMPARE(options[2], kQuestion7Key);
            for (const QString& option : options)
                QVERIFY(option.endsWith(QStringLiteral("Компаратор …")));
            QCOMPARE(Control<RadioGroup>(Form8, "LMDRadioGroup1")->itemIndex(), -1);
        }
    };
    QVERIFY(play(run, inspect));
    QCOMPARE(LabelText("Label7"), ResultList(right ? 0 : question));
}

void TestUnit8::digitsThatAreNoWholeNumberAreRefused() {
    FinalRun run;
    QVERIFY(start(run));
    for (int q = 1; q <= 2; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));
    RefuseThenAccept(Form8, lab->errors, QStringLiteral("цифровой регистр"), run.replies[2]);
    for (int q = 4; q <= 10; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));
    QCOMPARE(LabelText("Label7"), ResultList(0));
}

void TestUnit8::bothBlockQuestionsMayBeTheSame() {
    // Every draw repeats the first: the second pick runs to its bound, 101 draws.
    lab->draws.setFallback(0);
    Form8->showScreen();
    QCOMPARE(lab->draws.ranges(), QList<int>(1 + 101, 6));
    const QString first = QuestionText(Form8);
    QVERIFY(Reply(Form8, kBlocks[0].key));
    QCOMPARE(QuestionText(Form8), first);
}

void TestUnit8::reportCountsAndNamesTheStudents_data() {
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("all right, one student") << QList<int>{} << QStringLiteral("Ошибки в вопросах:")
                                            << QStringLiteral("Иванов Иван Иванович") << QString();
    QTest::newRow("all wrong, two students")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
        << QStringLiteral("Ошибки в вопросах: 1 2 3 4 5 6 7 8 9 10")
        << QStringLiteral("Иванов Иван Иванович") << QStringLiteral("Петрова Мария Сергеевна");
    QTest::newRow("some wrong, names as typed")
        << QList<int>{1, 7, 9} << QStringLiteral("Ошибки в вопросах: 1 7 9")
        << QStringLiteral(" Сидоров  ") << QStringLiteral("x");
}

void TestUnit8::reportCountsAndNamesTheStudents() {
    QFETCH(QList<int>, wrong);
    QFETCH(QString, list);
    QFETCH(QString, first);
    QFETCH(QString, second);
    Register(first, second);
    FinalRun run;
    for (const int q : wrong)
        run.replies[q - 1] = run.wrongReply(q);
    QVERIFY(play(run));

    QCOMPARE(LabelText("Label5"), QStringLiteral("Правильных ответов: %1").arg(10 - wrong.size()));
    QCOMPARE(LabelText("Label6"), QStringLiteral("Неправильных ответов: %1").arg(wrong.size()));
    QCOMPARE(LabelText("Label7"), list);
    QCOMPARE(LabelText("Label1"), second.isEmpty() ? kOneStudent : kTwoStudents);
    QCOMPARE(LabelText("Label2"), first);
    QCOMPARE(Shown(Form8, "Label3"), !second.isEmpty());
    if (!second.isEmpty())
        QCOMPARE(LabelText("Label3"), second);
    QVERIFY(Visibility(Form8,
                       {"Label4", "Label5", "Label6", "Label7", "Label1", "Label2", "RzURLLabel2"},
                       {"LMDGroupBox1", "LMDRadioGroup1", "LMDButton1", "Edit1", "Panel1"}));
}

void TestUnit8::repeatStartsAfreshAndReadsTheNamesAgain() {
    Register(QStringLiteral("Иванов"), QStringLiteral("Петров"));
    FinalRun first;
    for (int q = 1; q <= 10; ++q)
        first.replies[q - 1] = first.wrongReply(q);
    QVERIFY(play(first));
    QCOMPARE(LabelText("Label1"), kTwoStudents);

    // New draws, a fresh count, and the names as they stand now: the second one cleared.
    Register(QStringLiteral("Иванов И."), QString());
    FinalRun second;
    second.pools = {13, 11};
    second.variants = {0, 0, 0, 5, 4, 3, 2, 0, 6, 5, 4};
    second.order = {2, 1, 3};
    second.answerAllRight();
    QVERIFY(play(second, {}, /*repeat=*/true));
    QCOMPARE(LabelText("Label7"), ResultList(0));
    QCOMPARE(LabelText("Label5"), QStringLiteral("Правильных ответов: 10"));
    QCOMPARE(LabelText("Label1"), kOneStudent);
    QCOMPARE(LabelText("Label2"), QStringLiteral("Иванов И."));
    QVERIFY(!Shown(Form8, "Label3"));
}

QTEST_MAIN(TestUnit8)
#include "tst_unit8.moc"
