#include "screens/Unit8.h"

#include "logic/RandomDraw.h"
#include "screens/Unit7.h"
#include "widgets/Controls.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QGroupBox>

TForm8* Form8 = nullptr;

namespace {

// ---- Question bank --------------------------------------------------------------------

// Block questions 8 to 13, asked at positions 1 and 2 and answered with the block's name.
struct WordQuestion {
    QStringView text;
    QStringView key;
};
constexpr int kFirstPool = 8;
constexpr int kPoolSize = 6;
constexpr std::array<WordQuestion, kPoolSize> kPool{{
    {u"Блок в котором происходит потактовое сравнение UАИМ-2гр с набором эталонных напряжений по "
     u"алгоритму нелинейного кодирования? (прописью)",
     u"компаратор"},
    {u"Блок вырабатывающий 11 эталонов с номиналами от 1 delta до 1024 delta отрицательной или "
     u"положительной полярности? (прописью)",
     u"генератор эталонных напряжений"},
    {u"Блок при помощи которого происходит подключение или отключение основных и дополнительных "
     u"эталонов соответствующих сегменту, в котором происходит кодирование амплитуды UАИМ-2гр? "
     u"(прописью)",
     u"блок коммутации эталонов"},
    {u"Блок при помощи которого определяется основной эталон в сегменте и набор дополнительных "
     u"эталонов? (прописью)",
     u"блок выбора сегмента"},
    {u"Блок при помощи которого происходит потактовая реализация процедуры нелинейного кодирования "
     u"и формируется 8-ми разрядная канальная кодовая комбинация в параллельном коде? (прописью)",
     u"цифровой регистр"},
    {u"Блок осуществляющий преобразование сигнала в параллельном коде в последовательный во "
     u"времени код? (прописью)",
     u"преобразователь кода"},
}};

// Question 7 is the only choice; questions 3 to 6 and 8 to 10 take digits.
constexpr int kChoiceQuestion = 7;
constexpr ChoiceQuestion kQuestion7{
    u"Выберите последовательность блоков нелинейного кодера используемых в процессе кодирования на "
    u"1 такте.",
    {u"Компаратор; Цифровой регистр; Блок выбора сегмента; Блок коммутации эталонов; Генератор "
     u"эталонных напряжений; Компаратор …",
     u"Компаратор; Цифровой регистр; Блок коммутации эталонов; Генератор эталонных напряжений; "
     u"Компаратор …",
     u"Цифровой регистр; Блок выбора сегмента; Блок коммутации эталонов; Генератор эталонных "
     u"напряжений; Компаратор …"},
    2};

constexpr std::array<VariantQuestion, 7> kDigitsQuestions{{
    // Question 3
    {5,
     {
         u"Комбинация на выходе нелинейного кодера 10101111. Какова амплитуда отсчета на "
         u"входе(UАИМ),В?",
         u"Комбинация на выходе нелинейного кодера 11000101. Какова амплитуда отсчета на "
         u"входе(UАИМ),В?",
         u"Комбинация на выходе нелинейного кодера 11110011. Какова амплитуда отсчета на "
         u"входе(UАИМ),В?",
         u"Комбинация на выходе нелинейного кодера 10111111. Какова амплитуда отсчета на "
         u"входе(UАИМ),В?",
         u"Комбинация на выходе нелинейного кодера 10001111. Какова амплитуда отсчета на "
         u"входе(UАИМ),В?",
     },
     {u"62", u"168", u"1216", u"124", u"15"}},
    // Question 4
    {5,
     {
         u"Амплитуда отсчета (UАИМ) равна 654 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна 322 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна 488 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна 47 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна 92 В. Указать комбинацию на выходе нелинейного кодера.",
     },
     {u"11100100", u"11010100", u"11011110", u"10100111", u"10110111"}},
    // Question 5
    {5,
     {
         u"Комбинация на выходе нелинейного кодера 01011001. Какова амплитуда отсчета на "
         u"входе(UАИМ)?",
         u"Комбинация на выходе нелинейного кодера 01110011. Какова амплитуда отсчета на "
         u"входе(UАИМ)?",
         u"Комбинация на выходе нелинейного кодера 00011100. Какова амплитуда отсчета на "
         u"входе(UАИМ)?",
         u"Комбинация на выходе нелинейного кодера 01011100. Какова амплитуда отсчета на "
         u"входе(UАИМ)?",
         u"Комбинация на выходе нелинейного кодера 00111000. Какова амплитуда отсчета на "
         u"входе(UАИМ)?",
     },
     {u"-400", u"-1216", u"-28", u"-448", u"-96"}},
    // Question 6
    {5,
     {
         u"Амплитуда отсчета (UАИМ) равна -567 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна -434 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна -54 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна -981 В. Указать комбинацию на выходе нелинейного кодера.",
         u"Амплитуда отсчета (UАИМ) равна -37 В. Указать комбинацию на выходе нелинейного кодера.",
     },
     {u"01100001", u"01011011", u"00101011", u"01101110", u"00100010"}},
    // Question 8
    {6,
     {
         u"Кодовая группа на выходе нелинейного кодера для Uаим=430мВ, если Umax =2048мВ, delta=1 "
         u"мВ:",
         u"Кодовая группа на выходе нелинейного кодера для Uаим=312мВ, если Umax =2048мВ, delta=1 "
         u"мВ:",
         u"Кодовая группа на выходе нелинейного кодера для Uаим=90мВ, если Umax =2048мВ, delta=1 "
         u"мВ:",
         u"Кодовая группа на выходе нелинейного кодера для Uаим=-900мВ, если Umax =2048мВ, delta=1 "
         u"мВ:",
         u"Кодовая группа на выходе нелинейного кодера для Uаим=-390мВ, если Umax =2048мВ, delta=1 "
         u"мВ:",
         u"Кодовая группа на выходе нелинейного кодера для Uаим=-1456мВ, если Umax =2048мВ, "
         u"delta=1 мВ:",
     },
     {u"11011010", u"11010011", u"10110110", u"01101100", u"01011000", u"01110110"}},
    // Question 9
    {5,
     {
         u"Амплитуда сигнала на выходе нелинейного декодера для кодовой группы 11101010, если Uаим "
         u"max =Uогр = 4096мВ(с учетом коррекции):",
         u"Амплитуда сигнала на выходе нелинейного декодера для кодовой группы 11011010, если Uаим "
         u"max =Uогр = 4096мВ(с учетом коррекции):",
         u"Амплитуда сигнала на выходе нелинейного декодера для кодовой группы 10110110, если Uаим "
         u"max =Uогр = 4096мВ(с учетом коррекции):",
         u"Амплитуда сигнала на выходе нелинейного декодера для кодовой группы 01011000, если Uаим "
         u"max =Uогр = 4096мВ(с учетом коррекции):",
         u"Амплитуда сигнала на выходе нелинейного декодера для кодовой группы 00110110, если Uаим "
         u"max =Uогр = 4096мВ(с учетом коррекции):",
     },
     {u"1728", u"876", u"184", u"-796", u"-184"}},
    // Question 10
    {4,
     {
         u"Определить структуру 8-ми разрядной кодовой группы на выходе нелинейного кодера, "
         u"соответствующей передаваемому сигналу U0(t)=31,2 мВ; delta=0,4 мВ",
         u"Определить структуру 8-ми разрядной кодовой группы на выходе нелинейного кодера, "
         u"соответствующей передаваемому сигналу U0(t)=62,4 мВ; delta=0,8 мВ",
         u"Определить структуру 8-ми разрядной кодовой группы на выходе нелинейного кодера, "
         u"соответствующей передаваемому сигналу U0(t)=15,6 мВ; delta=0,2 мВ",
         u"Определить структуру 8-ми разрядной кодовой группы на выходе нелинейного кодера, "
         u"соответствующей передаваемому сигналу U0(t)=124,8 мВ; delta=1,6 мВ",
     },
     {u"10110011", u"10110011", u"10110011", u"10110011"}},
}};

const VariantQuestion& digitsQuestion(int q) {
    return kDigitsQuestions[q < kChoiceQuestion ? q - 3 : q - 4];
}

constexpr int kWordWidth = 185;
constexpr int kDigitsWidth = 73;

KnowledgeTestScreen::Layout finalLayout() {
    return {.questionTextTop = 24,
            .answerGroupLeft = 8,
            .answerCaptionFont = LabStyle::sans(11),
            .optionFont = LabStyle::sans(11),
            .summaryFont = LabStyle::sans(16),
            .label4 = {180, 72},
            .label5 = {200, 112},
            .label6 = {185, 136},
            .repeatCaption = QStringLiteral("Повторить тест")};
}

const QString kOneStudent = QStringLiteral("Студент, выполнивший работу:");
const QString kTwoStudents = QStringLiteral("Студенты, выполнившие работу:");

} // namespace

TForm8::TForm8()
    : KnowledgeTestScreen(QStringLiteral("Итоговый тест"), QSize(578, 359), finalLayout()) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    const QFont report = LabStyle::sans(16);
    Label7 = makeLabel(this, "Label7", {152, 168}, QStringLiteral("Ошибки в вопросах:"), report);
    Label7->setTextColor(Qt::red);
    Label1 = makeLabel(this, "Label1", {170, 192}, kOneStudent, report);
    Label2 = makeLabel(this, "Label2", {224, 224}, QString(), report);
    Label3 = makeLabel(this, "Label3", {224, 256}, QString(), report);
    for (Label* hidden : {Label7, Label1, Label2, Label3})
        hidden->hide();
}

void TForm8::FormShow() {
    startRun(2, kPoolSize, kFirstPool);

    Edit1->hide();
    LMDButton1->show();
    LMDRadioGroup1->clearItems();
    RichEdit1->clear();
    Edit1->clear();
    // Emptying Edit1 disables the button through Edit1Change, unless it was empty already.
    enableAnswer(false);

    for (Label* summary : {Label4, Label5, Label6, Label7, Label1, Label2, Label3})
        summary->hide();
    RzURLLabel2->hide();
    Panel1->hide();
    LMDGroupBox1->show();
    LMDRadioGroup1->show();

    setQuestionCaption(1);
    setQuestionText(kPool[PoolPick[0] - kFirstPool].text);
    showEdit1(kWordWidth);
}

void TForm8::showEdit1(int width) {
    Edit1->resize(width, Edit1->height());
    Edit1->show();
}

void TForm8::putUpQuestion(int n) {
    Edit1->hide();
    if (n >= 4)
        Panel1->hide();
    RichEdit1->clear();
    enableAnswer(false);
    Edit1->clear();
    if (n == 8)
        LMDRadioGroup1->clearItems();

    setQuestionCaption(n);
    if (n == 2) {
        setQuestionText(kPool[PoolPick[1] - kFirstPool].text);
        showEdit1(kWordWidth);
    } else if (n == kChoiceQuestion) {
        Edit1->resize(kDigitsWidth, Edit1->height());
        LMDRadioGroup1->clearItems();
        putUpChoice(kQuestion7);
    } else {
        // The unit picture stands beside the field for question 3 only.
        if (n == 3)
            Panel1->show();
        showEdit1(kDigitsWidth);
        putUpVariant(digitsQuestion(n));
    }
}

AnswerKey TForm8::answerKey(int q) const {
    if (q <= 2)
        return {AnswerKind::Word, kPool[PoolPick[q - 1] - kFirstPool].key.toString()};
    if (q == kChoiceQuestion)
        return {AnswerKind::Choice, kQuestion7.options[kQuestion7.key - 1].toString()};
    return {AnswerKind::Digits, digitsQuestion(q).keys[QuestionVariant - 1].toString()};
}

void TForm8::showResults() {
    WrongCount = 0;
    LMDGroupBox1->hide();
    LMDRadioGroup1->hide();
    for (Label* report : {Label4, Label7, Label5, Label6, Label1, Label2})
        report->show();
    LMDButton1->hide();
    Edit1->hide();

    countResults();
    Label7->setText(QStringLiteral("Ошибки в вопросах:") + WrongList);

    // The names are read as they stand now on the registration screen.
    Label2->setText(Form7->firstStudent());
    const QString second = Form7->secondStudent();
    Label3->setText(second);
    Label3->setVisible(!second.isEmpty());
    Label1->setText(second.isEmpty() ? kOneStudent : kTwoStudents);

    RzURLLabel2->show();
}
