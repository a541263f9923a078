// SPDX-License-Identifier: MIT
#include "screens/KnowledgeTestScreen.h"

#include "foundation/ErrorReporter.h"
#include "foundation/Utf8Text.h"
#include "widgets/Controls.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"
#include "widgets/UnitPicture.h"

#include <QGroupBox>

namespace {

// Edit1 is wide enough for a block's name, narrower for digits.
constexpr int kWordWidth = 185;
constexpr int kDigitsWidth = 73;

} // namespace

KnowledgeTestScreen::KnowledgeTestScreen(const QString& caption, QSize clientSize,
                                         const Layout& layout,
                                         std::unique_ptr<const Knowledge::QuestionBank> bank)
    : LabScreen(caption, clientSize, Border::Fixed), bank_(std::move(bank)), test_(*bank_) {
    LMDGroupBox1 =
        place(new QGroupBox(QStringLiteral("Вопрос 1"), this), "LMDGroupBox1", {8, 8, 561, 97});
    LMDGroupBox1->setFont(LabStyle::sans(11));
    RichEdit1 = place(new ReadOnlyText(LabStyle::sans(13), LabStyle::kBtnFace, LMDGroupBox1),
                      "RichEdit1", {8, layout.questionTextTop, 545, 65});
    RichEdit1->setAccessibleName(LMDGroupBox1->title());

    const QString answer = QStringLiteral("Ответ");
    LMDRadioGroup1 = place(new RadioGroup(answer, this), "LMDRadioGroup1",
                           {layout.answerGroupLeft, 128, 561, 185});
    LMDRadioGroup1->setFont(LabStyle::sans(layout.answerCaptionFont));
    LMDRadioGroup1->setItemFont(LabStyle::sans(layout.optionFont));
    LMDRadioGroup1->setAccessibleName(answer);

    // Created after the answer frame, so the entry field and the unit beside it lie above
    // the frame they stand in.
    Edit1 = makeEdit(this, "Edit1", {32, 152, 73, 21});
    Edit1->setAccessibleName(answer);
    Panel1 = place(new QWidget(this), "Panel1", {105, 151, 32, 23});
    Image1 = place(makeUnitPicture(Panel1), "Image1", {-2, 0, 33, 23});
    Image1->setAccessibleName(QStringLiteral("Δ,В"));
    Image1->setAccessibleDescription(QStringLiteral("Единица ответа: дельта, вольт"));

    LMDButton1 = makeButton(this, "LMDButton1", {240, 320, 89, 25}, QStringLiteral("Ответить"));

    Label4 = makeLabel(this, "Label4", layout.label4, QStringLiteral("По результатам теста у вас:"),
                       LabStyle::sans(layout.summaryFont));
    Label5 = makeLabel(this, "Label5", layout.label5, QStringLiteral("Правильных ответов:"),
                       LabStyle::sans(layout.summaryFont));
    Label6 = makeLabel(this, "Label6", layout.label6, QStringLiteral("Неправильных ответов:"),
                       LabStyle::sans(layout.summaryFont));
    RzURLLabel2 = makeLink(this, "RzURLLabel2", {32, 328}, layout.repeatCaption.toString());

    for (QWidget* hidden : {static_cast<QWidget*>(Edit1), Panel1, static_cast<QWidget*>(Label4),
                            static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6),
                            static_cast<QWidget*>(RzURLLabel2)})
        hidden->hide();
    LMDButton1->setEnabled(false);

    connect(LMDRadioGroup1, &RadioGroup::groupClicked, this,
            &KnowledgeTestScreen::LMDRadioGroup1Click);
    connect(Edit1, &QLineEdit::textChanged, this, &KnowledgeTestScreen::Edit1Change);
    connect(LMDButton1, &QPushButton::clicked, this, &KnowledgeTestScreen::LMDButton1Click);
    connect(RzURLLabel2, &LinkLabel::clicked, this, &KnowledgeTestScreen::RzURLLabel2Click);
}

void KnowledgeTestScreen::startRun() {
    test_.start();
    putUpQuestion(1);
}

void KnowledgeTestScreen::putUpQuestion(int n) {
    LMDRadioGroup1->clearItems();
    LMDGroupBox1->setTitle(QStringLiteral("Вопрос ") + QString::number(n));
    RichEdit1->setAccessibleName(LMDGroupBox1->title());
    const Knowledge::Question& question = test_.putUp(n);
    RichEdit1->setText(toQString(question.text));
    for (const std::string& option : question.options)
        LMDRadioGroup1->addItem(toQString(option));
    // Judged already: what was entered for the question before is not needed any more.
    if (question.resetsNumber)
        resetNumber();
    if (question.emptiesText)
        Edit1->clear();
    // Last, as the fields' change handlers above would enable it.
    enableAnswer(false);
    Edit1->resize(question.kind == Knowledge::AnswerKind::Word ? kWordWidth : kDigitsWidth,
                  Edit1->height());
}

void KnowledgeTestScreen::showPhase(Phase phase) {
    const bool asking = phase == Phase::Question;
    const Knowledge::Question& question = test_.question();
    const bool typed = question.kind == Knowledge::AnswerKind::Digits ||
                       question.kind == Knowledge::AnswerKind::Word;
    for (QWidget* frame : std::initializer_list<QWidget*>{LMDGroupBox1, LMDRadioGroup1, LMDButton1})
        frame->setVisible(asking);
    Edit1->setVisible(asking && typed);
    Panel1->setVisible(asking && question.withUnit);
    for (QWidget* result : std::initializer_list<QWidget*>{Label4, Label5, Label6, RzURLLabel2})
        result->setVisible(phase == Phase::Results);
    phaseShown(phase);
}

void KnowledgeTestScreen::enableAnswer(bool enabled) {
    LMDButton1->setEnabled(enabled);
}

void KnowledgeTestScreen::LMDRadioGroup1Click() {
    enableAnswer(LMDRadioGroup1->itemIndex() != -1);
}

void KnowledgeTestScreen::Edit1Change() {
    enableAnswer(!Edit1->text().isEmpty());
}

void KnowledgeTestScreen::LMDButton1Click() {
    if (test_.finished())
        return;
    const Knowledge::Answer answer{LMDRadioGroup1->selectedText().toStdString(),
                                   Edit1->text().toStdString(), enteredNumber()};
    if (test_.answer(answer) == Knowledge::Verdict::Refused) {
        showErrorBox(this, QStringLiteral("Пишите только цифры"), kTestErrorCaption);
        return;
    }
    const int judged = test_.run().QuestionNo - 1;
    if (judged < Knowledge::kQuestionCount) {
        putUpQuestion(judged + 1);
        showPhase(Phase::Question);
        return;
    }
    test_.countResults();
    Label5->setText(toQString(Knowledge::rightAnswersText(test_.run())));
    Label6->setText(toQString(Knowledge::wrongAnswersText(test_.run())));
    showPhase(Phase::Results);
    Q_EMIT testFinished();
}

void KnowledgeTestScreen::RzURLLabel2Click() {
    FormShow();
}
