#include "screens/Unit5.h"

#include "app/RandomDraw.h"
#include "screens/Unit9.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"
#include "widgets/Picture.h"
#include "workbench/TactTexts.h"

#include <QPushButton>

TForm5* Form5 = nullptr;

namespace {

constexpr int kStepsPerCycle = 16;

QString ValueStatus(std::int32_t uaim) {
    return QStringLiteral("Значение Uаим для кодирования = ") + QString::number(uaim) +
           QLatin1Char('.');
}

QString Bit(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

TForm5::TForm5()
    : LabScreen(QStringLiteral("Демонстрация работы нелинейного кодера"), QSize(604, 523)),
      Panel(this, SchematicPanel::Flavour::Demonstration), Trace(BuildCodingTrace(0)) {
    connect(Panel.stepButton(), &QPushButton::clicked, this, &TForm5::LMDButton2Click);
    connect(Panel.practiceLink(), &TLinkLabel::clicked, this, &TForm5::RzURLLabel1Click);
}

void TForm5::FormShow() {
    DrawValue();
}

void TForm5::DrawValue() {
    // A zero is drawn again once; the second draw stands, even a zero.
    Uaim = DrawAvoiding([] { return DrawRandom(4001) - 2000; }, {0}, 2);
    Trace = BuildCodingTrace(Uaim);
    Panel.statusLine()->setText(ValueStatus(Uaim));
    Panel.uaimField()->setText(QString::number(Uaim));
}

void TForm5::LMDButton2Click() {
    ++StepCount;
    if (StepCount > kStepsPerCycle) {
        Restart();
        return;
    }
    const int tact = (StepCount + 1) / 2;
    const TTactRecord& record = Trace.tacts[std::size_t(tact - 1)];
    if (StepCount % 2 == 1)
        StartTact(record);
    else
        EndTact(record);
}

void TForm5::StartTact(const TTactRecord& record) {
    Panel.statusLine()->setText(TactStatusText(true, record.tact));
    SchematicPanel::setCellText(Panel.registerCell(record.tact), QStringLiteral("1"));
    SchematicPanel::setCellText(Panel.comparatorCell(),
                                QString(QChar::fromLatin1(record.comparatorOutput)));
    Panel.comparatorCell()->show();
    ShowReferences(record.referencesDuring);
    if (record.tact == 1) {
        const auto own = SchematicPanel::polarityRow(Trace.positive);
        const auto other = SchematicPanel::polarityRow(!Trace.positive);
        Panel.openSwitch(own)->hide();
        Panel.closedSwitch(own)->show();
        for (QWidget* cell : Panel.row(own))
            cell->show();
        for (QWidget* cell : Panel.row(other))
            cell->hide();
    } else {
        Panel.uetLabel()->setText(
            QString::fromStdString(FormatUet(record.uetDuring, Trace.positive)));
    }
}

void TForm5::EndTact(const TTactRecord& record) {
    Panel.statusLine()->setText(record.tact == 8
                                    ? QStringLiteral("Конец 8-го такта. Кодирование завершено.")
                                    : TactStatusText(false, record.tact));
    Panel.comparatorCell()->hide();
    SchematicPanel::setCellText(Panel.registerCell(record.tact), Bit(record.bit == 1));
    ShowReferences(record.referencesAfter);
    if (record.tact != 1)
        Panel.uetLabel()->setText(
            QString::fromStdString(FormatUet(record.uetAfter, Trace.positive)));
}

void TForm5::ShowReferences(const TReferenceSet& references) {
    // The polarity's generator row and the SegmentSelector row always show the same set.
    for (const auto row :
         {SchematicPanel::polarityRow(Trace.positive), SchematicPanel::Row::Selector})
        for (const int weight : kReferenceWeights)
            SchematicPanel::setCellText(Panel.referenceCell(row, weight),
                                        Bit(references.contains(weight)));
}

void TForm5::Restart() {
    DrawValue();
    StepCount = 0;
    Panel.uetLabel()->setText(QStringLiteral("0"));
    for (QWidget* cell : Panel.allRowCells())
        SchematicPanel::setCellText(cell, QStringLiteral("0"));
    for (const auto generator : {SchematicPanel::Row::Gen1, SchematicPanel::Row::Gen2}) {
        Panel.closedSwitch(generator)->hide();
        Panel.openSwitch(generator)->show();
        for (QWidget* cell : Panel.row(generator))
            cell->show();
    }
    // The Comparator cell keeps its last text, hidden until the next first tact.
}

void TForm5::RzURLLabel1Click() {
    goTo(Form9);
}
