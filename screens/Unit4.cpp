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

constexpr KnowledgeTestScreen::Layout kIntroLayout{.questionTextTop = 16,
                                                   .answerGroupLeft = 16,
                                                   .answerCaptionFont = 12,
                                                   .optionFont = 13,
                                                   .summaryFont = 13,
                                                   .label4 = {192, 104},
                                                   .label5 = {208, 152},
                                                   .label6 = {200, 176},
                                                   .repeatCaption = u"<< Повторить тест"};

} // namespace

TForm4::TForm4()
    : KnowledgeTestScreen(QStringLiteral("Вводный тест"), QSize(578, 358), kIntroLayout,
                          std::make_unique<Knowledge::IntroTestBank>()) {
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
    // The first question is put up at once, and waits for "Начать тест".
    startRun();
    showPhase(Phase::Instructions);
}

void TForm4::RzURLLabel1Click() {
    showPhase(Phase::Question);
}

void TForm4::phaseShown(Phase phase) {
    for (QWidget* instruction : std::initializer_list<QWidget*>{Label1, Label2, RzURLLabel1})
        instruction->setVisible(phase == Phase::Instructions);
    RxCalcEdit1->setVisible(phase == Phase::Question &&
                            currentQuestion().kind == Knowledge::AnswerKind::Number);
    if (phase == Phase::Results)
        Label3->setText(toQString(Knowledge::IntroTestBank::wrongListText(run())));
    // No pass mark: the way on is offered after a test with errors too.
    Label3->setVisible(phase == Phase::Results);
    RzURLLabel3->setVisible(phase == Phase::Results);
}

std::optional<double> TForm4::enteredNumber() const {
    return RxCalcEdit1->value();
}

void TForm4::resetNumber() {
    RxCalcEdit1->setValue(0);
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
