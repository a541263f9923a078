#pragma once

// The intro test's answer keys, and a scripted run through it: the draws it takes and the
// replies it gives.

#include "KnowledgeTestDriver.h"

#include <QStringList>
#include <array>
#include <bit>

namespace intro {

// Pool questions 1 to 7: the text, the bank number of the key option (0 for the number
// question 6) and how that option begins.
struct PoolQuestion {
    QString text;
    int key;
    QString keyBegins;
};
inline const PoolQuestion kPool[7] = {
    {QStringLiteral("Каковы функции компаратора?"), 3, QStringLiteral("Потактовое сравнение")},
    {QStringLiteral("Каковы функции ГЭН?"), 2, QStringLiteral("Вырабатывание 11 эталонов")},
    {QStringLiteral("Каковы функции БКЭ?"), 1, QStringLiteral("Блок при помощи которого происх")},
    {QStringLiteral("Каковы функции ЦР?"), 1, QStringLiteral("Потактовая реализация")},
    {QStringLiteral("Каковы функции ПК?"), 2, QStringLiteral("Преобразование сигнала")},
    {QStringLiteral("С каким эталонным напряжением сравнивается U на первичном и вторичном такте "
                    "нелинейного кодирования? (через запятую)"),
     0,
     {}},
    {QStringLiteral("Как изменяется шаг квантования в сегментах характеристики компрессии типа А?"),
     3, QStringLiteral("Увеличивается в 2 раза.")},
};
// Pool question 5's third option, with its two blanks before "по".
inline const QString kDoubleBlankOption = QStringLiteral(
    "Передача кодовых канальных комбинаций в составе группового ИКМгр  по цифровому тракту.");

inline const QString kQuestion5Text =
    QStringLiteral("Определить максимальное напряжение квантованного сигнала. Кодирующее "
                   "устройство с линейной шкалой квантования. Разрядность кода m=");
inline const QString kQuestion6Text =
    QStringLiteral("Определить номер сегмента при нелинейном кодирование отсчета UАИМ-2гр =");

// Questions 7 to 10.
inline const driver::VariantOracle kDigits[4] = {
    {QStringLiteral("Записать отсчет с амплитудой 65 натуральным кодом"),
     {"65", "58", "81", "34", "98"},
     {"1000001", "111010", "1010001", "100010", "1100010"}},
    {QStringLiteral("Записать отсчет с амплитудой 65 симметричным 8-ми разрядным кодом"),
     {"65", "58", "81", "34", "98"},
     {"11000001", "10111010", "11010001", "10100010", "11100010"}},
    {QStringLiteral(
         "Определить разрядность кодовой группы (m) при уровне квантования (M), равным 17"),
     {"17", "34", "61", "97", "140", "214"},
     {"5", "6", "6", "7", "8", "8"}},
    {QStringLiteral("Записать отсчет с амплитудой -66 симметричным 8-ми разрядным кодом"),
     {"-66", "-53", "-87", "-41", "-96"},
     {"01000010", "00110101", "01010111", "00101001", "01100000"}},
};

// Question 5: the largest level of an m-bit linear code.
inline int Question5Key(int width) {
    return (1 << width) - 1;
}

// Question 6: segment s > 0 takes the amplitudes 16 * 2^(s-1) to 16 * 2^s - 1.
inline int question6Key(int amplitude) {
    return amplitude < 16 ? 0 : int(std::bit_width(unsigned(amplitude))) - 4;
}

// One scripted run: the draws it takes and the replies it gives, right ones by default.
struct IntroRun {
    std::array<int, 4> pools{1, 2, 3, 4};
    std::array<int, 3> order{1, 2, 3}; // bank numbers as listed, at every choice question
    int width = 2;
    int amplitude = 0;
    std::array<int, 4> variants{1, 1, 1, 1}; // questions 7 to 10
    std::array<QString, 10> replies;

    IntroRun() { answerAllRight(); }

    int key(int q) const { return kPool[pools[q - 1] - 1].key; }

    QString rightReply(int q) const {
        if (q <= 4)
            return key(q) ? driver::Listed(order, key(q)) : QStringLiteral("0,128");
        if (q == 5)
            return QString::number(Question5Key(width));
        if (q == 6)
            return QString::number(question6Key(amplitude));
        return kDigits[q - 7].keys[variants[q - 7] - 1];
    }

    QString wrongReply(int q) const {
        if (q <= 4)
            return key(q) ? driver::Listed(order, key(q) % 3 + 1) : QStringLiteral("0,13");
        if (q <= 6)
            return rightReply(q) + QLatin1Char('1');
        return QLatin1Char('0') + rightReply(q);
    }

    void answerAllRight() {
        for (int q = 1; q <= 10; ++q)
            replies[q - 1] = rightReply(q);
    }

    // Queues the run's draws; returns the ranges they are to be drawn from.
    QList<int> script(ScriptedDraws& draws) const {
        QList<int> ranges;
        const auto draw = [&](int value, int range) {
            draws.push(value);
            ranges.append(range);
        };
        for (const int pool : pools)
            draw(pool - 1, 7);
        for (int q = 1; q <= 4; ++q)
            for (const int bank : order)
                if (key(q))
                    draw(bank - 1, 3);
        draw(width - 2, 10);
        draw(amplitude, 2048);
        for (int i = 0; i < 4; ++i)
            draw(variants[i] - 1, int(kDigits[i].keys.size()));
        return ranges;
    }
};

} // namespace intro
