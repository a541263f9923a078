// SPDX-License-Identifier: MIT
// The two knowledge tests at a choice question, at a number or digits question with the
// unit picture, and at their results.
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "app/LabReport.h"
#include "app/ResultKeeper.h"
#include "logic/RandomDraw.h"
#include "screens/Unit4.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"
#include "widgets/RadioGroup.h"
#include "widgets/UnitPicture.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Draws that walk through the ranges so that redraws end at once; `start` picks the
// first pool question.
class CountingDraws {
public:
    explicit CountingDraws(int start) {
        previous_ = setRandomSource([this, start](int n) { return (start + count_++) % n; });
    }
    ~CountingDraws() { setRandomSource(std::move(previous_)); }

private:
    int count_ = 0;
    RandomSource previous_;
};

// Answers the question on the screen: the first option, a number, or the given text.
void answer(QWidget* screen, const QString& text) {
    auto* group = screen->findChild<RadioGroup*>(QStringLiteral("LMDRadioGroup1"));
    auto* number = screen->findChild<NumericField*>(QStringLiteral("RxCalcEdit1"));
    if (group->count() > 0)
        group->findChild<QRadioButton*>(QStringLiteral("option1"))->click();
    else if (number && number->isVisible())
        number->setText(text);
    else
        screen->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text);
    screen->findChild<QPushButton*>(QStringLiteral("LMDButton1"))->click();
}

void answerUpTo(QWidget* screen, int question) {
    const QString caption = QStringLiteral("Вопрос %1").arg(question);
    auto* frame = screen->findChild<QWidget*>(QStringLiteral("LMDGroupBox1"));
    for (int guard = 0; guard < 10 && frame->property("title").toString() != caption; ++guard)
        answer(screen, QStringLiteral("1"));
}

const RegisterShots introShots(QStringLiteral("intro"), [](const ShotContext& context) {
    LabFrame frame;
    frame.createScreens();
    CountingDraws draws(1);
    Form4->showScreen();
    context.save(Form4, QStringLiteral("intro_1_instructions"));
    Form4->findChild<LinkLabel*>(QStringLiteral("RzURLLabel1"))->clicked();
    context.save(Form4, QStringLiteral("intro_2_choice"));
    answerUpTo(Form4, 5);
    Form4->findChild<NumericField*>(QStringLiteral("RxCalcEdit1"))->setText(QStringLiteral("2047"));
    context.save(Form4, QStringLiteral("intro_3_number_with_unit"));
    answerUpTo(Form4, 7);
    Form4->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("1000001"));
    context.save(Form4, QStringLiteral("intro_4_digits"));
    answerUpTo(Form4, 11);
    context.save(Form4, QStringLiteral("intro_5_results"));
    Form4->hide();
});

const RegisterShots finalShots(QStringLiteral("final"), [](const ShotContext& context) {
    LabFrame frame;
    frame.createScreens();
    CountingDraws draws(2);
    Form7->findChild<QLineEdit*>(QStringLiteral("Edit1"))
        ->setText(QStringLiteral("Иванов Иван Иванович"));
    Form7->findChild<QLineEdit*>(QStringLiteral("Edit2"))
        ->setText(QStringLiteral("Петрова Мария Сергеевна"));
    Form8->showScreen();
    Form8->findChild<QLineEdit*>(QStringLiteral("Edit1"))
        ->setText(QStringLiteral("генератор эталонных напряжений"));
    context.save(Form8, QStringLiteral("final_1_word"));
    answerUpTo(Form8, 3);
    Form8->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("1216"));
    context.save(Form8, QStringLiteral("final_2_digits_with_unit"));
    answerUpTo(Form8, 7);
    context.save(Form8, QStringLiteral("final_3_choice"));
    answerUpTo(Form8, 11);
    context.save(Form8, QStringLiteral("final_4_report"));
    // The report as the students save it, through its link.
    ResultKeeper::setDialogs({[&context](QWidget*, const QString&) {
                                  return QDir(context.directory).filePath("final_5_report.pdf");
                              },
                              {}});
    Form8->findChild<LinkLabel*>(QStringLiteral("saveReportLink"))->activate();
    ResultKeeper::setDialogs({});
    // Where the result stands with a class journal, at its longest, above the report.
    Form8->showClassJournalStatus(
        QStringLiteral("Результат сохранён на этом компьютере и будет отправлен в журнал группы "
                       "позже: сервер журнала не принял имя или пароль."));
    context.save(Form8, QStringLiteral("final_6_report_class_journal"));
    Form8->hide();
});

// The students' report as a page, at 72 dots an inch.
const RegisterShots reportShots(QStringLiteral("report"), [](const ShotContext& context) {
    QImage page(595, 842, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    LabReport::paint(painter, QRect(57, 57, 481, 728),
                     {"",
                      "2026-12-07 14:05:09",
                      "Иванов Иван Иванович",
                      "Петрова, Анна",
                      {9, 1, {6}},
                      {7, 3, {2, 5, 9}},
                      -37,
                      7,
                      "1.0.0"});
    painter.end();
    page.save(QDir(context.directory).filePath(QStringLiteral("report_page.png")));
});

// The unit picture enlarged eight times, to judge its pixels.
const RegisterShots unitShots(QStringLiteral("unit"), [](const ShotContext& context) {
    std::unique_ptr<Picture> picture(makeUnitPicture(nullptr));
    QLabel enlarged;
    enlarged.setPixmap(QPixmap::fromImage(picture->render(8)));
    enlarged.adjustSize();
    context.save(&enlarged, QStringLiteral("unit_picture_x8"));
});

} // namespace
