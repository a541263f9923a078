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

const Knowledge::QuestionBank& finalBank() {
    static const Knowledge::FinalTestBank bank;
    return bank;
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

} // namespace

TForm8::TForm8()
    : KnowledgeTestScreen(QStringLiteral("Итоговый тест"), QSize(578, 359), finalLayout(),
                          finalBank()) {
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
    test_.start();

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
    classJournalStatus_->hide();
    saveReportLink_->hide();
    printReportLink_->hide();
    Panel1->hide();
    LMDGroupBox1->show();
    LMDRadioGroup1->show();

    putUp(1);
    showEdit1(kWordWidth);
}

void TForm8::showClassJournalStatus(const QString& status) {
    classJournalStatus_->setText(status);
    classJournalStatus_->show();
}

void TForm8::showEdit1(int width) {
    Edit1->resize(width, Edit1->height());
    Edit1->show();
}

void TForm8::putUpQuestion(int n) {
    Edit1->hide();
    Panel1->hide();
    RichEdit1->clear();
    enableAnswer(false);
    LMDRadioGroup1->clearItems();

    const Knowledge::Question& question = putUp(n);
    if (question.emptiesText)
        Edit1->clear();
    if (question.kind == Knowledge::AnswerKind::Choice) {
        Edit1->resize(kDigitsWidth, Edit1->height());
        return;
    }
    Panel1->setVisible(question.withUnit);
    showEdit1(question.kind == Knowledge::AnswerKind::Word ? kWordWidth : kDigitsWidth);
}

void TForm8::showResults() {
    LMDGroupBox1->hide();
    LMDRadioGroup1->hide();
    for (Label* report : {Label4, Label7, Label5, Label6, Label1, Label2})
        report->show();
    LMDButton1->hide();
    Edit1->hide();

    countResults();
    Label7->setText(toQString(Knowledge::FinalTestBank::wrongListText(test_.run())));

    const Students students = studentsSource_ ? studentsSource_() : Students{};
    Label2->setText(students.first);
    Label3->setText(students.second);
    Label3->setVisible(!students.second.isEmpty());
    Label1->setText(
        toQString(Knowledge::FinalTestBank::studentsHeading(students.second.toStdString())));

    RzURLLabel2->show();
    saveReportLink_->show();
    printReportLink_->show();
}
