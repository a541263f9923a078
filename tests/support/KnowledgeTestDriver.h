#pragma once

// Answers the knowledge tests the way a student does: by clicking an option, by clicking
// into the number field and typing, or by typing into Edit1, and then pressing "Ответить".

#include "LabTestSupport.h"

#include "screens/KnowledgeTestScreen.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <functional>

namespace driver {

// The lab with scripted draws and captured error boxes, fresh for each test function.
struct TestLab {
    LabFrame frame;
    ScriptedDraws draws;
    ErrorCapture errors;
    QList<int> expectedRanges;

    // Queues the draws of `run`, which finished() then expects.
    template <typename Run> void script(const Run& run) {
        expectedRanges = draws.ranges() + run.script(draws);
    }
    // Every queued draw taken, each from its range, and no error box shown.
    bool finished() const {
        return draws.remaining() == 0 && draws.ranges() == expectedRanges && errors.count() == 0;
    }
};

// A fixed question's variants: the first variant's text names a value that each other
// variant replaces with its own.
struct VariantOracle {
    QString firstText;
    QStringList values;
    QStringList keys;
    QString text(int variant) const {
        return QString(firstText).replace(values[0], values[variant - 1]);
    }
};

// The choice reply for the option with bank number `bank`, when the options are listed in
// the bank order `order`.
inline QString Listed(const std::array<int, 3>& order, int bank) {
    return QString::number(std::find(order.begin(), order.end(), bank) - order.begin() + 1);
}

inline QString Caption(QWidget* screen) {
    return Control<QGroupBox>(screen, "LMDGroupBox1")->title();
}

inline QString QuestionText(QWidget* screen) {
    return Control<ReadOnlyText>(screen, "RichEdit1")->toPlainText();
}

inline QStringList Options(QWidget* screen) {
    auto* group = Control<RadioGroup>(screen, "LMDRadioGroup1");
    QStringList texts;
    for (int i = 0; i < group->count(); ++i)
        texts.append(group->itemText(i));
    return texts;
}

inline QPushButton* AnswerButton(QWidget* screen) {
    return Control<QPushButton>(screen, "LMDButton1");
}

inline QLineEdit* Edit1(QWidget* screen) {
    return Control<QLineEdit>(screen, "Edit1");
}

// The visible number field, or nullptr.
inline NumericField* NumberField(QWidget* screen) {
    auto* field = screen->findChild<NumericField*>(QStringLiteral("RxCalcEdit1"));
    return field && field->isVisible() ? field : nullptr;
}

inline bool Shown(QWidget* screen, const char* name) {
    return Control<QWidget>(screen, name)->isVisible();
}

// True when the controls of `shown` are visible and those of `hidden` are not.
inline bool Visibility(QWidget* screen, std::initializer_list<const char*> shown,
                       std::initializer_list<const char*> hidden) {
    QStringList wrong;
    for (const char* name : shown)
        if (!Shown(screen, name))
            wrong << QString::fromLatin1(name);
    for (const char* name : hidden)
        if (Shown(screen, name))
            wrong << QString::fromLatin1(name);
    if (!wrong.isEmpty())
        qWarning("shown or hidden wrongly: %s", qPrintable(wrong.join(QLatin1Char(' '))));
    return wrong.isEmpty();
}

inline void Click(QWidget* screen, const char* link) {
    QTest::mouseClick(Control<LinkLabel>(screen, link), Qt::LeftButton);
}

// Clicks the option listed at `listed` (from 1).
inline void ChooseOption(QWidget* screen, int listed) {
    auto* group = Control<RadioGroup>(screen, "LMDRadioGroup1");
    auto* button = group->findChild<QRadioButton*>(QStringLiteral("option%1").arg(listed));
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void PressAnswer(QWidget* screen) {
    QTest::mouseClick(AnswerButton(screen), Qt::LeftButton);
}

// Gives `reply` to the question on the screen and presses "Ответить": for a choice the
// listed number of the option to click; for a number what is typed after a click into the
// field (nothing when empty); otherwise what is typed into Edit1. Every question must come
// up with the button disabled and its entry field empty; false, with a warning, when the
// screen is not ready for the reply.
inline bool Reply(QWidget* screen, const QString& reply) {
    const QString question = Caption(screen);
    auto fail = [&](const char* why) {
        qWarning("%s: %s (reply \"%s\")", qPrintable(question), why, qPrintable(reply));
        return false;
    };
    if (AnswerButton(screen)->isEnabled())
        return fail("the answer button is enabled before any input");
    if (const qsizetype count = Options(screen).size()) {
        const int listed = reply.toInt();
        if (listed < 1 || listed > count)
            return fail("no option is listed there");
        ChooseOption(screen, listed);
    } else if (NumericField* field = NumberField(screen)) {
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClicks(field, reply);
    } else {
        QLineEdit* edit = Edit1(screen);
        if (!edit->isVisible())
            return fail("no entry field is shown");
        if (!edit->text().isEmpty())
            return fail("Edit1 is not empty");
        TypeText(edit, reply);
    }
    if (!AnswerButton(screen)->isEnabled())
        return fail("the reply did not enable the answer button");
    PressAnswer(screen);
    return true;
}

// Replies to questions 1 to 10 in turn, from the question on the screen; `inspect` looks
// at each question before its reply.
inline bool ReplyToAll(QWidget* screen, const std::array<QString, 10>& replies,
                       const std::function<void(int q)>& inspect) {
    for (int q = 1; q <= 10; ++q) {
        if (Caption(screen) != QStringLiteral("Вопрос %1").arg(q)) {
            qWarning("expected question %d, the screen shows \"%s\"", q,
                     qPrintable(Caption(screen)));
            return false;
        }
        if (inspect) {
            inspect(q);
            if (QTest::currentTestFailed())
                return false;
        }
        if (!Reply(screen, replies[q - 1]))
            return false;
    }
    return true;
}

// At the digits question on the screen, `typed` is refused with the message box while the
// question, QuestionNo, the typed text and the enabled button stay; `key` typed over it is
// then judged and the next question comes up.
inline void RefuseThenAccept(KnowledgeTestScreen* screen, const ErrorCapture& errors,
                             const QString& typed, const QString& key) {
    const int q = screen->questionNo();
    const QString text = QuestionText(screen);
    QVERIFY(Reply(screen, typed));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.last().text, QStringLiteral("Пишите только цифры"));
    QCOMPARE(errors.last().caption, QStringLiteral("Ошибка ввода"));
    QCOMPARE(screen->questionNo(), q);
    QCOMPARE(Caption(screen), QStringLiteral("Вопрос %1").arg(q));
    QCOMPARE(QuestionText(screen), text);
    QCOMPARE(Edit1(screen)->text(), typed);
    QVERIFY(AnswerButton(screen)->isEnabled());

    Edit1(screen)->selectAll();
    QTest::keyClicks(Edit1(screen), key);
    PressAnswer(screen);
    QCOMPARE(screen->questionNo(), q + 1);
    QCOMPARE(errors.count(), 1);
}

} // namespace driver
