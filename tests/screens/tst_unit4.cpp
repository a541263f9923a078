#include "IntroTestRun.h"
#include "LabTestSupport.h"

#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"

#include <QTest>

using namespace driver;
using namespace intro;

namespace {

QString ExpectedWrongList(std::initializer_list<int> wrong) {
    QString list = QStringLiteral("Ошибки в вопросах: ");
    for (const int q : wrong)
        list += QLatin1Char(' ') + QString::number(q);
    return list;
}

bool Shown(const char* name) {
    return Control<QWidget>(Form4, name)->isVisible();
}

} // namespace

class TestUnit4 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init() {
        frame = std::make_unique<LabFrame>();
        draws = std::make_unique<ScriptedDraws>();
        errors = std::make_unique<ErrorCapture>();
    }
    void cleanup() {
        errors.reset();
        draws.reset();
        frame.reset();
    }

    void firstShowGivesTheInstructions();
    void controlsStandInTheirPlaces_data();
    void controlsStandInTheirPlaces();
    void entryFieldsLieAboveTheAnswerFrame();
    void poolQuestions_data();
    void poolQuestions();
    void numberFieldOfThePoolQuestion_data();
    void numberFieldOfThePoolQuestion();
    void question5Keys_data();
    void question5Keys();
    void question6Keys_data();
    void question6Keys();
    void digitsKeys_data();
    void digitsKeys();
    void digitsThatAreNoWholeNumberAreRefused_data();
    void digitsThatAreNoWholeNumberAreRefused();
    void answerButtonFollowsTheInput();
    void untouchedNumberFieldAnswersZero();
    void redrawBoundsAreKept();
    void exhaustedRedrawsRepeatAValue();
    void resultsCountAndListWrongAnswers_data();
    void resultsCountAndListWrongAnswers();
    void repeatStartsAfresh();
    void onwardLinkShowsTheDemonstration();

private:
    // Shows the screen, starts the test and answers the ten questions of `run`; `inspect`
    // looks at each question before its reply.
    bool play(const IntroRun& run, const std::function<void(int q)>& inspect = {});
    void startTest() {
        Form4->showScreen();
        QTest::mouseClick(Control<TLinkLabel>(Form4, "RzURLLabel1"), Qt::LeftButton);
    }

    std::unique_ptr<LabFrame> frame;
    std::unique_ptr<ScriptedDraws> draws;
    std::unique_ptr<ErrorCapture> errors;
};

bool TestUnit4::play(const IntroRun& run, const std::function<void(int q)>& inspect) {
    run.script(*draws);
    startTest();
    return ReplyToAll(Form4, run.replies, inspect) && draws->remaining() == 0 &&
           errors->count() == 0;
}

void TestUnit4::firstShowGivesTheInstructions() {
    draws->push({0, 1, 2, 3, 0, 1, 2});
    Form4->showScreen();
    // Four pool draws of 1..7, then the option order of the first question.
    QCOMPARE(draws->ranges(), (QList<int>{7, 7, 7, 7, 3, 3, 3}));
    for (const char* shown : {"Label1", "Label2", "RzURLLabel1"})
        QVERIFY2(Shown(shown), shown);
    for (const char* hidden :
         {"LMDGroupBox1", "LMDRadioGroup1", "RxCalcEdit1", "Panel1", "Edit1", "LMDButton1",
          "Label4", "Label5", "Label6", "Label3", "RzURLLabel2", "RzURLLabel3"})
        QVERIFY2(!Shown(hidden), hidden);

    QTest::mouseClick(Control<TLinkLabel>(Form4, "RzURLLabel1"), Qt::LeftButton);
    for (const char* shown : {"LMDGroupBox1", "LMDRadioGroup1", "LMDButton1"})
        QVERIFY2(Shown(shown), shown);
    for (const char* hidden : {"Label1", "Label2", "RzURLLabel1", "RxCalcEdit1", "Edit1"})
        QVERIFY2(!Shown(hidden), hidden);
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 1"));
    QCOMPARE(QuestionText(Form4), kPool[0].text);
    QCOMPARE(Options(Form4), kPool[0].options);
    QCOMPARE(Control<TRadioGroup>(Form4, "LMDRadioGroup1")->itemIndex(), -1);
    QVERIFY(!AnswerButton(Form4)->isEnabled());
}

void TestUnit4::controlsStandInTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // width and height 0 where the text sizes the control
    QTest::addColumn<int>("fontHeight");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, QRect geometry, int font, const QString& text = {}) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << font << text;
    };
    row("Label1", {40, 24, 0, 0}, 13,
        QStringLiteral("Вам будет задано 10 вопросов и вы должны ответить на них без ошибок. При"));
    row("Label2", {104, 48, 0, 0}, 13,
        QStringLiteral("наличии ошибок, вам будет необходимо повторить тест."));
    row("RzURLLabel1", {240, 152, 0, 0}, 13, QStringLiteral("Начать тест"));
    row("LMDGroupBox1", {8, 8, 561, 97}, 11, QStringLiteral("Вопрос 1"));
    row("RichEdit1", {8, 16, 545, 65}, 13);
    row("LMDRadioGroup1", {16, 128, 561, 185}, 12, QStringLiteral("Ответ"));
    row("RxCalcEdit1", {32, 152, 73, 21}, 0, QStringLiteral("0"));
    row("Panel1", {105, 151, 32, 23}, 0);
    row("Image1", {-2, 0, 33, 23}, 0);
    row("Edit1", {32, 152, 73, 21}, 0);
    row("LMDButton1", {240, 320, 89, 25}, 0, QStringLiteral("Ответить"));
    row("Label4", {192, 104, 0, 0}, 13, QStringLiteral("По результатам теста у вас:"));
    row("Label5", {208, 152, 0, 0}, 13, QStringLiteral("Правильных ответов:"));
    row("Label6", {200, 176, 0, 0}, 13, QStringLiteral("Неправильных ответов:"));
    row("Label3", {104, 200, 0, 0}, 13, QStringLiteral("Неправильных ответов:"));
    row("RzURLLabel2", {32, 328, 0, 0}, 13, QStringLiteral("<< Повторить тест"));
    row("RzURLLabel3", {280, 328, 0, 0}, 13,
        QStringLiteral("Перейти к демонстрации работы кодера >>"));
}

void TestUnit4::controlsStandInTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, fontHeight);
    QFETCH(QString, text);
    auto* control = Form4->findChild<QWidget*>(name);
    QVERIFY(control);
    if (geometry.width() > 0)
        QCOMPARE(control->geometry(), geometry);
    else
        QCOMPARE(control->pos(), geometry.topLeft());
    if (fontHeight)
        QCOMPARE(control->font().pixelSize(), fontHeight);
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else if (auto* box = qobject_cast<QGroupBox*>(control))
        QCOMPARE(box->title(), text);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        QCOMPARE(button->text(), text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        QCOMPARE(edit->text(), text);
}

void TestUnit4::entryFieldsLieAboveTheAnswerFrame() {
    IntroRun run;
    run.script(*draws);
    startTest();
    for (int q = 1; q <= 4; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));
    // Question 5: the number field with the unit picture, both over the frame.
    QCOMPARE(Form4->childAt(40, 160), Control<QWidget>(Form4, "RxCalcEdit1"));
    QCOMPARE(Form4->childAt(115, 160), Control<QWidget>(Form4, "Panel1"));
    QVERIFY(Shown("Image1"));
    QCOMPARE(Control<TRadioGroup>(Form4, "LMDRadioGroup1")->count(), 0);
    for (int q = 5; q <= 6; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));
    QCOMPARE(Form4->childAt(40, 160), Control<QWidget>(Form4, "Edit1"));
    QVERIFY(Shown("LMDRadioGroup1"));
}

void TestUnit4::poolQuestions_data() {
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    for (int pool = 1; pool <= 7; ++pool) {
        const PoolQuestion& question = kPool[pool - 1];
        for (int position = 1; position <= 4; ++position) {
            if (question.key == 0) {
                QTest::addRow("pool 6 at %d, 0,128", position) << 6 << position << "0,128" << true;
                QTest::addRow("pool 6 at %d, 0,13", position) << 6 << position << "0,13" << false;
                QTest::addRow("pool 6 at %d, 128", position) << 6 << position << "128" << false;
                continue;
            }
            // Choice questions: every option at the first position, the key elsewhere.
            for (int option = 1; option <= 3; ++option)
                if (position == 1 || option == question.key)
                    QTest::addRow("pool %d at %d, option %d", pool, position, option)
                        << pool << position << question.options[option - 1]
                        << (option == question.key);
        }
    }
}

void TestUnit4::poolQuestions() {
    QFETCH(int, pool);
    QFETCH(int, position);
    QFETCH(QString, reply);
    QFETCH(bool, right);

    IntroRun run;
    // The pool under test at its position, the others from the rest of the pool.
    int other = 1;
    for (int q = 1; q <= 4; ++q) {
        if (q == position) {
            run.pools[q - 1] = pool;
            continue;
        }
        other += other == pool ? 1 : 0;
        run.pools[q - 1] = other++;
        other += other == pool ? 1 : 0;
    }
    run.order = {3, 1, 2};
    run.answerAllRight();
    run.replies[position - 1] = reply;

    const PoolQuestion& question = kPool[pool - 1];
    QVERIFY(play(run, [&](int q) {
        if (q != position)
            return;
        QCOMPARE(QuestionText(Form4), question.text);
        if (question.key) {
            // The options in the drawn order 3, 1, 2.
            QCOMPARE(Options(Form4),
                     (QStringList{question.options[2], question.options[0], question.options[1]}));
        } else {
            QVERIFY(Options(Form4).isEmpty());
            QVERIFY(NumberField(Form4));
            QVERIFY(!Shown("Panel1"));
        }
    }));
    QCOMPARE(Control<TLabel>(Form4, "Label3")->text(),
             right ? ExpectedWrongList({}) : ExpectedWrongList({position}));
}

void TestUnit4::numberFieldOfThePoolQuestion_data() {
    QTest::addColumn<int>("position");
    for (int position = 1; position <= 4; ++position)
        QTest::addRow("position %d", position) << position;
}

void TestUnit4::numberFieldOfThePoolQuestion() {
    QFETCH(int, position);
    IntroRun run;
    run.pools = {1, 2, 3, 4};
    run.pools[position - 1] = 6;
    run.answerAllRight();
    run.script(*draws);

    Form4->showScreen();
    auto* field = Control<TNumericField>(Form4, "RxCalcEdit1");
    QVERIFY(!field->isVisible());
    QTest::mouseClick(Control<TLinkLabel>(Form4, "RzURLLabel1"), Qt::LeftButton);
    for (int q = 1; q < position; ++q) {
        QVERIFY(!field->isVisible());
        QVERIFY(Reply(Form4, run.replies[q - 1]));
    }
    // Shown by "Начать тест" at the first position, at once when put up later; never with
    // the unit picture.
    QVERIFY(field->isVisible());
    QVERIFY(!Shown("Panel1"));
    QVERIFY(!Shown("Edit1"));
    QCOMPARE(field->value(), 0.0);
    QVERIFY(!AnswerButton(Form4)->isEnabled());
}

void TestUnit4::question5Keys_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    for (int width = 2; width <= 11; ++width) {
        const int key = Question5Key(width);
        QTest::addRow("m=%d, %d", width, key) << width << QString::number(key) << true;
        QTest::addRow("m=%d, %d", width, key + 1) << width << QString::number(key + 1) << false;
    }
    QTest::newRow("m=3, 2^m") << 3 << "8" << false;
}

void TestUnit4::question5Keys() {
    QFETCH(int, width);
    QFETCH(QString, reply);
    QFETCH(bool, right);
    IntroRun run;
    run.width = width;
    run.answerAllRight();
    run.replies[4] = reply;
    QVERIFY(play(run, [&](int q) {
        if (q != 5)
            return;
        QCOMPARE(QuestionText(Form4), kQuestion5Text + QString::number(width));
        QVERIFY(NumberField(Form4));
        QVERIFY(Shown("Panel1"));
        QCOMPARE(NumberField(Form4)->value(), 0.0);
    }));
    QCOMPARE(Control<TLabel>(Form4, "Label3")->text(),
             right ? ExpectedWrongList({}) : ExpectedWrongList({5}));
}

void TestUnit4::question6Keys_data() {
    QTest::addColumn<int>("amplitude");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    const struct {
        int amplitude;
        int key;
    } cases[] = {{0, 0},   {15, 0},  {16, 1},  {31, 1},  {32, 2},  {63, 2},   {64, 3},   {127, 3},
                 {128, 4}, {255, 4}, {256, 5}, {511, 5}, {512, 6}, {1023, 6}, {1024, 7}, {2047, 7}};
    for (const auto& c : cases) {
        QTest::addRow("%d gives %d", c.amplitude, c.key)
            << c.amplitude << QString::number(c.key) << true;
        QTest::addRow("%d not %d", c.amplitude, (c.key + 1) % 8)
            << c.amplitude << QString::number((c.key + 1) % 8) << false;
    }
}

void TestUnit4::question6Keys() {
    QFETCH(int, amplitude);
    QFETCH(QString, reply);
    QFETCH(bool, right);
    IntroRun run;
    run.amplitude = amplitude;
    run.answerAllRight();
    run.replies[5] = reply;
    QVERIFY(play(run, [&](int q) {
        if (q != 6)
            return;
        QCOMPARE(QuestionText(Form4), kQuestion6Text + QString::number(amplitude));
        QVERIFY(NumberField(Form4));
        QVERIFY(!Shown("Panel1"));
        QCOMPARE(NumberField(Form4)->value(), 0.0);
    }));
    QCOMPARE(Control<TLabel>(Form4, "Label3")->text(),
             right ? ExpectedWrongList({}) : ExpectedWrongList({6}));
}

void TestUnit4::digitsKeys_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    for (int question = 7; question <= 10; ++question) {
        const VariantOracle& bank = kDigits[question - 7];
        for (int variant = 1; variant <= bank.keys.size(); ++variant) {
            const QString key = bank.keys[variant - 1];
            QTest::addRow("q%d v%d key", question, variant) << question << variant << key << true;
            QTest::addRow("q%d v%d leading zero", question, variant)
                << question << variant << QLatin1Char('0') + key << false;
            QTest::addRow("q%d v%d plus", question, variant)
                << question << variant << QLatin1Char('+') + key << false;
        }
    }
    // Key 01000010 without its leading zero.
    QTest::newRow("q10 v1 zero dropped") << 10 << 1 << "1000010" << false;
    QTest::newRow("q9 v1 minus") << 9 << 1 << "-5" << false;
}

void TestUnit4::digitsKeys() {
    QFETCH(int, question);
    QFETCH(int, variant);
    QFETCH(QString, reply);
    QFETCH(bool, right);
    IntroRun run;
    run.variants[question - 7] = variant;
    run.answerAllRight();
    run.replies[question - 1] = reply;
    QVERIFY(play(run, [&](int q) {
        if (q != question)
            return;
        QCOMPARE(QuestionText(Form4), kDigits[question - 7].text(variant));
        QVERIFY(!NumberField(Form4));
        QVERIFY(!Shown("Panel1"));
    }));
    QCOMPARE(Control<TLabel>(Form4, "Label3")->text(),
             right ? ExpectedWrongList({}) : ExpectedWrongList({question}));
}

void TestUnit4::digitsThatAreNoWholeNumberAreRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << "abc";
    QTest::newRow("cyrillic") << "сто";
    QTest::newRow("digits and a letter") << "1000001b";
    QTest::newRow("decimal comma") << "1,5";
    QTest::newRow("leading blank") << " 1000001";
    QTest::newRow("beyond 32 bits") << "2147483648";
    QTest::newRow("sign alone") << "-";
}

void TestUnit4::digitsThatAreNoWholeNumberAreRefused() {
    QFETCH(QString, typed);
    IntroRun run;
    run.script(*draws);
    startTest();
    for (int q = 1; q <= 6; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));

    QVERIFY(Reply(Form4, typed));
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().text, QStringLiteral("Пишите только цифры"));
    QCOMPARE(errors->last().caption, QStringLiteral("Ошибка ввода"));
    // The same question with the typed text and the button as they were.
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 7"));
    QCOMPARE(QuestionText(Form4), kDigits[0].text(1));
    QCOMPARE(Edit1(Form4)->text(), typed);
    QVERIFY(AnswerButton(Form4)->isEnabled());

    // Pressing again refuses again; the corrected text is judged for question 7.
    PressAnswer(Form4);
    QCOMPARE(errors->count(), 2);
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 7"));
    Edit1(Form4)->selectAll();
    QTest::keyClicks(Edit1(Form4), run.replies[6]);
    PressAnswer(Form4);
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 8"));
    for (int q = 8; q <= 10; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));
    QCOMPARE(errors->count(), 2);
    QCOMPARE(Control<TLabel>(Form4, "Label5")->text(), QStringLiteral("Правильных ответов: 10"));
}

void TestUnit4::answerButtonFollowsTheInput() {
    IntroRun run;
    run.script(*draws);
    startTest();
    QPushButton* button = AnswerButton(Form4);
    auto* group = Control<TRadioGroup>(Form4, "LMDRadioGroup1");

    // Choice: a click beside the options selects none and leaves the button disabled.
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(group->width() - 10, group->height() - 10));
    QVERIFY(!button->isEnabled());
    QVERIFY(ChooseOption(Form4, kPool[0].options[1]));
    QVERIFY(button->isEnabled());
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(group->width() - 10, group->height() - 10));
    QVERIFY(button->isEnabled());
    PressAnswer(Form4);
    for (int q = 2; q <= 4; ++q)
        QVERIFY(Reply(Form4, run.replies[q - 1]));

    // Number: a click into the field enables without typing; so does a changed value.
    auto* field = NumberField(Form4);
    QVERIFY(field);
    QVERIFY(!button->isEnabled());
    QTest::mouseClick(field, Qt::LeftButton);
    QVERIFY(button->isEnabled());
    QCOMPARE(field->value(), 0.0);
    PressAnswer(Form4);
    QVERIFY(!button->isEnabled());
    field->setValue(7);
    QVERIFY(button->isEnabled());
    PressAnswer(Form4);

    // Digits: any text enables, emptying disables, and a disabled button does nothing.
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 7"));
    QLineEdit* edit = Edit1(Form4);
    QVERIFY(!button->isEnabled());
    QTest::keyClick(edit, '1');
    QVERIFY(button->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(!button->isEnabled());
    PressAnswer(Form4);
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 7"));
    QCOMPARE(errors->count(), 0);
}

void TestUnit4::untouchedNumberFieldAnswersZero() {
    // Amplitude 9 lies in segment 0: a click into the field and the value 0 are right.
    IntroRun run;
    run.amplitude = 9;
    run.answerAllRight();
    run.replies[5] = QString();
    QVERIFY(play(run));
    QCOMPARE(Control<TLabel>(Form4, "Label3")->text(), ExpectedWrongList({}));
}

void TestUnit4::redrawBoundsAreKept() {
    // Every draw repeats: each redraw runs to its bound.
    draws->setFallback(0);
    Form4->showScreen();
    const QList<int>& ranges = draws->ranges();
    QCOMPARE(ranges.count(7), 1 + 101 + 10001 + 10001);
    QCOMPARE(ranges.count(3), 1 + 10001 + 100001);
    QCOMPARE(ranges.size(), ranges.count(7) + ranges.count(3));
    QCOMPARE(Options(Form4), QStringList(3, kPool[0].options[0]));
}

void TestUnit4::exhaustedRedrawsRepeatAValue() {
    // Pool 1 at the first position and, after 101 equal draws, at the second too.
    draws->push(0);
    for (int i = 0; i < 101; ++i)
        draws->push(0);
    draws->push({2, 3});
    // Options: the first drawn twice, after 10001 equal draws; the third then missing.
    draws->push(1);
    for (int i = 0; i < 10001; ++i)
        draws->push(1);
    draws->push(0);
    Form4->showScreen();
    QTest::mouseClick(Control<TLinkLabel>(Form4, "RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(draws->remaining(), 0);
    const PoolQuestion& first = kPool[0];
    QCOMPARE(Options(Form4), (QStringList{first.options[1], first.options[1], first.options[0]}));
    QCOMPARE(errors->count(), 0);

    // The key, option 3, is missing: any choice is wrong. The same question comes next.
    draws->push({0, 1, 2});
    QVERIFY(Reply(Form4, first.options[0]));
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 2"));
    QCOMPARE(QuestionText(Form4), first.text);
    QCOMPARE(Options(Form4), first.options);
}

void TestUnit4::resultsCountAndListWrongAnswers_data() {
    QTest::addColumn<QList<int>>("wrong");
    QTest::newRow("all right") << QList<int>{};
    QTest::newRow("all wrong") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("some wrong") << QList<int>{2, 5, 9, 10};
    QTest::newRow("only the last") << QList<int>{10};
}

void TestUnit4::resultsCountAndListWrongAnswers() {
    QFETCH(QList<int>, wrong);
    IntroRun run;
    for (const int q : wrong)
        run.replies[q - 1] = run.wrongReply(q);
    QVERIFY(play(run));

    QString list;
    for (const int q : wrong)
        list += QLatin1Char(' ') + QString::number(q);
    QCOMPARE(Control<TLabel>(Form4, "Label5")->text(),
             QStringLiteral("Правильных ответов: %1").arg(10 - wrong.size()));
    QCOMPARE(Control<TLabel>(Form4, "Label6")->text(),
             QStringLiteral("Неправильных ответов: %1").arg(wrong.size()));
    QCOMPARE(Control<TLabel>(Form4, "Label3")->text(),
             QStringLiteral("Ошибки в вопросах: ") + list);
    // Both links whatever the result.
    for (const char* shown : {"Label4", "Label5", "Label6", "Label3", "RzURLLabel2", "RzURLLabel3"})
        QVERIFY2(Shown(shown), shown);
    for (const char* hidden : {"LMDGroupBox1", "LMDRadioGroup1", "LMDButton1", "Edit1",
                               "RxCalcEdit1", "Panel1", "Label1", "Label2", "RzURLLabel1"})
        QVERIFY2(!Shown(hidden), hidden);
}

void TestUnit4::repeatStartsAfresh() {
    IntroRun first;
    for (int q = 1; q <= 10; ++q)
        first.replies[q - 1] = first.wrongReply(q);
    QVERIFY(play(first));

    IntroRun second;
    second.pools = {7, 6, 5, 4};
    second.order = {2, 3, 1};
    second.width = 11;
    second.amplitude = 2047;
    second.variants = {5, 4, 6, 2};
    second.answerAllRight();
    second.script(*draws);
    QTest::mouseClick(Control<TLinkLabel>(Form4, "RzURLLabel2"), Qt::LeftButton);
    for (const char* shown : {"Label1", "Label2", "RzURLLabel1"})
        QVERIFY2(Shown(shown), shown);
    for (const char* hidden : {"LMDGroupBox1", "LMDRadioGroup1", "LMDButton1", "Label4", "Label5",
                               "Label6", "Label3", "RzURLLabel2", "RzURLLabel3"})
        QVERIFY2(!Shown(hidden), hidden);

    QTest::mouseClick(Control<TLinkLabel>(Form4, "RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(Caption(Form4), QStringLiteral("Вопрос 1"));
    QCOMPARE(QuestionText(Form4), kPool[6].text);
    QCOMPARE(Options(Form4),
             (QStringList{kPool[6].options[1], kPool[6].options[2], kPool[6].options[0]}));
    for (int q = 1; q <= 10; ++q)
        QVERIFY(Reply(Form4, second.replies[q - 1]));
    QCOMPARE(draws->remaining(), 0);
    // Nothing of the first run's wrong answers is left.
    QCOMPARE(Control<TLabel>(Form4, "Label3")->text(), ExpectedWrongList({}));
    QCOMPARE(Control<TLabel>(Form4, "Label5")->text(), QStringLiteral("Правильных ответов: 10"));
}

void TestUnit4::onwardLinkShowsTheDemonstration() {
    IntroRun run;
    run.replies[0] = run.wrongReply(1);
    QVERIFY(play(run));
    draws->push(1000 + 2000); // the demonstration draws its value on show
    QTest::mouseClick(Control<TLinkLabel>(Form4, "RzURLLabel3"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form5});
}

QTEST_MAIN(TestUnit4)
#include "tst_unit4.moc"
