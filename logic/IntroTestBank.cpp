// SPDX-License-Identifier: MIT
#include "logic/IntroTestBank.h"

#include "coder/CoderModel.h"
#include "logic/RandomDraw.h"

namespace Knowledge {

namespace {

// Pool questions 1 to 7, asked at positions 1 to 4. Pool question 6 takes a number.
constexpr int kPoolSize = 7;
constexpr int kNumberPool = 6;
constexpr std::array<ChoiceEntry, kPoolSize> kPool{{
    {"Каковы функции компаратора?",
     {"Преобразование сигнала в параллельном коде в последовательный во времени код.",
      "Подключение или отключение основных и дополнительных эталонов.",
      "Потактовое сравнение UАИМ-2гр с набором эталонных напряжений по алгоритму нелинейного "
      "кодирования."},
     3},
    {"Каковы функции ГЭН?",
     {"Блок при помощи которого определяется основной эталон в сегменте и набор дополнительных "
      "эталонов.",
      "Вырабатывание 11 эталонов с номиналами от 1 delta до 1024 delta отрицательной и "
      "положительной полярности соответственно.",
      "Блок при помощи которого происходит подключение или отключение основных и дополнительных "
      "эталонов соответствующих сегменту, в котором происходит кодирование."},
     2},
    {"Каковы функции БКЭ?",
     {"Блок при помощи которого происходит подключение или отключение основных и дополнительных "
      "эталонов соответствующих сегменту, в котором происходит кодирование.",
      "Преобразование сигнала в параллельном коде в последовательный во времени код.",
      "В котором происходит потактовое сравнение UАИМ-2гр с набором эталонных напряжений по "
      "алгоритму."},
     1},
    {"Каковы функции ЦР?",
     {"Потактовая реализация процедуры нелинейного кодирования и формирование 8-ми разрядной "
      "канальной кодовой комбинации.",
      "Потактовое сравнение UАИМ-2гр с набором эталонных напряжений по алгоритму нелинейного "
      "кодирования.",
      "Вырабатывание 11 эталонов с номиналами от 1 delta до 1024 delta отрицательной и "
      "положительной полярности соответственно."},
     1},
    {"Каковы функции ПК?",
     {"Потактовая реализация процедуры нелинейного кодирования и формируется 8-ми разрядная "
      "канальная кодовая комбинация в параллельном коде.",
      "Преобразование сигнала в параллельном коде в последовательный во времени код.",
      "Передача кодовых канальных комбинаций в составе группового ИКМгр  по цифровому тракту."},
     2},
    {"С каким эталонным напряжением сравнивается U на первичном и вторичном такте нелинейного "
     "кодирования? (через запятую)",
     {},
     0},
    {"Как изменяется шаг квантования в сегментах характеристики компрессии типа А?",
     {"Не изменяется.", "Уменьшается в 2 раза.", "Увеличивается в 2 раза."},
     3},
}};
// The two reference values 0 and 128 typed one after the other under a decimal comma.
constexpr double kNumberPoolKey = 0.128;

// Question 5: the code width m (2 to 11) is appended to the text.
constexpr std::string_view kQuestion5Text =
    "Определить максимальное напряжение квантованного сигнала. Кодирующее устройство с линейной "
    "шкалой квантования. Разрядность кода m=";
constexpr int kQuestion5FirstWidth = 2;
// 2^m - 1 for m = 2 to 11.
constexpr std::array<double, 10> kQuestion5Keys{3, 7, 15, 31, 63, 127, 255, 511, 1023, 2047};

// Question 6: the amplitude (0 to 2047) is appended to the text; the key is its segment.
constexpr std::string_view kQuestion6Text =
    "Определить номер сегмента при нелинейном кодирование отсчета UАИМ-2гр =";
constexpr int kQuestion6Amplitudes = 2048;

// Questions 7 to 10: digits answers, in the text field, emptied for each.
constexpr int kFirstDigitsQuestion = 7;
constexpr std::array<VariantEntry, 4> kDigitsQuestions{{
    // Question 7
    {5,
     {
         "Записать отсчет с амплитудой 65 натуральным кодом",
         "Записать отсчет с амплитудой 58 натуральным кодом",
         "Записать отсчет с амплитудой 81 натуральным кодом",
         "Записать отсчет с амплитудой 34 натуральным кодом",
         "Записать отсчет с амплитудой 98 натуральным кодом",
     },
     {"1000001", "111010", "1010001", "100010", "1100010"}},
    // Question 8
    {5,
     {
         "Записать отсчет с амплитудой 65 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой 58 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой 81 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой 34 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой 98 симметричным 8-ми разрядным кодом",
     },
     {"11000001", "10111010", "11010001", "10100010", "11100010"}},
    // Question 9
    {6,
     {
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 17",
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 34",
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 61",
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 97",
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 140",
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 214",
     },
     {"5", "6", "6", "7", "8", "8"}},
    // Question 10
    {5,
     {
         "Записать отсчет с амплитудой -66 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой -53 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой -87 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой -41 симметричным 8-ми разрядным кодом",
         "Записать отсчет с амплитудой -96 симметричным 8-ми разрядным кодом",
     },
     {"01000010", "00110101", "01010111", "00101001", "01100000"}},
}};

// The segment whose range holds the amplitude, by the lower boundaries of the coder's table.
double question6Key(int amplitude) {
    int segment = 0;
    while (segment + 1 < int(Coder::kSegments.size()) &&
           amplitude >= Coder::kSegments[std::size_t(segment + 1)].base)
        ++segment;
    return segment;
}

// The number field goes back to 0 before the two number questions and once after them.
bool resetsNumberBefore(int n) {
    return n >= 5 && n <= kFirstDigitsQuestion;
}

} // namespace

std::vector<int> IntroTestBank::drawPools() const {
    return drawPoolPicks(4, kPoolSize, 1);
}

Question IntroTestBank::question(int n, TestRun& run) const {
    Question question;
    if (n <= 4) {
        const int pool = run.PoolPick[static_cast<std::size_t>(n - 1)];
        const ChoiceEntry& entry = kPool[static_cast<std::size_t>(pool - 1)];
        if (pool != kNumberPool)
            return choiceQuestion(entry);
        question = {std::string(entry.text), AnswerKind::Number, {}, {}, kNumberPoolKey};
    } else if (n == 5) {
        run.QuestionVariant = DrawRandom(10) + kQuestion5FirstWidth;
        question = {
            std::string(kQuestion5Text) + std::to_string(run.QuestionVariant),
            AnswerKind::Number,
            {},
            {},
            kQuestion5Keys[static_cast<std::size_t>(run.QuestionVariant - kQuestion5FirstWidth)],
            true};
    } else if (n == 6) {
        run.QuestionVariant = DrawRandom(kQuestion6Amplitudes);
        question = {std::string(kQuestion6Text) + std::to_string(run.QuestionVariant),
                    AnswerKind::Number,
                    {},
                    {},
                    question6Key(run.QuestionVariant)};
    } else {
        question = variantQuestion(
            kDigitsQuestions[static_cast<std::size_t>(n - kFirstDigitsQuestion)], run);
        question.emptiesText = true;
    }
    question.resetsNumber = resetsNumberBefore(n);
    return question;
}

std::string IntroTestBank::wrongListText(const TestRun& run) {
    return "Ошибки в вопросах: " + run.WrongList;
}

} // namespace Knowledge
