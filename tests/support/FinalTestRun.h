#pragma once

// The final test's answer keys, and a scripted run through it: the draws it takes and the
// replies it gives.

#include "KnowledgeTestDriver.h"

#include <QStringList>
#include <array>

namespace finaltest {

// Pool questions 8 to 13: words of the text that tell the block, and its name, the key.
struct BlockQuestion {
    QString words;
    QString key;
};
inline const BlockQuestion kBlocks[6] = {
    {QStringLiteral("Блок в котором происходит потактовое сравнение"),
     QStringLiteral("компаратор")},
    {QStringLiteral("Блок вырабатывающий 11 эталонов"),
     QStringLiteral("генератор эталонных напряжений")},
    {QStringLiteral("подключение или отключение"), QStringLiteral("блок коммутации эталонов")},
    {QStringLiteral("определяется основной эталон"), QStringLiteral("блок выбора сегмента")},
    {QStringLiteral("потактовая реализация"), QStringLiteral("цифровой регистр")},
    {QStringLiteral("Блок осуществляющий преобразование"), QStringLiteral("преобразователь кода")},
};

// Questions 3 to 6 and 8 to 10.
inline const driver::VariantOracle kDigits[7] = {
    {QStringLiteral("Комбинация на выходе нелинейного кодера 10101111. Какова амплитуда отсчета на "
                    "входе(UАИМ),В?"),
     {"10101111", "11000101", "11110011", "10111111", "10001111"},
     {"62", "168", "1216", "124", "15"}},
    {QStringLiteral(
         "Амплитуда отсчета (UАИМ) равна 654 В. Указать комбинацию на выходе нелинейного кодера."),
     {"654", "322", "488", "47", "92"},
     {"11100100", "11010100", "11011110", "10100111", "10110111"}},
    {QStringLiteral("Комбинация на выходе нелинейного кодера 01011001. Какова амплитуда отсчета на "
                    "входе(UАИМ)?"),
     {"01011001", "01110011", "00011100", "01011100", "00111000"},
     {"-400", "-1216", "-28", "-448", "-96"}},
    {QStringLiteral(
         "Амплитуда отсчета (UАИМ) равна -567 В. Указать комбинацию на выходе нелинейного кодера."),
     {"-567", "-434", "-54", "-981", "-37"},
     {"01100001", "01011011", "00101011", "01101110", "00100010"}},
    {QStringLiteral("Кодовая группа на выходе нелинейного кодера для Uаим=430мВ, если Umax "
                    "=2048мВ, delta=1 мВ:"),
     {"=430мВ", "=312мВ", "=90мВ", "=-900мВ", "=-390мВ", "=-1456мВ"},
     {"11011010", "11010011", "10110110", "01101100", "01011000", "01110110"}},
    {QStringLiteral("Амплитуда сигнала на выходе нелинейного декодера для кодовой группы 11101010, "
                    "если Uаим max =Uогр = 4096мВ(с учетом коррекции):"),
     {"11101010", "11011010", "10110110", "01011000", "00110110"},
     {"1728", "876", "184", "-796", "-184"}},
    {QStringLiteral("Определить структуру 8-ми разрядной кодовой группы на выходе нелинейного "
                    "кодера, соответствующей передаваемому сигналу U0(t)=31,2 мВ; delta=0,4 мВ"),
     {"31,2 мВ; delta=0,4 мВ", "62,4 мВ; delta=0,8 мВ", "15,6 мВ; delta=0,2 мВ",
      "124,8 мВ; delta=1,6 мВ"},
     {"10110011", "10110011", "10110011", "10110011"}},
};
inline const driver::VariantOracle& Digits(int q) {
    return kDigits[q < 7 ? q - 3 : q - 4];
}

// Question 7: its key is option 2; every option ends in a blank and "…".
inline const QString kQuestion7Text =
    QStringLiteral("Выберите последовательность блоков нелинейного кодера используемых в процессе "
                   "кодирования на 1 такте.");
inline const QString kQuestion7Key =
    QStringLiteral("Компаратор; Цифровой регистр; Блок коммутации эталонов; Генератор эталонных "
                   "напряжений; Компаратор …");

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
            return driver::Listed(order, 2);
        return Digits(q).keys[variants[q] - 1];
    }

    QString wrongReply(int q) const {
        const QString right = rightReply(q);
        if (q <= 2)
            return right.left(1).toUpper() + right.mid(1);
        if (q == 7)
            return driver::Listed(order, 1);
        return right.startsWith(QLatin1Char('-')) ? right.mid(1) : QLatin1Char('0') + right;
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
            draw(pool - 8, 6);
        for (int q = 3; q <= 10; ++q) {
            if (q == 7) {
                for (const int bank : order)
                    draw(bank - 1, 3);
            } else {
                draw(variants[q] - 1, int(Digits(q).keys.size()));
            }
        }
        return ranges;
    }
};

} // namespace finaltest
