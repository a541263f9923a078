#pragma once

// Answers the knowledge tests the way a student does: by clicking the option with a given
// text, by clicking into the number field and typing, or by typing into Edit1, and then
// pressing "Ответить".

#include "LabTestSupport.h"

#include "widgets/NumericField.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <functional>

namespace driver {

// A fixed question's variants: the first variant's text names a value that each other
// variant replaces with its own.
struct VariantOracle {
    QString firstText;
    QString firstValue;
    QStringList values;
    QStringList keys;
    QString text(int variant) const {
        return QString(firstText).replace(firstValue, values[variant - 1]);
    }
};

inline QString Caption(QWidget* screen) {
    return Control<QGroupBox>(screen, "LMDGroupBox1")->title();
}

inline QString QuestionText(QWidget* screen) {
    return Control<TReadOnlyText>(screen, "RichEdit1")->toPlainText();
}

inline QStringList Options(QWidget* screen) {
    auto* group = Control<TRadioGroup>(screen, "LMDRadioGroup1");
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
inline TNumericField* NumberField(QWidget* screen) {
    auto* field = screen->findChild<TNumericField*>(QStringLiteral("RxCalcEdit1"));
    return field && field->isVisible() ? field : nullptr;
}

// Clicks the option whose text is `text`; false when no option carries it.
inline bool ChooseOption(QWidget* screen, const QString& text) {
    auto* group = Control<TRadioGroup>(screen, "LMDRadioGroup1");
    for (int i = 0; i < group->count(); ++i) {
        if (group->itemText(i) != text)
            continue;
        auto* button = group->findChild<QRadioButton*>(QStringLiteral("option%1").arg(i + 1));
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }
    return false;
}

// Clicks into the number field and, unless `text` is empty, types it over the value.
inline void EnterNumber(TNumericField* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    if (text.isEmpty())
        return;
    field->selectAll();
    QTest::keyClicks(field, text);
}

inline void PressAnswer(QWidget* screen) {
    QTest::mouseClick(AnswerButton(screen), Qt::LeftButton);
}

// Gives `reply` to the question on the screen and presses "Ответить". Every question must
// come up with the button disabled and its entry field empty; false, with a warning, when
// the screen is not ready for the reply.
inline bool Reply(QWidget* screen, const QString& reply) {
    const QString question = Caption(screen);
    auto fail = [&](const char* why) {
        qWarning("%s: %s (reply \"%s\")", qPrintable(question), why, qPrintable(reply));
        return false;
    };
    if (AnswerButton(screen)->isEnabled())
        return fail("the answer button is enabled before any input");
    if (!Options(screen).isEmpty()) {
        if (!ChooseOption(screen, reply))
            return fail("no option carries the reply");
    } else if (TNumericField* field = NumberField(screen)) {
        EnterNumber(field, reply);
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

} // namespace driver
