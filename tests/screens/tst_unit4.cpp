#include "IntroTestRun.h"
#include "LabTestSupport.h"

#include "screens/Unit4.h"
#include "widgets/Label.h"

#include <QTest>

using namespace driver;
using namespace intro;

namespace {

QString LabelText(const char* name) {
    return Control<Label>(Form4, name)->text();
}

QString ResultList(int q) {
    return QStringLiteral("Ошибки в вопросах: ") + (q ? QStringLiteral(" %1").arg(q) : QString());
}

// A run with options listed in the order 3, 1, 2 and `value` at question q: the pool for
// 1 to 4 (the other positions from the rest of the pool), m for 5, the amplitude for 6,
// the variant number after.
IntroRun RunWith(int q, int value) {
    IntroRun run;
    run.order = {3, 1, 2};
    if (q <= 4) {
        for (int position = 1, other = 0; position <= 4; ++position) {
            if (++other == value)
                ++other;
            run.pools[position - 1] = position == q ? value : other;
        }
    } else if (q == 5) {
        run.width = value;
    } else if (q == 6) {
        run.amplitude = value;
    } else {
        run.variants[q - 7] = value;
    }
    run.answerAllRight();
    return run;
}

} // namespace

class TestUnit4 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init() { lab = std::make_unique<TestLab>(); }
    void cleanup() { lab.reset(); }

    void everyKeyIsJudged_data();
    void everyKeyIsJudged();
    void digitsThatAreNoWholeNumberAreRefused();
    void answerButtonFollowsTheInput();
    void exhaustedRedrawsKeepTheirBoundsAndRepeat();
    void resultsCountAndListWrongAnswers_data();
    void resultsCountAndListWrongAnswers();
    void repeatStartsAfresh();

private:
    bool start(const IntroRun& run, bool repeat = false);
    bool play(const IntroRun& run, const std::function<void(int q)>& inspect = {},
              bool repeat = false);

    std::unique_ptr<TestLab> lab;
};

// Queues the run's draws, shows the screen (or repeats the test) and clicks "Начать тест"
// on the instructions, which come alone, even when the first question takes a number.
bool TestUnit4::start(const IntroRun& run, bool repeat) {
    lab->script(run);
    if (repeat)
        Click(Form4, "RzURLLabel2");
    else
        Form4->showScreen();
    if (!Visibility(Form4, {"Label1", "Label2", "RzURLLabel1"},
                    {"LMDGroupBox1", "LMDRadioGroup1", "RxCalcEdit1", "Panel1", "Edit1",
                     "LMDButton1", "Label4", "Label5", "Label6", "Label3", "RzURLLabel2",
                     "RzURLLabel3"}))
        return false;
    Click(Form4, "RzURLLabel1");
    return Visibility(Form4, {"LMDGroupBox1", "LMDRadioGroup1", "LMDButton1"},
                      {"Label1", "Label2", "RzURLLabel1"});
}

// Plays the run through; checks at every question which entry field it offers, and lets
// `inspect` look at it before the reply.
bool TestUnit4::play(const IntroRun& run, const std::function<void(int q)>& inspect, bool repeat) {
    const auto check = [&](int q) {
        const bool number = q == 5 || q == 6 || (q <= 4 && run.key(q) == 0);
        QCOMPARE(NumberField(Form4) != nullptr, number);
        if (number)
            QCOMPARE(NumberField(Form4)->value(), 0.0);
        QCOMPARE(Shown(Form4, "Edit1"), q >= 7);
        QCOMPARE(Shown(Form4, "Panel1"), q == 5);
        QCOMPARE(Control<RadioGroup>(Form4, "LMDRadioGroup1")->itemIndex(), -1);
        if (inspect)
            inspect(q);
    };
    return start(run, repeat) && ReplyToAll(Form4, run.replies, check) && lab->finished();
}

void TestUnit4::everyKeyIsJudged_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("value"); // as RunWith() takes it
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    const auto right = [](int q, int value) {
        QTest::addRow("q%d %d", q, value) << q << value << RunWith(q, value).rightReply(q) << true;
    };
    const auto wrong = [](int q, int value, const QString& reply) {
        QTest::addRow("q%d %d, %s", q, value, qPrintable(reply)) << q << value << reply << false;
    };
    for (int pool = 1; pool <= 7; ++pool) {
        const int position = (pool - 1) % 4 + 1;
        right(position, pool);
        wrong(position, pool, RunWith(position, pool).wrongReply(position));
    }
    // The number question shows its field at every position.
    for (const int position : {1, 3, 4})
        right(position, 6);

    for (int width = 2; width <= 11; ++width)
        right(5, width);
    wrong(5, 3, QStringLiteral("8"));
    // Both ends of every segment.
    for (int segment = 0; segment <= 7; ++segment) {
        right(6, segment ? 8 << segment : 0);
        right(6, (16 << segment) - 1);
    }
    wrong(6, 16, QStringLiteral("0"));
    // A click into the field without typing answers 0, right in segment 0.
    QTest::newRow("q6 9, untouched") << 6 << 9 << QString() << true;

    for (int q = 7; q <= 10; ++q)
        for (int variant = 1; variant <= kDigits[q - 7].keys.size(); ++variant)
            right(q, variant);
    wrong(7, 2, QStringLiteral("0111010"));
    wrong(8, 1, QStringLiteral("+11000001"));
    wrong(9, 1, QStringLiteral("-5"));
    wrong(10, 1, QStringLiteral("1000010"));
}

void TestUnit4::everyKeyIsJudged() {
    QFETCH(int, question);
    QFETCH(int, value);
    QFETCH(QString, reply);
    QFETCH(bool, right);
    IntroRun run = RunWith(question, value);
    run.replies[question - 1] = reply;
    // Looks at the question under test as it comes up.
    const auto inspect = [&](int q) {
        if (q != question)
            return;
        const QString text = QuestionText(Form4);
        if (q <= 4) {
            const PoolQuestion& pool = kPool[value - 1];
            QCOMPARE(text, pool.text);
            const QStringList options = Options(Form4);
            if (pool.key)
                QVERIFY(
                    options[Listed(run.order, pool.key).toInt() - 1].startsWith(pool.keyBegins));
            if (value == 5)
                QVERIFY(options.contains(kDoubleBlankOption));
        } else if (q <= 6) {
            QCOMPARE(text, (q == 5 ? kQuestion5Text : kQuestion6Text) + QString::number(value));
        } else {
            QCOMPARE(text, kDigits[q - 7].text(value));
        }
        // The entry field and the unit picture lie above the answer frame they stand in.
        if (q >= 5)
            QCOMPARE(Form4->childAt(40, 160),
                     Control<QWidget>(Form4, q <= 6 ? "RxCalcEdit1" : "Edit1"));
        if (q == 5)
            QCOMPARE(Form4->childAt(115, 160), Control<QWidget>(Form4, "Panel1"));
    };
    QVERIFY(play(run, inspect));
    QCOMPARE(LabelText("Label3"), ResultList(right ? 0 : question));
}

void TestUnit4::digitsThatAreNoWholeNumberAreRefused() {
    IntroRun run;
    QVERIFY(start(run));
    for (int q = 1; q <= 6; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));
    RefuseThenAccept(Form4, lab->errors, QStringLiteral("1000001b"), run.replies[6]);
    for (int q = 8; q <= 10; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));
    QCOMPARE(LabelText("Label5"), QStringLiteral("Правильных ответов: 10"));
}

void TestUnit4::answerButtonFollowsTheInput() {
    IntroRun run;
    QVERIFY(start(run));
    QPushButton* button = AnswerButton(Form4);
    auto* group = Control<RadioGroup>(Form4, "LMDRadioGroup1");
    const QPoint beside(group->width() - 10, group->height() - 10);

    // Choice: a click beside the options neither enables nor disables.
    QTest::mouseClick(group, Qt::LeftButton, {}, beside);
    QVERIFY(!button->isEnabled());
    ChooseOption(Form4, 2);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(group, Qt::LeftButton, {}, beside);
    QVERIFY(button->isEnabled());
    PressAnswer(Form4);
    for (int q = 2; q <= 4; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));

    // Number: a click into the field enables without typing; so does a changed value.
    QTest::mouseClick(NumberField(Form4), Qt::LeftButton);
    QVERIFY(button->isEnabled());
    PressAnswer(Form4);
    QVERIFY(!button->isEnabled());
    NumberField(Form4)->setValue(7);
    QVERIFY(button->isEnabled());
    PressAnswer(Form4);

    // Digits: any text enables, emptying disables, and a disabled button does nothing.
    QTest::keyClick(Edit1(Form4), '1');
    QVERIFY(button->isEnabled());
    QTest::keyClick(Edit1(Form4), Qt::Key_Backspace);
    QVERIFY(!button->isEnabled());
    PressAnswer(Form4);
    QCOMPARE(Form4->questionNo(), 7);
    QCOMPARE(lab->errors.count(), 0);
}

void TestUnit4::exhaustedRedrawsKeepTheirBoundsAndRepeat() {
    // Every draw repeats the first: each redraw runs to its bound and keeps the repeat.
    lab->draws.setFallback(0);
    Form4->showScreen();
    Click(Form4, "RzURLLabel1");
    const QList<int>& ranges = lab->draws.ranges();
    QCOMPARE(ranges.count(7), 1 + 101 + 10001 + 10001);
    QCOMPARE(ranges.count(3), 1 + 10001 + 100001);
    QCOMPARE(ranges.size(), ranges.count(7) + ranges.count(3));
    const QStringList options = Options(Form4);
    QCOMPARE(options, QStringList(3, options[0]));

    // The same pool question comes next.
    const QString first = QuestionText(Form4);
    QVERIFY(Reply(Form4, QStringLiteral("1")));
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 2"));
    QCOMPARE(QuestionText(Form4), first);
}

void TestUnit4::resultsCountAndListWrongAnswers_data() {
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<QString>("list");
    QTest::newRow("all right") << QList<int>{} << QStringLiteral("Ошибки в вопросах: ");
    QTest::newRow("all wrong") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                               << QStringLiteral("Ошибки в вопросах:  1 2 3 4 5 6 7 8 9 10");
    QTest::newRow("some wrong") << QList<int>{2, 5, 9, 10}
                                << QStringLiteral("Ошибки в вопросах:  2 5 9 10");
}

void TestUnit4::resultsCountAndListWrongAnswers() {
    QFETCH(QList<int>, wrong);
    QFETCH(QString, list);
    IntroRun run;
    for (const int q : wrong)
        run.replies[q - 1] = run.wrongReply(q);
    QVERIFY(play(run));
    QCOMPARE(LabelText("Label5"), QStringLiteral("Правильных ответов: %1").arg(10 - wrong.size()));
    QCOMPARE(LabelText("Label6"), QStringLiteral("Неправильных ответов: %1").arg(wrong.size()));
    QCOMPARE(LabelText("Label3"), list);
    // Both links whatever the result.
    QVERIFY(Visibility(Form4,
                       {"Label4", "Label5", "Label6", "Label3", "RzURLLabel2", "RzURLLabel3"},
                       {"LMDGroupBox1", "LMDRadioGroup1", "LMDButton1", "Edit1", "RxCalcEdit1",
                        "Panel1", "Label1", "Label2", "RzURLLabel1"}));
}

void TestUnit4::repeatStartsAfresh() {
    IntroRun first;
    for (int q = 1; q <= 10; ++q)
        first.replies[q - 1] = first.wrongReply(q);
    QVERIFY(play(first));

    // New pools, option orders and variants; nothing of the first run's errors is left.
    IntroRun second;
    second.pools = {7, 6, 5, 4};
    second.order = {2, 3, 1};
    second.width = 11;
    second.amplitude = 2047;
    second.variants = {5, 4, 6, 2};
    second.answerAllRight();
    QVERIFY(play(second, {}, /*repeat=*/true));
    QCOMPARE(LabelText("Label3"), ResultList(0));
    QCOMPARE(LabelText("Label5"), QStringLiteral("Правильных ответов: 10"));
}

QTEST_MAIN(TestUnit4)
#include "tst_unit4.moc"
