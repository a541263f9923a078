// SPDX-License-Identifier: MIT
#include "screens/Unit8.h"

#include "foundation/Utf8Text.h"
#include "logic/FinalTestBank.h"
#include "widgets/Controls.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QGroupBox>
#include <QShortcut>

TForm8* Form8 = nullptr;

namespace {

constexpr KnowledgeTestScreen::Layout kFinalLayout{.questionTextTop = 24,
                                                   .answerGroupLeft = 8,
                                                   .answerCaptionFont = 11,
                                                   .optionFont = 11,
                                                   .summaryFont = 16,
                                                   .label4 = {180, 72},
                                                   .label5 = {200, 112},
                                                   .label6 = {185, 136},
                                                   .repeatCaption = u"Повторить тест"};

} // namespace

TForm8::TForm8()
    : KnowledgeTestScreen(QStringLiteral("Итоговый тест"), QSize(578, 359), kFinalLayout,
                          std::make_unique<Knowledge::FinalTestBank>()) {
    QPalette pal = palette();
    LabStyle::setEnabledColor(pal, QPalette::WindowText, Qt::black);
    setPalette(pal);

    const QFont report = LabStyle::sans(16);
    Label7 = makeLabel(this, "Label7", {152, 168}, QStringLiteral("Ошибки в вопросах:"), report);
    Label7->setTextColor(Qt::red);
    Label1 = makeLabel(this, "Label1", {170, 192},
                       toQString(Knowledge::FinalTestBank::studentsHeading({})), report);
    Label2 = makeLabel(this, "Label2", {224, 224}, QString(), report);
    Label3 = makeLabel(this, "Label3", {224, 256}, QString(), report);
    for (Label* hidden : {Label7, Label1, Label2, Label3})
        hidden->hide();

    // The report leaves the lab: as a file and on paper, below the names.
    saveReportLink_ =
        makeLink(this, "saveReportLink", {224, 296}, QStringLiteral("Сохранить отчёт…"));
    printReportLink_ = makeLink(this, "printReportLink", {400, 296}, QStringLiteral("Печать…"));
    const std::pair<LinkLabel*, QKeySequence::StandardKey> actions[] = {
        {saveReportLink_, QKeySequence::Save}, {printReportLink_, QKeySequence::Print}};
    for (const auto& [link, keys] : actions) {
        link->hide();
        link->setAccessibleDescription(QKeySequence(keys).toString(QKeySequence::NativeText));
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, link, [link = link] {
            if (link->isVisible())
                link->activate();
        });
    }
    // Above the report, where the question stood: it hides none of the report's lines.
    classJournalStatus_ = makeLabel(this, "classJournalStatus", {32, 16}, QString());
    classJournalStatus_->setWordWrap(true);
    classJournalStatus_->setFixedSize(514, 36);
    classJournalStatus_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    classJournalStatus_->hide();
    connect(saveReportLink_, &LinkLabel::clicked, this, &TForm8::saveReportRequested);
    connect(printReportLink_, &LinkLabel::clicked, this, &TForm8::printReportRequested);
}

void TForm8::FormShow() {
    // No instructions: question 1 is up at once.
    startRun();
    showPhase(Phase::Question);
}

void TForm8::showClassJournalStatus(const QString& status) {
    classJournalStatus_->setText(status);
    classJournalStatus_->show();
}

void TForm8::phaseShown(Phase phase) {
    const bool report = phase == Phase::Results;
    // The names as they stand when the report comes up.
    const Students students = report && studentsSource_ ? studentsSource_() : Students{};
    if (report) {
        Label7->setText(toQString(Knowledge::FinalTestBank::wrongListText(run())));
        Label2->setText(students.first);
        Label3->setText(students.second);
        Label1->setText(
            toQString(Knowledge::FinalTestBank::studentsHeading(students.second.toStdString())));
    }
    for (QWidget* line :
         std::initializer_list<QWidget*>{Label7, Label1, Label2, saveReportLink_, printReportLink_})
        line->setVisible(report);
    Label3->setVisible(!students.second.isEmpty());
    // Where the result stands with the class journal is told once it has been kept.
    if (!report)
        classJournalStatus_->hide();
}
