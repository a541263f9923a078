#include "screens/KnowledgeTestScreen.h"

#include "foundation/ErrorReporter.h"
#include "logic/IntegerText.h"
#include "logic/RandomDraw.h"
#include "widgets/Controls.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"
#include "widgets/UnitPicture.h"

#include <QGroupBox>

Verdict judgeAnswer(const AnswerKey& key, const AnswerInput& input) {
    const auto verdict = [](bool right) { return right ? Verdict::Right : Verdict::Wrong; };
    switch (key.kind) {
    case AnswerKind::Choice:
        return verdict(input.selected == key.text);
    case AnswerKind::Number:
        return verdict(input.number == key.number);
    case AnswerKind::Digits:
        if (!parseInt32(input.text.toStdString()))
            return Verdict::Refused;
        // The text, not the number, is the answer: "+5" or "05" is not "5".
        return verdict(input.text == key.text);
    case AnswerKind::Word:
        return verdict(input.text == key.text);
    }
    return Verdict::Wrong;
}

std::array<int, 3> drawOptionOrder() {
    const auto draw = [] { return DrawRandom(3) + 1; };
    const int d1 = draw();
    const int d2 = drawAvoiding(draw, {d1}, 10001);
    const int d3 = drawAvoiding(draw, {d1, d2}, 100001);
    return {d1, d2, d3};
}

KnowledgeTestScreen::KnowledgeTestScreen(const QString& caption, QSize clientSize,
                                         const Layout& layout)
    : LabScreen(caption, clientSize, Border::Fixed) {
    LMDGroupBox1 =
        place(new QGroupBox(QStringLiteral("Вопрос 1"), this), "LMDGroupBox1", {8, 8, 561, 97});
    LMDGroupBox1->setFont(LabStyle::sans(11));
    RichEdit1 = place(new ReadOnlyText(LabStyle::sans(13), LabStyle::kBtnFace, LMDGroupBox1),
                      "RichEdit1", {8, layout.questionTextTop, 545, 65});
    RichEdit1->setAccessibleName(LMDGroupBox1->title());

    const QString answer = QStringLiteral("Ответ");
    LMDRadioGroup1 = place(new RadioGroup(answer, this), "LMDRadioGroup1",
                           {layout.answerGroupLeft, 128, 561, 185});
    LMDRadioGroup1->setFont(layout.answerCaptionFont);
    LMDRadioGroup1->setItemFont(layout.optionFont);
    LMDRadioGroup1->setAccessibleName(answer);

    // Created after the answer frame, so the entry field and the unit beside it lie above
    // the frame they stand in.
    Edit1 = makeEdit(this, "Edit1", {32, 152, 73, 21});
    Edit1->setAccessibleName(answer);
    Panel1 = place(new QWidget(this), "Panel1", {105, 151, 32, 23});
    Image1 = place(makeUnitPicture(Panel1), "Image1", {-2, 0, 33, 23});
    Image1->setAccessibleName(QStringLiteral("Δ,В"));

    LMDButton1 = makeButton(this, "LMDButton1", {240, 320, 89, 25}, QStringLiteral("Ответить"));

    Label4 = makeLabel(this, "Label4", layout.label4, QStringLiteral("По результатам теста у вас:"),
                       layout.summaryFont);
    Label5 = makeLabel(this, "Label5", layout.label5, QStringLiteral("Правильных ответов:"),
                       layout.summaryFont);
    Label6 = makeLabel(this, "Label6", layout.label6, QStringLiteral("Неправильных ответов:"),
                       layout.summaryFont);
    RzURLLabel2 = makeLink(this, "RzURLLabel2", {32, 328}, layout.repeatCaption);

    for (QWidget* hidden : {static_cast<QWidget*>(Edit1), Panel1, static_cast<QWidget*>(Label4),
                            static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6),
                            static_cast<QWidget*>(RzURLLabel2)})
        hidden->hide();
    LMDButton1->setEnabled(false);

    connect(LMDRadioGroup1, &RadioGroup::clicked, this, &KnowledgeTestScreen::LMDRadioGroup1Click);
    connect(Edit1, &QLineEdit::textChanged, this, &KnowledgeTestScreen::Edit1Change);
    connect(LMDButton1, &QPushButton::clicked, this, &KnowledgeTestScreen::LMDButton1Click);
    connect(RzURLLabel2, &LinkLabel::clicked, this, &KnowledgeTestScreen::RzURLLabel2Click);
}

void KnowledgeTestScreen::startRun(int positions, int poolSize, int firstPool) {
    WrongList.clear();
    AnswerWrong.fill(0);
    QuestionNo = 1;

    const auto draw = [=] { return DrawRandom(poolSize) + firstPool; };
    PoolPick.assign(positions, 0);
    PoolPick[0] = draw();
    if (positions > 1)
        PoolPick[1] = drawAvoiding(draw, {PoolPick[0]}, 101);
    if (positions > 2)
        PoolPick[2] = drawAvoiding(draw, {PoolPick[0], PoolPick[1]}, 10001);
    if (positions > 3)
        PoolPick[3] = drawAvoiding(draw, {PoolPick[0], PoolPick[1], PoolPick[2]}, 10001);
}

void KnowledgeTestScreen::setQuestionCaption(int n) {
    LMDGroupBox1->setTitle(QStringLiteral("Вопрос ") + QString::number(n));
    RichEdit1->setAccessibleName(LMDGroupBox1->title());
}

void KnowledgeTestScreen::setQuestionText(QStringView text) {
    RichEdit1->setPlainText(text.toString());
}

void KnowledgeTestScreen::putUpChoice(const ChoiceQuestion& question) {
    setQuestionText(question.text);
    for (const int option : drawOptionOrder())
        LMDRadioGroup1->addItem(question.options[option - 1].toString());
}

void KnowledgeTestScreen::putUpVariant(const VariantQuestion& question) {
    QuestionVariant = DrawRandom(question.count) + 1;
    setQuestionText(question.texts[QuestionVariant - 1]);
}

void KnowledgeTestScreen::countResults() {
    WrongCount = 0;
    for (int q = 1; q <= kQuestionCount; ++q) {
        if (AnswerWrong[q - 1] == 1) {
            ++WrongCount;
            WrongList += QLatin1Char(' ') + QString::number(q);
        }
    }
    Label5->setText(QStringLiteral("Правильных ответов: ") +
                    QString::number(kQuestionCount - WrongCount));
    Label6->setText(QStringLiteral("Неправильных ответов: ") + QString::number(WrongCount));
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
    if (QuestionNo < 1 || QuestionNo > kQuestionCount)
        return;
    ++QuestionNo;
    const int q = QuestionNo - 1;
    const AnswerInput input{LMDRadioGroup1->selectedText(), Edit1->text(), enteredNumber()};
    const Verdict verdict = judgeAnswer(answerKey(q), input);
    if (verdict == Verdict::Refused) {
        --QuestionNo;
        showErrorBox(this, QStringLiteral("Пишите только цифры"), kTestErrorCaption);
        return;
    }
    AnswerWrong[q - 1] = verdict == Verdict::Wrong ? 1 : 0;
    if (q < kQuestionCount)
        putUpQuestion(q + 1);
    else
        showResults();
}

void KnowledgeTestScreen::RzURLLabel2Click() {
    FormShow();
}
