// SPDX-License-Identifier: MIT
#include "screens/Unit8.h"

#include "foundation/Utf8Text.h"
#include "logic/FinalTestBank.h"
#include "screens/Unit7.h"
#include "widgets/Controls.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QGroupBox>

TForm8* Form8 = nullptr;

namespace {

const QuestionBank& finalBank() {
    static const FinalTestBank bank;
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
    Label1 = makeLabel(this, "Label1", {170, 192}, toQString(FinalTestBank::studentsHeading({})),
                       report);
    Label2 = makeLabel(this, "Label2", {224, 224}, QString(), report);
    Label3 = makeLabel(this, "Label3", {224, 256}, QString(), report);
    for (Label* hidden : {Label7, Label1, Label2, Label3})
        hidden->hide();
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
    Panel1->hide();
    LMDGroupBox1->show();
    LMDRadioGroup1->show();

    putUp(1);
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
    LMDRadioGroup1->clearItems();

    const Question& question = putUp(n);
    if (question.kind == AnswerKind::Choice) {
        Edit1->resize(kDigitsWidth, Edit1->height());
        return;
    }
    // The unit picture stands beside the field for the question that asks for volts only.
    if (question.withUnit)
        Panel1->show();
    showEdit1(question.kind == AnswerKind::Word ? kWordWidth : kDigitsWidth);
}

void TForm8::showResults() {
    LMDGroupBox1->hide();
    LMDRadioGroup1->hide();
    for (Label* report : {Label4, Label7, Label5, Label6, Label1, Label2})
        report->show();
    LMDButton1->hide();
    Edit1->hide();

    countResults();
    Label7->setText(toQString(FinalTestBank::wrongListText(test_.run())));

    // The names are read as they stand now on the registration screen.
    Label2->setText(Form7->firstStudent());
    const QString second = Form7->secondStudent();
    Label3->setText(second);
    Label3->setVisible(!second.isEmpty());
    Label1->setText(toQString(FinalTestBank::studentsHeading(second.toStdString())));

    RzURLLabel2->show();
}
