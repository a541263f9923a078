// SPDX-License-Identifier: MIT
#include "screens/Unit4.h"

#include "foundation/Utf8Text.h"
#include "logic/IntroTestBank.h"
#include "widgets/Controls.h"
#include "widgets/NumericField.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QGroupBox>

TForm4* Form4 = nullptr;

namespace {

const Knowledge::QuestionBank& introBank() {
    static const Knowledge::IntroTestBank bank;
    return bank;
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
    : KnowledgeTestScreen(QStringLiteral("Вводный тест"), QSize(578, 358), introLayout(),
                          introBank()) {
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
    test_.start();

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

    // The question stays hidden until "Начать тест".
    putUp(1);
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
    if (test_.question().kind == Knowledge::AnswerKind::Number)
        RxCalcEdit1->show();
}

void TForm4::putUpQuestion(int n) {
    LMDRadioGroup1->clearItems();
    RxCalcEdit1->hide();
    Panel1->hide();
    Edit1->hide();
    RichEdit1->clear();

    const Knowledge::Question& question = putUp(n);
    // Judged already: the number typed for the question before is not needed any more.
    if (question.resetsNumber)
        RxCalcEdit1->setValue(0);
    if (question.emptiesText)
        Edit1->clear();
    // Last, as the fields' change handlers above would enable it.
    enableAnswer(false);
    Edit1->setVisible(question.kind == Knowledge::AnswerKind::Digits);
    RxCalcEdit1->setVisible(question.kind == Knowledge::AnswerKind::Number);
    Panel1->setVisible(question.withUnit);
}

std::optional<double> TForm4::enteredNumber() const {
    return RxCalcEdit1->value();
}

void TForm4::showResults() {
    LMDGroupBox1->hide();
    LMDRadioGroup1->hide();
    Label4->show();
    Label5->show();
    Label6->show();
    Label3->show();
    LMDButton1->hide();
    Edit1->hide();

    countResults();
    Label3->setText(toQString(Knowledge::IntroTestBank::wrongListText(test_.run())));

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
    Q_EMIT goOnRequested();
}
