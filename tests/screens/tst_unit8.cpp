#include "KnowledgeTestDriver.h"
#include "LabTestSupport.h"

#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"

#include <QTest>

using namespace driver;

namespace {

// ---- What the students are asked, and the right answers ----------------------------------

struct BlockQuestion {
    QString text;
    QString key;
};
// Pool questions 8 to 13.
const BlockQuestion kBlocks[6] = {
    {QStringLiteral("Блок в котором происходит потактовое сравнение UАИМ-2гр с набором эталонных "
                    "напряжений по алгоритму нелинейного кодирования? (прописью)"),
     QStringLiteral("компаратор")},
    {QStringLiteral("Блок вырабатывающий 11 эталонов с номиналами от 1 delta до 1024 delta "
                    "отрицательной или положительной полярности? (прописью)"),
     QStringLiteral("генератор эталонных напряжений")},
    {QStringLiteral("Блок при помощи которого происходит подключение или отключение основных и "
                    "дополнительных эталонов соответствующих сегменту, в котором происходит "
                    "кодирование амплитуды UАИМ-2гр? (прописью)"),
     QStringLiteral("блок коммутации эталонов")},
    {QStringLiteral("Блок при помощи которого определяется основной эталон в сегменте и набор "
                    "дополнительных эталонов? (прописью)"),
     QStringLiteral("блок выбора сегмента")},
    {QStringLiteral("Блок при помощи которого происходит потактовая реализация процедуры "
                    "нелинейного кодирования и формируется 8-ми разрядная канальная кодовая "
                    "комбинация в параллельном коде? (прописью)"),
     QStringLiteral("цифровой регистр")},
    {QStringLiteral("Блок осуществляющий преобразование сигнала в параллельном коде в "
                    "последовательный во времени код? (прописью)"),
     QStringLiteral("преобразователь кода")},
};

// Questions 3 to 6 and 8 to 10.
const VariantOracle kDigits[7] = {
    {QStringLiteral("Комбинация на выходе нелинейного кодера 10101111. Какова амплитуда отсчета на "
                    "входе(UАИМ),В?"),
     "10101111",
     {"10101111", "11000101", "11110011", "10111111", "10001111"},
     {"62", "168", "1216", "124", "15"}},
    {QStringLiteral(
         "Амплитуда отсчета (UАИМ) равна 654 В. Указать комбинацию на выходе нелинейного кодера."),
     "654",
     {"654", "322", "488", "47", "92"},
     {"11100100", "11010100", "11011110", "10100111", "10110111"}},
    {QStringLiteral("Комбинация на выходе нелинейного кодера 01011001. Какова амплитуда отсчета на "
                    "входе(UАИМ)?"),
     "01011001",
     {"01011001", "01110011", "00011100", "01011100", "00111000"},
     {"-400", "-1216", "-28", "-448", "-96"}},
    {QStringLiteral(
         "Амплитуда отсчета (UАИМ) равна -567 В. Указать комбинацию на выходе нелинейного кодера."),
     "-567",
     {"-567", "-434", "-54", "-981", "-37"},
     {"01100001", "01011011", "00101011", "01101110", "00100010"}},
    {QStringLiteral("Кодовая группа на выходе нелинейного кодера для Uаим=430мВ, если Umax "
                    "=2048мВ, delta=1 мВ:"),
     "=430мВ",
     {"=430мВ", "=312мВ", "=90мВ", "=-900мВ", "=-390мВ", "=-1456мВ"},
     {"11011010", "11010011", "10110110", "01101100", "01011000", "01110110"}},
    {QStringLiteral("Амплитуда сигнала на выходе нелинейного декодера для кодовой группы 11101010, "
                    "если Uаим max =Uогр = 4096мВ(с учетом коррекции):"),
     "11101010",
     {"11101010", "11011010", "10110110", "01011000", "00110110"},
     {"1728", "876", "184", "-796", "-184"}},
    {QStringLiteral("Определить структуру 8-ми разрядной кодовой группы на выходе нелинейного "
                    "кодера, соответствующей передаваемому сигналу U0(t)=31,2 мВ; delta=0,4 мВ"),
     "31,2 мВ; delta=0,4 мВ",
     {"31,2 мВ; delta=0,4 мВ", "62,4 мВ; delta=0,8 мВ", "15,6 мВ; delta=0,2 мВ",
      "124,8 мВ; delta=1,6 мВ"},
     {"10110011", "10110011", "10110011", "10110011"}},
};
const VariantOracle& Digits(int q) {
    return kDigits[q < 7 ? q - 3 : q - 4];
}

const QString kQuestion7Text =
    QStringLiteral("Выберите последовательность блоков нелинейного кодера используемых в процессе "
                   "кодирования на 1 такте.");
const QStringList kQuestion7Options = {
    QStringLiteral("Компаратор; Цифровой регистр; Блок выбора сегмента; Блок коммутации эталонов; "
                   "Генератор эталонных напряжений; Компаратор …"),
    QStringLiteral("Компаратор; Цифровой регистр; Блок коммутации эталонов; Генератор эталонных "
                   "напряжений; Компаратор …"),
    QStringLiteral("Цифровой регистр; Блок выбора сегмента; Блок коммутации эталонов; Генератор "
                   "эталонных напряжений; Компаратор …")};
const QString& kQuestion7Key = kQuestion7Options[1];

const QString kOneStudent = QStringLiteral("Студент, выполнивший работу:");
const QString kTwoStudents = QStringLiteral("Студенты, выполнившие работу:");

// One scripted run: the draws it takes and the replies it gives, right ones by default.
struct FinalRun {
    std::array<int, 2> pools{8, 9};
    std::array<int, 11> variants{0, 0, 0, 1, 1, 1, 1, 0, 1, 1, 1}; // by question number
    std::array<int, 3> order{1, 2, 3};                             // options of question 7
    std::array<QString, 10> replies;

    FinalRun() { answerAllRight(); }

    QString rightReply(int q) const {
        if (q <= 2)
            return kBlocks[pools[q - 1] - 8].key;
        if (q == 7)
            return kQuestion7Key;
        return Digits(q).keys[variants[q] - 1];
    }

    QString wrongReply(int q) const {
        const QString right = rightReply(q);
        if (q <= 2)
            return right.left(1).toUpper() + right.mid(1);
        if (q == 7)
            return kQuestion7Options[0];
        return right.startsWith(QLatin1Char('-')) ? right.mid(1) : QLatin1Char('0') + right;
    }

    void answerAllRight() {
        for (int q = 1; q <= 10; ++q)
            replies[q - 1] = rightReply(q);
    }

    void script(ScriptedDraws& draws) const {
        draws.push({pools[0] - 8, pools[1] - 8});
        for (int q = 3; q <= 10; ++q) {
            if (q == 7)
                draws.push({order[0] - 1, order[1] - 1, order[2] - 1});
            else
                draws.push(variants[q] - 1);
        }
    }
};

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
