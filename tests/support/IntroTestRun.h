#pragma once

// The intro test's questions and answer keys, and a scripted run through it: the draws it
// takes and the replies it gives.

#include "KnowledgeTestDriver.h"

#include <QStringList>
#include <array>

namespace intro {

// ---- What the students are asked, and the right answers ----------------------------------

struct PoolQuestion {
    QString text;
    QStringList options;
    int key; // bank number of the right option; 0 for the number question
};
inline const PoolQuestion kPool[7] = {
    {QStringLiteral("Каковы функции компаратора?"),
     {QStringLiteral(
          "Преобразование сигнала в параллельном коде в последовательный во времени код."),
      QStringLiteral("Подключение или отключение основных и дополнительных эталонов."),
      QStringLiteral("Потактовое сравнение UАИМ-2гр с набором эталонных напряжений по алгоритму "
                     "нелинейного кодирования.")},
     3},
    {QStringLiteral("Каковы функции ГЭН?"),
     {QStringLiteral("Блок при помощи которого определяется основной эталон в сегменте и набор "
                     "дополнительных эталонов."),
      QStringLiteral("Вырабатывание 11 эталонов с номиналами от 1 delta до 1024 delta "
                     "отрицательной и положительной полярности соответственно."),
      QStringLiteral(
          "Блок при помощи которого происходит подключение или отключение основных и "
          "дополнительных эталонов соответствующих сегменту, в котором происходит кодирование.")},
     2},
    {QStringLiteral("Каковы функции БКЭ?"),
     {QStringLiteral(
          "Блок при помощи которого происходит подключение или отключение основных и "
          "дополнительных эталонов соответствующих сегменту, в котором происходит кодирование."),
      QStringLiteral(
          "Преобразование сигнала в параллельном коде в последовательный во времени код."),
      QStringLiteral("В котором происходит потактовое сравнение UАИМ-2гр с набором эталонных "
                     "напряжений по алгоритму.")},
     1},
    {QStringLiteral("Каковы функции ЦР?"),
     {QStringLiteral("Потактовая реализация процедуры нелинейного кодирования и формирование 8-ми "
                     "разрядной канальной кодовой комбинации."),
      QStringLiteral("Потактовое сравнение UАИМ-2гр с набором эталонных напряжений по алгоритму "
                     "нелинейного кодирования."),
      QStringLiteral("Вырабатывание 11 эталонов с номиналами от 1 delta до 1024 delta "
                     "отрицательной и положительной полярности соответственно.")},
     1},
    {QStringLiteral("Каковы функции ПК?"),
     {QStringLiteral("Потактовая реализация процедуры нелинейного кодирования и формируется 8-ми "
                     "разрядная канальная кодовая комбинация в параллельном коде."),
      QStringLiteral(
          "Преобразование сигнала в параллельном коде в последовательный во времени код."),
      QStringLiteral("Передача кодовых канальных комбинаций в составе группового ИКМгр  по "
                     "цифровому тракту.")},
     2},
    {QStringLiteral("С каким эталонным напряжением сравнивается U на первичном и вторичном такте "
                    "нелинейного кодирования? (через запятую)"),
     {},
     0},
    {QStringLiteral("Как изменяется шаг квантования в сегментах характеристики компрессии типа А?"),
     {QStringLiteral("Не изменяется."), QStringLiteral("Уменьшается в 2 раза."),
      QStringLiteral("Увеличивается в 2 раза.")},
     3},
};

inline const QString kQuestion5Text =
    QStringLiteral("Определить максимальное напряжение квантованного сигнала. Кодирующее "
                   "устройство с линейной шкалой квантования. Разрядность кода m=");
inline const QString kQuestion6Text =
    QStringLiteral("Определить номер сегмента при нелинейном кодирование отсчета UАИМ-2гр =");

// Questions 7 to 10.
inline const driver::VariantOracle kDigits[4] = {
    {QStringLiteral("Записать отсчет с амплитудой 65 натуральным кодом"),
     "65",
     {"65", "58", "81", "34", "98"},
     {"1000001", "111010", "1010001", "100010", "1100010"}},
    {QStringLiteral("Записать отсчет с амплитудой 65 симметричным 8-ми разрядным кодом"),
     "65",
     {"65", "58", "81", "34", "98"},
     {"11000001", "10111010", "11010001", "10100010", "11100010"}},
    {QStringLiteral(
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 17"),
     "17",
     {"17", "34", "61", "97", "140", "214"},
     {"5", "6", "6", "7", "8", "8"}},
    {QStringLiteral("Записать отсчет с амплитудой -66 симметричным 8-ми разрядным кодом"),
     "-66",
     {"-66", "-53", "-87", "-41", "-96"},
     {"01000010", "00110101", "01010111", "00101001", "01100000"}},
};

inline int Question5Key(int width) {
    const int keys[] = {3, 7, 15, 31, 63, 127, 255, 511, 1023, 2047};
    return keys[width - 2];
}

inline int Question6Key(int amplitude) {
    const int segmentStarts[] = {16, 32, 64, 128, 256, 512, 1024};
    int segment = 0;
    for (const int start : segmentStarts)
        segment += amplitude >= start ? 1 : 0;
    return segment;
}

// One scripted run: the draws it takes and the replies it gives, right ones by default.
struct IntroRun {
    std::array<int, 4> pools{1, 2, 3, 4};
    std::array<int, 3> order{1, 2, 3}; // option order at every choice question
    int width = 2;
    int amplitude = 0;
    std::array<int, 4> variants{1, 1, 1, 1}; // questions 7 to 10
    std::array<QString, 10> replies;

    IntroRun() { answerAllRight(); }

    bool isChoice(int q) const { return q <= 4 && kPool[pools[q - 1] - 1].key != 0; }

    QString rightReply(int q) const {
        if (q <= 4) {
            const PoolQuestion& question = kPool[pools[q - 1] - 1];
            return question.key ? question.options[question.key - 1] : QStringLiteral("0,128");
        }
        if (q == 5)
            return QString::number(Question5Key(width));
        if (q == 6)
            return QString::number(Question6Key(amplitude));
        return kDigits[q - 7].keys[variants[q - 7] - 1];
    }

    QString wrongReply(int q) const {
        if (q <= 4) {
            const PoolQuestion& question = kPool[pools[q - 1] - 1];
            return question.key ? question.options[question.key % 3] : QStringLiteral("0,13");
        }
        if (q <= 6)
            return rightReply(q) + QLatin1Char('1');
        return QLatin1Char('0') + rightReply(q);
    }

    void answerAllRight() {
        for (int q = 1; q <= 10; ++q)
            replies[q - 1] = rightReply(q);
    }

    void script(ScriptedDraws& draws) const {
        for (const int pool : pools)
            draws.push(pool - 1);
        for (int q = 1; q <= 4; ++q)
            if (isChoice(q))
                draws.push({order[0] - 1, order[1] - 1, order[2] - 1});
        draws.push({width - 2, amplitude});
        for (const int variant : variants)
            draws.push(variant - 1);
    }
};

} // namespace intro
