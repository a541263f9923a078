#include "workbench/TactTexts.h"

QString tactStatusText(bool start, int tact) {
    QString purpose;
    if (tact == 1)
        purpose = QStringLiteral("Определение знака входного сигнала");
    else if (tact <= 4)
        purpose = QStringLiteral("Определение номера сегмента амплитудной характеристики");
    else
        purpose = QStringLiteral("Определение шага внутри сегмента");
    return (start ? QStringLiteral("Начало ") : QStringLiteral("Конец ")) + QString::number(tact) +
           QStringLiteral("-го такта. ") + purpose;
}
