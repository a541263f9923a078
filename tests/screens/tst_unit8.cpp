#include "FinalTestRun.h"
#include "LabTestSupport.h"

#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"

#include <QTest>

using namespace driver;
using namespace finaltest;

namespace {

const QString kOneStudent = QStringLiteral("Студент, выполнивший работу:");
const QString kTwoStudents = QStringLiteral("Студенты, выполнившие работу:");

QString WrongList(const QList<int>& wrong) {
    QString list;
    for (const int q : wrong)
        list += QLatin1Char(' ') + QString::number(q);
    return list;
}

bool Shown(const char* name) {
    return Control<QWidget>(Form8, name)->isVisible();
}

QString LabelText(const char* name) {
    return Control<TLabel>(Form8, name)->text();
}

void Register(const QString& first, const QString& second) {
    TypeText(Control<QLineEdit>(Form7, "Edit1"), first);
    TypeText(Control<QLineEdit>(Form7, "Edit2"), second);
}

} // namespace

class TestUnit8 : public QObject {
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

    void showingPutsUpTheFirstQuestion();
    void controlsStandInTheirPlaces_data();
    void controlsStandInTheirPlaces();
    void blockQuestions_data();
    void blockQuestions();
    void digitsKeys_data();
    void digitsKeys();
    void question7Choice_data();
    void question7Choice();
    void digitsThatAreNoWholeNumberAreRefused();
    void answerButtonFollowsTheInput();
    void exhaustedRedrawsRepeatAValue();
    void reportCountsAndNamesTheStudents_data();
    void reportCountsAndNamesTheStudents();
    void namesAreReadWhenTheReportIsShown();
    void repeatStartsAfresh();

private:
    // Shows the screen and answers the ten questions of `run`; `inspect` looks at each
    // question before its reply.
    bool play(const FinalRun& run, const std::function<void(int q)>& inspect = {});

    std::unique_ptr<LabFrame> frame;
    std::unique_ptr<ScriptedDraws> draws;
    std::unique_ptr<ErrorCapture> errors;
};

bool TestUnit8::play(const FinalRun& run, const std::function<void(int q)>& inspect) {
    run.script(*draws);
    Form8->showScreen();
    return ReplyToAll(Form8, run.replies, inspect) && draws->remaining() == 0 &&
           errors->count() == 0;
}

void TestUnit8::showingPutsUpTheFirstQuestion() {
    draws->push({4, 0});
    Form8->showScreen();
    QCOMPARE(draws->ranges(), (QList<int>{6, 6}));
    QCOMPARE(Caption(Form8), QStringLiteral("Вопрос 1"));
    QCOMPARE(QuestionText(Form8), kBlocks[4].text);
    QVERIFY(Edit1(Form8)->isVisible());
    QCOMPARE(Edit1(Form8)->width(), 185);
    QVERIFY(Edit1(Form8)->text().isEmpty());
    QVERIFY(AnswerButton(Form8)->isVisible());
    QVERIFY(!AnswerButton(Form8)->isEnabled());
    QVERIFY(Options(Form8).isEmpty());
    for (const char* shown : {"LMDGroupBox1", "LMDRadioGroup1"})
        QVERIFY2(Shown(shown), shown);
    for (const char* hidden : {"Panel1", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
                               "Label7", "RzURLLabel2"})
        QVERIFY2(!Shown(hidden), hidden);
    // The screen's own text colour is black.
    QCOMPARE(Form8->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TestUnit8::controlsStandInTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // width and height 0 where the text sizes the control
    QTest::addColumn<int>("fontHeight");
    auto row = [](const char* name, QRect geometry, int font) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << font;
    };
    row("LMDGroupBox1", {8, 8, 561, 97}, 11);
    row("RichEdit1", {8, 24, 545, 65}, 13);
    row("LMDRadioGroup1", {8, 128, 561, 185}, 11);
    row("Edit1", {32, 152, 73, 21}, 0);
    row("Panel1", {105, 151, 32, 23}, 0);
    row("Image1", {-2, 0, 33, 23}, 0);
    row("LMDButton1", {240, 320, 89, 25}, 0);
    row("Label4", {180, 72, 0, 0}, 16);
    row("Label5", {200, 112, 0, 0}, 16);
    row("Label6", {185, 136, 0, 0}, 16);
    row("Label7", {152, 168, 0, 0}, 16);
    row("Label1", {170, 192, 0, 0}, 16);
    row("Label2", {224, 224, 0, 0}, 16);
    row("Label3", {224, 256, 0, 0}, 16);
    row("RzURLLabel2", {32, 328, 0, 0}, 13);
}

void TestUnit8::controlsStandInTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, fontHeight);
    auto* control = Form8->findChild<QWidget*>(name);
    QVERIFY(control);
    if (geometry.width() > 0)
        QCOMPARE(control->geometry(), geometry);
    else
        QCOMPARE(control->pos(), geometry.topLeft());
    if (fontHeight)
        QCOMPARE(control->font().pixelSize(), fontHeight);
}

void TestUnit8::blockQuestions_data() {
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    for (int pool = 8; pool <= 13; ++pool) {
        const QString key = kBlocks[pool - 8].key;
        for (int position = 1; position <= 2; ++position)
            QTest::addRow("pool %d at %d, key", pool, position) << pool << position << key << true;
        QTest::addRow("pool %d, capital", pool)
            << pool << 1 << key.left(1).toUpper() + key.mid(1) << false;
        QTest::addRow("pool %d, trailing blank", pool)
            << pool << 2 << key + QLatin1Char(' ') << false;
        QTest::addRow("pool %d, leading blank", pool)
            << pool << 1 << QLatin1Char(' ') + key << false;
        if (key.contains(QLatin1Char(' ')))
            QTest::addRow("pool %d, doubled blank", pool)
                << pool << 2 << QString(key).replace(QLatin1Char(' '), QStringLiteral("  "))
                << false;
    }
    // Digits are not checked in a word answer: they are judged, never refused.
    QTest::newRow("digits for a name") << 12 << 1 << "12345" << false;
}

void TestUnit8::blockQuestions() {
    QFETCH(int, pool);
    QFETCH(int, position);
    QFETCH(QString, reply);
    QFETCH(bool, right);
    FinalRun run;
    run.pools = position == 1 ? std::array<int, 2>{pool, pool == 13 ? 8 : pool + 1}
                              : std::array<int, 2>{pool == 8 ? 13 : pool - 1, pool};
    run.answerAllRight();
    run.replies[position - 1] = reply;
    QVERIFY(play(run, [&](int q) {
        if (q != position)
            return;
        QCOMPARE(QuestionText(Form8), kBlocks[pool - 8].text);
        QCOMPARE(Edit1(Form8)->width(), 185);
        QVERIFY(!Shown("Panel1"));
    }));
    QCOMPARE(LabelText("Label7"), QStringLiteral("Ошибки в вопросах:") +
                                      WrongList(right ? QList<int>{} : QList{position}));
}

void TestUnit8::digitsKeys_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("right");
    for (int question = 3; question <= 10; ++question) {
        if (question == 7)
            continue;
        const VariantOracle& bank = Digits(question);
        for (int variant = 1; variant <= bank.keys.size(); ++variant) {
            const QString key = bank.keys[variant - 1];
            QTest::addRow("q%d v%d key", question, variant) << question << variant << key << true;
            if (key.startsWith(QLatin1Char('-'))) {
                QTest::addRow("q%d v%d no minus", question, variant)
                    << question << variant << key.mid(1) << false;
            } else {
                QTest::addRow("q%d v%d leading zero", question, variant)
                    << question << variant << QLatin1Char('0') + key << false;
                QTest::addRow("q%d v%d plus", question, variant)
                    << question << variant << QLatin1Char('+') + key << false;
            }
        }
    }
    // Another variant's key is wrong.
    QTest::newRow("q3 v1 with the key of v2") << 3 << 1 << "168" << false;
}

void TestUnit8::digitsKeys() {
    QFETCH(int, question);
    QFETCH(int, variant);
    QFETCH(QString, reply);
    QFETCH(bool, right);
    FinalRun run;
    run.variants[question] = variant;
    run.answerAllRight();
    run.replies[question - 1] = reply;
    QVERIFY(play(run, [&](int q) {
        if (q != question)
            return;
        QCOMPARE(QuestionText(Form8), Digits(question).text(variant));
        QCOMPARE(Edit1(Form8)->width(), 73);
        QVERIFY(Options(Form8).isEmpty());
        // The unit picture stands beside question 3 only.
        QCOMPARE(Shown("Panel1"), question == 3);
    }));
    QCOMPARE(LabelText("Label7"), QStringLiteral("Ошибки в вопросах:") +
                                      WrongList(right ? QList<int>{} : QList{question}));
}

void TestUnit8::question7Choice_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("right");
    QTest::newRow("option 1") << 1 << false;
    QTest::newRow("option 2, the key") << 2 << true;
    QTest::newRow("option 3") << 3 << false;
}

void TestUnit8::question7Choice() {
    QFETCH(int, option);
    QFETCH(bool, right);
    FinalRun run;
    run.order = {3, 1, 2};
    run.replies[6] = kQuestion7Options[option - 1];
    QVERIFY(play(run, [&](int q) {
        if (q != 7)
            return;
        QCOMPARE(QuestionText(Form8), kQuestion7Text);
        QCOMPARE(Options(Form8),
                 (QStringList{kQuestion7Options[2], kQuestion7Options[0], kQuestion7Options[1]}));
        QCOMPARE(Control<TRadioGroup>(Form8, "LMDRadioGroup1")->itemIndex(), -1);
        QVERIFY(!Shown("Edit1"));
        QVERIFY(!Shown("Panel1"));
    }));
    QCOMPARE(LabelText("Label7"),
             QStringLiteral("Ошибки в вопросах:") + WrongList(right ? QList<int>{} : QList{7}));
}

void TestUnit8::digitsThatAreNoWholeNumberAreRefused() {
    FinalRun run;
    run.script(*draws);
    Form8->showScreen();
    for (int q = 1; q <= 2; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));

    const QString block = QStringLiteral("цифровой регистр");
    QVERIFY(Reply(Form8, block));
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().text, QStringLiteral("Пишите только цифры"));
    QCOMPARE(errors->last().caption, QStringLiteral("Ошибка ввода"));
    QCOMPARE(Caption(Form8), QStringLiteral("Вопрос 3"));
    QCOMPARE(Edit1(Form8)->text(), block);
    QVERIFY(AnswerButton(Form8)->isEnabled());
    QVERIFY(Shown("Panel1"));

    Edit1(Form8)->selectAll();
    QTest::keyClicks(Edit1(Form8), run.replies[2]);
    PressAnswer(Form8);
    QCOMPARE(Caption(Form8), QStringLiteral("Вопрос 4"));
    for (int q = 4; q <= 10; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));
    QCOMPARE(errors->count(), 1);
    QCOMPARE(LabelText("Label7"), QStringLiteral("Ошибки в вопросах:"));
}

void TestUnit8::answerButtonFollowsTheInput() {
    FinalRun run;
    run.script(*draws);
    Form8->showScreen();
    QPushButton* button = AnswerButton(Form8);
    QLineEdit* edit = Edit1(Form8);

    // A word: any text enables, emptying disables; a disabled button does nothing.
    TypeText(edit, QStringLiteral("к"));
    QVERIFY(button->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(!button->isEnabled());
    PressAnswer(Form8);
    QCOMPARE(Caption(Form8), QStringLiteral("Вопрос 1"));
    QTest::keyClick(edit, ' ');
    QVERIFY(button->isEnabled());
    PressAnswer(Form8);
    QCOMPARE(Caption(Form8), QStringLiteral("Вопрос 2"));
    for (int q = 2; q <= 6; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));

    // The choice: enabled by selecting an option, not by a click beside the options.
    auto* group = Control<TRadioGroup>(Form8, "LMDRadioGroup1");
    const QPoint beside(group->width() - 10, group->height() - 10);
    QTest::mouseClick(group, Qt::LeftButton, {}, beside);
    QVERIFY(!button->isEnabled());
    QVERIFY(ChooseOption(Form8, kQuestion7Key));
    QVERIFY(button->isEnabled());
    QTest::mouseClick(group, Qt::LeftButton, {}, beside);
    QVERIFY(button->isEnabled());
    PressAnswer(Form8);
    for (int q = 8; q <= 10; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));
    QCOMPARE(LabelText("Label7"), QStringLiteral("Ошибки в вопросах: 1"));
}

void TestUnit8::exhaustedRedrawsRepeatAValue() {
    // Pool 10 twice: the second position's 101 draws all repeat the first.
    draws->push(2);
    for (int i = 0; i < 101; ++i)
        draws->push(2);
    draws->push({0, 0, 0, 0});
    // Question 7: option 3 twice (10001 draws for the second), then option 1.
    draws->push(2);
    for (int i = 0; i < 10001; ++i)
        draws->push(2);
    draws->push({0, 0, 0, 0});

    Form8->showScreen();
    QCOMPARE(QuestionText(Form8), kBlocks[2].text);
    QVERIFY(Reply(Form8, kBlocks[2].key));
    QCOMPARE(QuestionText(Form8), kBlocks[2].text);
    QVERIFY(Reply(Form8, kBlocks[2].key));
    FinalRun run;
    for (int q = 3; q <= 6; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));
    QCOMPARE(Options(Form8),
             (QStringList{kQuestion7Options[2], kQuestion7Options[2], kQuestion7Options[0]}));
    // The key is not among the options: any choice is wrong.
    QVERIFY(Reply(Form8, kQuestion7Options[2]));
    for (int q = 8; q <= 10; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));
    QCOMPARE(draws->remaining(), 0);
    QCOMPARE(errors->count(), 0);
    QCOMPARE(LabelText("Label7"), QStringLiteral("Ошибки в вопросах: 7"));
}

void TestUnit8::reportCountsAndNamesTheStudents_data() {
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    const QString ivanov = QStringLiteral("Иванов Иван Иванович");
    const QString petrova = QStringLiteral("Петрова Мария Сергеевна");
    QTest::newRow("all right, one student") << QList<int>{} << ivanov << QString();
    QTest::newRow("all right, two students") << QList<int>{} << ivanov << petrova;
    QTest::newRow("all wrong, one student")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << ivanov << QString();
    QTest::newRow("all wrong, two students")
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << ivanov << petrova;
    QTest::newRow("some wrong, two students") << QList<int>{1, 7, 9} << ivanov << petrova;
    QTest::newRow("names kept as typed")
        << QList<int>{9} << QStringLiteral(" Сидоров  ") << QStringLiteral("x");
    QTest::newRow("no name at all") << QList<int>{2} << QString() << QString();
}

void TestUnit8::reportCountsAndNamesTheStudents() {
    QFETCH(QList<int>, wrong);
    QFETCH(QString, first);
    QFETCH(QString, second);
    Register(first, second);
    FinalRun run;
    for (const int q : wrong)
        run.replies[q - 1] = run.wrongReply(q);
    QVERIFY(play(run));

    QCOMPARE(LabelText("Label5"), QStringLiteral("Правильных ответов: %1").arg(10 - wrong.size()));
    QCOMPARE(LabelText("Label6"), QStringLiteral("Неправильных ответов: %1").arg(wrong.size()));
    QCOMPARE(LabelText("Label7"), QStringLiteral("Ошибки в вопросах:") + WrongList(wrong));
    QCOMPARE(Control<TLabel>(Form8, "Label7")->palette().color(QPalette::WindowText),
             QColor(255, 0, 0));
    QCOMPARE(LabelText("Label1"), second.isEmpty() ? kOneStudent : kTwoStudents);
    QCOMPARE(LabelText("Label2"), first);
    QCOMPARE(Shown("Label3"), !second.isEmpty());
    if (!second.isEmpty())
        QCOMPARE(LabelText("Label3"), second);
    for (const char* shown :
         {"Label4", "Label5", "Label6", "Label7", "Label1", "Label2", "RzURLLabel2"})
        QVERIFY2(Shown(shown), shown);
    for (const char* hidden : {"LMDGroupBox1", "LMDRadioGroup1", "LMDButton1", "Edit1", "Panel1"})
        QVERIFY2(!Shown(hidden), hidden);
}

void TestUnit8::namesAreReadWhenTheReportIsShown() {
    Register(QStringLiteral("Иванов"), QStringLiteral("Петров"));
    FinalRun run;
    QVERIFY(play(run));
    QCOMPARE(LabelText("Label1"), kTwoStudents);

    // The second name cleared afterwards: the next report names one student.
    auto* second = Control<QLineEdit>(Form7, "Edit2");
    second->selectAll();
    QTest::keyClick(second, Qt::Key_Delete);
    TypeText(Control<QLineEdit>(Form7, "Edit1"), QStringLiteral(" И."));
    run.script(*draws);
    QTest::mouseClick(Control<TLinkLabel>(Form8, "RzURLLabel2"), Qt::LeftButton);
    for (int q = 1; q <= 10; ++q)
        QVERIFY(Reply(Form8, run.replies[q - 1]));
    QCOMPARE(LabelText("Label1"), kOneStudent);
    QCOMPARE(LabelText("Label2"), QStringLiteral("Иванов И."));
    QVERIFY(!Shown("Label3"));
}

void TestUnit8::repeatStartsAfresh() {
    FinalRun first;
    for (int q = 1; q <= 10; ++q)
        first.replies[q - 1] = first.wrongReply(q);
    QVERIFY(play(first));
    QCOMPARE(LabelText("Label6"), QStringLiteral("Неправильных ответов: 10"));

    FinalRun second;
    second.pools = {13, 11};
    second.variants = {0, 0, 0, 5, 4, 3, 2, 0, 6, 5, 4};
    second.order = {2, 1, 3};
    second.answerAllRight();
    second.script(*draws);
    QTest::mouseClick(Control<TLinkLabel>(Form8, "RzURLLabel2"), Qt::LeftButton);
    // The first question at once, with the button disabled and the report gone.
    QCOMPARE(Caption(Form8), QStringLiteral("Вопрос 1"));
    QCOMPARE(QuestionText(Form8), kBlocks[5].text);
    QVERIFY(Edit1(Form8)->isVisible());
    QCOMPARE(Edit1(Form8)->width(), 185);
    QVERIFY(!AnswerButton(Form8)->isEnabled());
    for (const char* hidden : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                               "RzURLLabel2", "Panel1"})
        QVERIFY2(!Shown(hidden), hidden);
    for (int q = 1; q <= 10; ++q)
        QVERIFY(Reply(Form8, second.replies[q - 1]));
    QCOMPARE(draws->remaining(), 0);
    QCOMPARE(LabelText("Label7"), QStringLiteral("Ошибки в вопросах:"));
    QCOMPARE(LabelText("Label5"), QStringLiteral("Правильных ответов: 10"));
}

QTEST_MAIN(TestUnit8)
#include "tst_unit8.moc"
