#include "screens/Unit4.h"

#include "logic/RandomDraw.h"
#include "screens/Unit5.h"
#include "widgets/Controls.h"
#include "widgets/NumericField.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QGroupBox>

TForm4* Form4 = nullptr;

namespace {

// ---- Question bank --------------------------------------------------------------------

// Pool questions 1 to 7, asked at positions 1 to 4. Pool question 6 takes a number.
constexpr int kPoolSize = 7;
constexpr int kNumberPool = 6;
constexpr std::array<ChoiceQuestion, kPoolSize> kPool{{
    {u"Каковы функции компаратора?",
     {u"Преобразование сигнала в параллельном коде в последовательный во времени код.",
      u"Подключение или отключение основных и дополнительных эталонов.",
      u"Потактовое сравнение UАИМ-2гр с набором эталонных напряжений по алгоритму нелинейного "
      u"кодирования."},
     3},
    {u"Каковы функции ГЭН?",
     {u"Блок при помощи которого определяется основной эталон в сегменте и набор дополнительных "
      u"эталонов.",
      u"Вырабатывание 11 эталонов с номиналами от 1 delta до 1024 delta отрицательной и "
      u"положительной полярности соответственно.",
      u"Блок при помощи которого происходит подключение или отключение основных и дополнительных "
      u"эталонов соответствующих сегменту, в котором происходит кодирование."},
     2},
    {u"Каковы функции БКЭ?",
     {u"Блок при помощи которого происходит подключение или отключение основных и дополнительных "
      u"эталонов соответствующих сегменту, в котором происходит кодирование.",
      u"Преобразование сигнала в параллельном коде в последовательный во времени код.",
      u"В котором происходит потактовое сравнение UАИМ-2гр с набором эталонных напряжений по "
      u"алгоритму."},
     1},
    {u"Каковы функции ЦР?",
     {u"Потактовая реализация процедуры нелинейного кодирования и формирование 8-ми разрядной "
      u"канальной кодовой комбинации.",
      u"Потактовое сравнение UАИМ-2гр с набором эталонных напряжений по алгоритму нелинейного "
      u"кодирования.",
      u"Вырабатывание 11 эталонов с номиналами от 1 delta до 1024 delta отрицательной и "
      u"положительной полярности соответственно."},
     1},
    {u"Каковы функции ПК?",
     {u"Потактовая реализация процедуры нелинейного кодирования и формируется 8-ми разрядная "
      u"канальная кодовая комбинация в параллельном коде.",
      u"Преобразование сигнала в параллельном коде в последовательный во времени код.",
      u"Передача кодовых канальных комбинаций в составе группового ИКМгр  по цифровому тракту."},
     2},
    {u"С каким эталонным напряжением сравнивается U на первичном и вторичном такте нелинейного "
     u"кодирования? (через запятую)",
     {},
     0},
    {u"Как изменяется шаг квантования в сегментах характеристики компрессии типа А?",
     {u"Не изменяется.", u"Уменьшается в 2 раза.", u"Увеличивается в 2 раза."},
     3},
}};
// The two reference values 0 and 128 typed one after the other under a decimal comma.
constexpr double kNumberPoolKey = 0.128;

// Question 5: the code width m (2 to 11) is appended to the text.
constexpr QStringView kQuestion5Text =
    u"Определить максимальное напряжение квантованного сигнала. Кодирующее устройство с линейной "
    u"шкалой квантования. Разрядность кода m=";
constexpr int kQuestion5FirstWidth = 2;
// 2^m - 1 for m = 2 to 11.
constexpr std::array<double, 10> kQuestion5Keys{3, 7, 15, 31, 63, 127, 255, 511, 1023, 2047};

// Question 6: the amplitude (0 to 2047) is appended to the text; the key is its segment.
constexpr QStringView kQuestion6Text =
    u"Определить номер сегмента при нелинейном кодирование отсчета UАИМ-2гр =";
constexpr int kQuestion6Amplitudes = 2048;
struct SegmentKey {
    int lastAmplitude;
    double key;
};
constexpr std::array<SegmentKey, 8> kQuestion6Keys{
    {{15, 0}, {31, 1}, {63, 2}, {127, 3}, {255, 4}, {511, 5}, {1023, 6}, {2047, 7}}};

// Questions 7 to 10: digits answers.
constexpr int kFirstDigitsQuestion = 7;
constexpr std::array<VariantQuestion, 4> kDigitsQuestions{{
    // Question 7
    {5,
     {
         u"Записать отсчет с амплитудой 65 натуральным кодом",
         u"Записать отсчет с амплитудой 58 натуральным кодом",
         u"Записать отсчет с амплитудой 81 натуральным кодом",
         u"Записать отсчет с амплитудой 34 натуральным кодом",
         u"Записать отсчет с амплитудой 98 натуральным кодом",
     },
     {u"1000001", u"111010", u"1010001", u"100010", u"1100010"}},
    // Question 8
    {5,
     {
         u"Записать отсчет с амплитудой 65 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой 58 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой 81 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой 34 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой 98 симметричным 8-ми разрядным кодом",
     },
     {u"11000001", u"10111010", u"11010001", u"10100010", u"11100010"}},
    // Question 9
    {6,
     {
         u"Определить разрядность кодовой группы (m) при уровне квантования (M), равным 17",
         u"Определить разрядность кодовой группы (m) при уровне квантования (M), равным 34",
         u"Определить разрядность кодовой группы (m) при уровне квантования (M), равным 61",
         u"Определить разрядность кодовой группы (m) при уровне квантования (M), равным 97",
         u"Определить разрядность кодовой группы (m) при уровне квантования (M), равным 140",
         u"Определить разрядность кодовой группы (m) при уровне квантования (M), равным 214",
     },
     {u"5", u"6", u"6", u"7", u"8", u"8"}},
    // Question 10
    {5,
     {
         u"Записать отсчет с амплитудой -66 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой -53 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой -87 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой -41 симметричным 8-ми разрядным кодом",
         u"Записать отсчет с амплитудой -96 симметричным 8-ми разрядным кодом",
     },
     {u"01000010", u"00110101", u"01010111", u"00101001", u"01100000"}},
}};

double question6Key(int amplitude) {
    for (const SegmentKey& segment : kQuestion6Keys)
        if (amplitude <= segment.lastAmplitude)
            return segment.key;
    return kQuestion6Keys.back().key;
}

KnowledgeTestScreen::Layout introLayout() {
    return {.questionTextTop = 16,
            .answerGroupLeft = 16,
            .answerCaptionFont = LabStyle::sans(12),
            .optionFont = LabStyle::sans(13),
            .summaryFont = LabStyle::sans(13),
            .label4 = {192, 104},
            .label5 = {208, 152},
            .label6 = {200, 176},
            .repeatCaption = QStringLiteral("<< Повторить тест")};
}

} // namespace

TForm4::TForm4()
    : KnowledgeTestScreen(QStringLiteral("Вводный тест"), QSize(578, 358), introLayout()) {
    Label1 = makeLabel(
        this, "Label1", {40, 24},
        QStringLiteral("Вам будет задано 10 вопросов и вы должны ответить на них без ошибок. При"));
    Label2 = makeLabel(this, "Label2", {104, 48},
                       QStringLiteral("наличии ошибок, вам будет необходимо повторить тест."));
    RzURLLabel1 = makeLink(this, "RzURLLabel1", {240, 152}, QStringLiteral("Начать тест"));

    RxCalcEdit1 = place(new NumericField(this), "RxCalcEdit1", {32, 152, 73, 21});
    RxCalcEdit1->setDecimals(3);
    RxCalcEdit1->setDisplayFormat(QStringLiteral(",0.###"));
    RxCalcEdit1->setBackground(Qt::white);
    RxCalcEdit1->setValue(0);
    RxCalcEdit1->setAccessibleName(QStringLiteral("Ответ"));
    // It shares the place of Edit1 inside the answer frame; the unit stands to its right.
    Panel1->raise();

    Label3 = makeLabel(this, "Label3", {104, 200}, QStringLiteral("Неправильных ответов:"));
    RzURLLabel3 = makeLink(this, "RzURLLabel3", {280, 328},
                           QStringLiteral("Перейти к демонстрации работы кодера >>"));

    for (QWidget* hidden : std::initializer_list<QWidget*>{
             LMDGroupBox1, LMDRadioGroup1, RxCalcEdit1, LMDButton1, Label3, RzURLLabel3})
        hidden->hide();

    connect(RzURLLabel1, &LinkLabel::clicked, this, &TForm4::RzURLLabel1Click);
    connect(RxCalcEdit1, &NumericField::clicked, this, &TForm4::RxCalcEdit1Click);
    connect(RxCalcEdit1, &NumericField::valueChanged, this, &TForm4::RxCalcEdit1Change);
    connect(RzURLLabel3, &LinkLabel::clicked, this, &TForm4::RzURLLabel3Click);
}

void TForm4::FormShow() {
    startRun(4, kPoolSize, 1);

    RxCalcEdit1->hide();
    Edit1->hide();
    LMDRadioGroup1->clearItems();
    RichEdit1->clear();
    enableAnswer(false);

    Label1->show();
    Label2->show();
    for (QWidget* summary : std::initializer_list<QWidget*>{Label4, Label5, Label6, Label3})
        summary->hide();
    RzURLLabel1->show();
    RzURLLabel2->hide();
    RzURLLabel3->hide();

    setQuestionCaption(1);
    // The question stays hidden until "Начать тест".
    putUpPoolQuestion(1);
}

void TForm4::RzURLLabel1Click() {
    RzURLLabel1->hide();
    LMDGroupBox1->show();
    LMDRadioGroup1->show();
    LMDButton1->show();
    Label1->hide();
    Label2->hide();
    RzURLLabel2->hide();
    RzURLLabel3->hide();
    if (PoolPick[0] == kNumberPool)
        RxCalcEdit1->show();
}

void TForm4::putUpPoolQuestion(int position) {
    const int pool = PoolPick[position - 1];
    const ChoiceQuestion& question = kPool[pool - 1];
    if (pool != kNumberPool) {
        putUpChoice(question);
        return;
    }
    setQuestionText(question.text);
    // At the first position the number field waits for "Начать тест".
    if (position > 1)
        RxCalcEdit1->show();
}

void TForm4::putUpQuestion(int n) {
    if (n >= 5 && n <= 7)
        RxCalcEdit1->setValue(0);
    LMDRadioGroup1->clearItems();
    RxCalcEdit1->hide();
    Panel1->hide();
    Edit1->hide();
    RichEdit1->clear();
    enableAnswer(false);
    if (n >= 7)
        Edit1->clear();

    setQuestionCaption(n);
    if (n <= 4) {
        putUpPoolQuestion(n);
    } else if (n == 5) {
        Panel1->show();
        RxCalcEdit1->show();
        RxCalcEdit1->setValue(0);
        QuestionVariant = DrawRandom(int(kQuestion5Keys.size())) + kQuestion5FirstWidth;
        setQuestionText(kQuestion5Text.toString() + QString::number(QuestionVariant));
    } else if (n == 6) {
        RxCalcEdit1->show();
        QuestionVariant = DrawRandom(kQuestion6Amplitudes);
        setQuestionText(kQuestion6Text.toString() + QString::number(QuestionVariant));
    } else {
        Edit1->show();
        putUpVariant(kDigitsQuestions[n - kFirstDigitsQuestion]);
    }
}

AnswerKey TForm4::answerKey(int q) const {
    if (q <= 4) {
        const int pool = PoolPick[q - 1];
        if (pool == kNumberPool)
            return {AnswerKind::Number, {}, kNumberPoolKey};
        const ChoiceQuestion& question = kPool[pool - 1];
        return {AnswerKind::Choice, question.options[question.key - 1].toString()};
    }
    if (q == 5)
        return {AnswerKind::Number, {}, kQuestion5Keys[QuestionVariant - kQuestion5FirstWidth]};
    if (q == 6)
        return {AnswerKind::Number, {}, question6Key(QuestionVariant)};
    const VariantQuestion& question = kDigitsQuestions[q - kFirstDigitsQuestion];
    return {AnswerKind::Digits, question.keys[QuestionVariant - 1].toString()};
}

double TForm4::enteredNumber() const {
    return RxCalcEdit1->value();
}

void TForm4::showResults() {
    WrongCount = 0;
    LMDGroupBox1->hide();
    LMDRadioGroup1->hide();
    Label4->show();
    Label5->show();
    Label6->show();
    Label3->show();
    LMDButton1->hide();
    Edit1->hide();

    countResults();
    Label3->setText(QStringLiteral("Ошибки в вопросах: ") + WrongList);

    // No pass mark: the way on is offered after a test with errors too.
    RzURLLabel2->show();
    RzURLLabel3->show();
}

void TForm4::RxCalcEdit1Click() {
    enableAnswer(true);
}

void TForm4::RxCalcEdit1Change() {
    enableAnswer(true);
}

void TForm4::RzURLLabel3Click() {
    goTo(Form5);
}
