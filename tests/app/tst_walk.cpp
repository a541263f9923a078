// SPDX-License-Identifier: MIT
#include "Approved.h"
#include "LabTestSupport.h"

#include "logic/TactSteps.h"
#include "widgets/RadioGroup.h"

#include "app/ResultKeeper.h"

#include <QClipboard>
#include <QDateTime>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QUuid>

// Two students go through the whole lab, from the title to the report, the way a student
// does: once with the mouse, once with the keyboard alone. (Closing it: tst_screens.)

using namespace Knowledge;

namespace {

// A student at the lab: by mouse, or by keyboard alone. Keys go where the focus is, as typed
// keys do; the student goes by what is in sight, so Tab may lead only through the controls
// the screen shows and must never take the one the student is after out of view.
class Student {
public:
    explicit Student(bool keyboard) : keyboard_(keyboard) {}

    // Follows a link or presses a button: a click, or Enter on it.
    void use(const QWidget* screen, const char* name) {
        if (reach(control(screen, name)) && keyboard_)
            press(Qt::Key_Return);
        QCoreApplication::processEvents(); // a screen that comes up is activated in its own time
    }

    // Replaces what a field holds: all selected, then typed over.
    void fill(const QWidget* screen, const QString& name, const QString& value) {
        if (QWidget* field = reach(control(screen, qPrintable(name)))) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            typeText(field, value);
        }
    }

    // Picks an option: a click, or Space on the first and Down to the one wanted.
    void choose(const QWidget* screen, const QString& option) {
        auto* group = control<RadioGroup>(screen, "LMDRadioGroup1");
        int index = 0;
        while (group->itemText(index) != option)
            ++index;
        reach(
            control(group, qPrintable(QStringLiteral("option%1").arg(keyboard_ ? 1 : index + 1))));
        for (int presses = 0; keyboard_ && presses <= index; ++presses)
            press(presses ? Qt::Key_Down : Qt::Key_Space);
    }

    // A key pressed where the focus is.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), key, modifiers);
    }

    // The control under the student's hand: clicked, or reached by Tab from where the focus
    // is; nothing when the keyboard cannot get there in sight.
    QWidget* reach(QWidget* target) {
        if (!keyboard_) {
            QTest::mouseClick(target, Qt::LeftButton);
            return target;
        }
        const QWidget* focus = QApplication::focusWidget();
        const bool away = !focus || focus->window() != target->window();
        for (int presses = 0; QApplication::focusWidget() != target; ++presses) {
            if ((away && !QTest::qWaitForWindowActive(target->window())) ||
                target->visibleRegion().isEmpty() || presses == 100) {
                QTest::qFail(qPrintable("Tab does not reach " + target->objectName() + " in sight"),
                             __FILE__, __LINE__);
                return nullptr;
            }
            press(Qt::Key_Tab);
        }
        return target;
    }

private:
    bool keyboard_;
};

// The controls of those names in sight, by their texts or, fields, their names.
QString inSight(const QWidget* screen, std::initializer_list<const char*> names) {
    QStringList seen;
    for (const char* name : names)
        if (const auto* widget = screen->findChild<QWidget*>(QLatin1String(name));
            widget && widget->isVisible())
            seen << (qobject_cast<const QLabel*>(widget)
                         ? static_cast<const QLabel*>(widget)->text()
                         : QLatin1String(name));
    return seen.join('|');
}

// Answers the question on a test screen, with its key or with something else.
void answer(Student& student, const KnowledgeTestScreen* screen, bool right) {
    const Question& question = screen->currentQuestion();
    const QString key = QString::fromStdString(question.key);
    const QString caption = QStringLiteral("Вопрос %1").arg(screen->questionNo());
    const auto* text = control<QPlainTextEdit>(screen, "RichEdit1"); // read by its caption
    QVERIFY(text->isVisible() && text->accessibleName() == caption);
    QCOMPARE(text->toPlainText(), QString::fromStdString(question.text));
    QCOMPARE(control<QGroupBox>(screen, "LMDGroupBox1")->title(), caption);
    if (question.emptiesText)
        QVERIFY(control<QLineEdit>(screen, "Edit1")->text().isEmpty());
    // Only this question's own answer field, options and unit.
    const bool typed = question.kind == AnswerKind::Digits || question.kind == AnswerKind::Word;
    QCOMPARE(inSight(screen, {"Edit1", "RxCalcEdit1", "Panel1"}),
             QString(typed                                 ? "Edit1"
                     : question.kind == AnswerKind::Number ? "RxCalcEdit1"
                                                           : "") +
                 (question.withUnit ? "|Panel1" : ""));
    const auto* group = control<RadioGroup>(screen, "LMDRadioGroup1");
    QCOMPARE(group->count(), int(question.options.size()));
    if (question.kind == AnswerKind::Choice) {
        student.choose(screen, right ? key : group->itemText(group->itemText(0) == key ? 1 : 0));
    } else if (question.kind == AnswerKind::Number) {
        const double typed = question.keyNumber + (right ? 0 : 1); // under a decimal comma
        student.fill(screen, "RxCalcEdit1", QString::number(typed, 'g', 12).replace('.', ','));
    } else {
        // A name wrong by a blank after it, or by a capital; digits by one too many.
        const QString wrong = question.kind == AnswerKind::Digits ? key + '0'
                              : screen->questionNo() == 1         ? key + ' '
                                                          : key.left(1).toUpper() + key.mid(1);
        student.fill(screen, "Edit1", right ? key : wrong);
    }
    QVERIFY(control(screen, "LMDButton1")->isEnabled());
    student.use(screen, "LMDButton1");
}

// The cells of a schematic's rows and register that do not read "0".
QStringList notAtZero(const QWidget* screen, const char* kind) {
    QStringList names;
    for (int cell = 2; cell <= 53; ++cell) {
        const QString name = kind + QString::number(cell);
        const auto* widget = screen->findChild<QWidget*>(name);
        const QString text = widget ? widget->property("text").toString() : QStringLiteral("0");
        if (cell != 22 && (cell < 34 || cell > 42) && text != QLatin1String("0"))
            names << name;
    }
    return names;
}

// The final test's report, as far as it is in sight, top to bottom.
const std::initializer_list<const char*> kReport{
    "Label5", "Label6",         "Label7",          "Label1",     "Label2",
    "Label3", "saveReportLink", "printReportLink", "RzURLLabel2"};

// What the practice shows of where the students are: its status line and the lit lamps.
QString progress() {
    QString lamps;
    for (int lamp = 1; lamp <= 4; ++lamp)
        lamps += shown(Form6, "LMDLight", lamp) ? QString::number(lamp) : QString();
    return textOf(Form6, "Label1") + " lamps " + lamps;
}

QString status(bool start, int tact) {
    return QString::fromStdString(TactSteps::status(start, tact));
}

// The walk's draws, named by what they make the lab ask.
// Intro test: the number question 6 first, then pools 7, 4 and 2 with their options drawn;
// m = 11, amplitude 1024 and the variants 5, 2, 6, 3.
const QList<int> kIntroFirstRun{5, 6, 3, 1, 2, 0, 1, 0, 1, 2, 1, 2, 0, 9, 1024, 4, 1, 5, 2};
// Pools 1, 2, 3, 4, every option list in bank order, the first variant of each question.
const QList<int> kIntroAllRightRun{0, 1, 2, 3, 0, 1, 2, 0, 1, 2, 0,
                                   1, 2, 0, 1, 2, 0, 0, 0, 0, 0, 0};
const QList<int> kDemonstrationOfMinus37{2000 - 37};
// A zero, drawn once more: 2000.
const QList<int> kDemonstrationZeroThen2000{2000, 4000};
// Block questions 12 and 10, variants 1 2 3 4, options c a b, variants 5 2 4.
const QList<int> kFinalFirstRun{4, 2, 0, 1, 2, 3, 2, 0, 1, 4, 1, 3};
// Block questions 8 and 9, the first variants, options in bank order.
const QList<int> kFinalAllRightRun{0, 1, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0};

} // namespace

// The lab as two students go through it, stage by stage.
struct Walk {
    explicit Walk(bool byKeyboard) : keyboard(byKeyboard), student(byKeyboard) {
        QFile::remove(ResultsJournal().path());
        frame.start();
        frame.createScreens(); // the stages name the screens they come to
    }

    void registration();
    void theory();
    void introTest();
    void demonstration();
    void practice();
    void finalTest();

    // Comes to a stage's screen by the link on the screen the stage before ended on, or has it
    // shown should that stage have failed short of it.
    void arrive(LabScreen* from, const char* link, LabScreen* to, const QList<int>& script = {});
    // The practice's cells that differ from the coder's state at that step, entered.
    void enterState(const Coder::TCodingTrace& trace, int step);

    const bool keyboard;
    Student student;
    ScriptedDraws draws;
    ErrorCapture errors;
    LabFrame frame;
};

class TestWalk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void walk_data();
    void walk();

private:
    std::optional<Walk> walk_;
};

void TestWalk::walk_data() {
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("stage");
    const char* const names[] = {"registration",  "theory",   "intro test",
                                 "demonstration", "practice", "final test"};
    for (const bool keyboard : {false, true})
        for (int stage = 0; stage < int(std::size(names)); ++stage)
            QTest::addRow("%s: %s", keyboard ? "keyboard alone" : "mouse", names[stage])
                << keyboard << stage;
}

// Each stage is a row of its own, so that a failure hides no other: a stage starts where the
// one before should have left the lab, or has its screen shown when it did not get there.
void TestWalk::walk() {
    QFETCH(bool, keyboard);
    QFETCH(int, stage);
    prepareLab();
    if (stage == 0)
        walk_.emplace(keyboard);
    constexpr std::array stages{&Walk::registration,  &Walk::theory,   &Walk::introTest,
                                &Walk::demonstration, &Walk::practice, &Walk::finalTest};
    ((*walk_).*stages[std::size_t(stage)])();
    if (stage + 1 == int(stages.size()))
        walk_.reset();
}

void Walk::arrive(LabScreen* from, const char* link, LabScreen* to, const QList<int>& script) {
    draws.push(script);
    if (showing() == from->objectName())
        student.use(from, link);
    if (showing() == to->objectName())
        return;
    QTest::qFail(qPrintable("came to " + showing() + ", not to " + to->objectName()), __FILE__,
                 __LINE__);
    for (int n = 1; n <= 9; ++n)
        screenNo(n)->hide();
    to->showScreen();
    QVERIFY(QTest::qWaitForWindowActive(to));
}

void Walk::enterState(const Coder::TCodingTrace& trace, int step) {
    for (const auto& [name, value] : coderCells(trace, step))
        if (shown(Form6, qPrintable(name)) &&
            control<QLineEdit>(Form6, qPrintable(name))->text() != value)
            student.fill(Form6, name, value);
}

void Walk::registration() {
    // "OK" and the second student wait, greyed and drawn so, for a first name; one blank is
    // one. Enter in a name is no press of "OK"; the second name outlasts a first one taken
    // back.
    arrive(Form1, "RzURLLabel1", Form7);
    QVERIFY(QTest::qWaitForWindowActive(Form7));
    QCOMPARE(QApplication::focusWidget(), control(Form7, "Edit1"));
    QWidget* ok = control(Form7, "Button1");
    QWidget* second = control(Form7, "Label3");
    const int greyOk = darkest(ok), greySecond = darkest(second);
    QVERIFY(greySecond > darkest(control(Form7, "Label2")) + 60);
    student.fill(Form7, "Edit1", QStringLiteral(" "));
    QVERIFY(darkest(ok) < greyOk - 60 && darkest(second) < greySecond - 60);
    // A name pasted over two lines comes on one, as the field shows it; names stay as typed,
    // blanks before and after them too.
    QApplication::clipboard()->setText(QStringLiteral("Петрова\nАнна Сергеевна\n"));
    student.fill(Form7, "Edit2", QString());
    student.press(Qt::Key_V, Qt::ControlModifier);
    student.fill(Form7, "Edit1", QStringLiteral("\b"));
    QVERIFY(!ok->isEnabled() && !second->isEnabled() && !control(Form7, "Edit2")->isEnabled());
    student.fill(Form7, "Edit1", QStringLiteral(" Иванов Иван Иванович\r"));
    QCOMPARE(showing(), "Form7");
    student.use(Form7, "Button1");
    QCOMPARE(showing(), "Form2");
}

void Walk::theory() {
    // The reader opens at the end of its column, its link in view and in focus: Enter goes
    // on at once.
    arrive(Form2, "RzURLLabel1", Form3);
    QWidget* link = control(Form3, "RzURLLabel1");
    const QWidget* viewport = control<QScrollArea>(Form3, "ScrollBox1")->viewport();
    QVERIFY(viewport->rect().contains(QRect(link->mapTo(viewport, QPoint()), link->size())));
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    QCOMPARE(QApplication::focusWidget(), link);
}

void Walk::introTest() {
    // Question 6 answered wrongly; the instructions first, the number field after them.
    arrive(Form3, "RzURLLabel1", Form4, kIntroFirstRun);
    QVERIFY(!shown(Form4, "RxCalcEdit1") && !shown(Form4, "LMDGroupBox1"));
    student.use(Form4, "RzURLLabel1");
    for (int n = 1; n <= 10; ++n) {
        QVERIFY(!control(Form4, "LMDButton1")->isEnabled());
        if (n == 5) // the number typed for question 1 is gone
            QCOMPARE(control<QLineEdit>(Form4, "RxCalcEdit1")->text(), "0");
        if (n == 1 && !keyboard) { // a click into the number field is an answer: 0
            click(Form4, "RxCalcEdit1");
            QVERIFY(control(Form4, "LMDButton1")->isEnabled());
        }
        if (n == 7) { // no whole number: refused, and the question stays
            student.fill(Form4, "Edit1", QStringLiteral(" ")); // a blank is an answer
            student.use(Form4, "LMDButton1");
            QCOMPARE(errors.last().caption + ": " + errors.last().text,
                     "Ошибка ввода: Пишите только цифры");
            QCOMPARE(Form4->questionNo(), 7); // kept to correct, as typed
            QVERIFY(control<QLineEdit>(Form4, "Edit1")->text() == " " &&
                    control(Form4, "LMDButton1")->isEnabled());
            student.fill(Form4, "Edit1", QStringLiteral("\b"));
        }
        answer(student, Form4, n != 6);
    }
    const std::initializer_list<const char*> results{"Label5", "Label6", "Label3", "RzURLLabel2",
                                                     "RzURLLabel3"};
    QCOMPARE(inSight(Form4, results), "Правильных ответов: 9|Неправильных ответов: 1|Ошибки в "
                                      "вопросах:  6|<< Повторить тест|Перейти к демонстрации "
                                      "работы кодера >>");
    // Once more from the instructions, with new draws; all right this time.
    draws.push(kIntroAllRightRun);
    student.use(Form4, "RzURLLabel2");
    QCOMPARE(inSight(Form4, results), "");
    QVERIFY(shown(Form4, "Label1") && shown(Form4, "Label2") && shown(Form4, "RzURLLabel1"));
    student.use(Form4, "RzURLLabel1");
    for (int n = 1; n <= 10; ++n) {
        QVERIFY(!control(Form4, "LMDButton1")->isEnabled());
        answer(student, Form4, true);
    }
    QCOMPARE(inSight(Form4, {"Label3"}), "Ошибки в вопросах: ");
    QCOMPARE(draws.remaining(), 0);
}

void Walk::demonstration() {
    // -37, one full cycle, then a new value: a zero is drawn once more.
    arrive(Form4, "RzURLLabel3", Form5, kDemonstrationOfMinus37);
    QCOMPARE(textOf(Form5, "Label1"), "Значение Uаим для кодирования = -37.");
    QCOMPARE(textOf(Form5, "Label34"), "-37");
    // Press by press as the coder screens' approved texts have it, ending on the code word of
    // -37 in the register, the Comparator hidden and only the value's generator row shown.
    for (int count = 1; count <= 16; ++count) {
        student.use(Form5, "LMDButton2");
        QCOMPARE(shown(Form5, "Label22"), count % 2 == 1);
    }
    QCOMPARE(textOf(Form5, "Label1"), "Конец 8-го такта. Кодирование завершено.");
    QCOMPARE(
        notAtZero(Form5, "Label"), // U эт -36, references 32 and 4, code word 0 010 0010
        QStringList({"Label2", "Label8", "Label11", "Label16", "Label20", "Label48", "Label51"}));
    QVERIFY(!shown(Form5, "Label23") && shown(Form5, "Label3") && shown(Form5, "Image3"));
    draws.push(kDemonstrationZeroThen2000);
    student.use(Form5, "LMDButton2");
    QCOMPARE(textOf(Form5, "Label1"), "Значение Uаим для кодирования = 2000.");
    QVERIFY(shown(Form5, "Image2") && !shown(Form5, "Image3") && shown(Form5, "Image4") &&
            !shown(Form5, "Image5") && shown(Form5, "Label23") && shown(Form5, "Label3"));
    QCOMPARE(notAtZero(Form5, "Label"), QStringList());
    QVERIFY(!shown(Form5, "Label22"));
    student.use(Form5, "LMDButton2"); // a positive value closes Gen2's switch
    QVERIFY(shown(Form5, "Image5") && !shown(Form5, "Image4") && !shown(Form5, "Label3") &&
            shown(Form5, "Label23"));
    QCOMPARE(draws.remaining(), 0);
}

void Walk::practice() {
    // -37 with a mistake of each kind, each refused with its message; then, the input still
    // holding -37, a second run of 1000, the other polarity, without one.
    arrive(Form5, "RzURLLabel1", Form9);
    // The mistakes made in the run of -37: step, cell and what is typed, and the message.
    const QList<QStringList> mistakes =
        Approved::rows("practice-mistakes", QStringLiteral("step (\\d+), (\\w+) \"(.*)\": .*"));
    QStringList told;
    // What is no whole number is refused with its message; the students stay to correct it.
    student.fill(Form9, "Edit1", QStringLiteral("5 "));
    student.use(Form9, "RzURLLabel3");
    QCOMPARE(showing() + errors.last().caption + errors.last().text,
             "Form9Ощибка ввода" + QStringLiteral("Значение Uаим должно быть числом"));
    for (const int value : {-37, 1000}) {
        if (value > 0) {
            student.use(Form6, "RzURLLabel2");
            QCOMPARE(showing(), "Form9");
            QCOMPARE(control<QLineEdit>(Form9, "Edit1")->text(), "-37");
        }
        student.fill(Form9, "Edit1", value > 0 ? QStringLiteral("+01000") : QStringLiteral("-37"));
        student.use(Form9, "RzURLLabel3");
        QCOMPARE(showing(), "Form6");
        QCOMPARE(textOf(Form6, "Label1"), QString::fromStdString(Practice::openingStatus(value)));
        QCOMPARE(textOf(Form6, "Label2"), QString::number(value));
        // Both generator rows until the sign is entered, every cell back at "0", the links
        // gone and only the lamp to fill the register lit.
        QVERIFY(shown(Form6, "Edit3") && shown(Form6, "Edit23") && shown(Form6, "Edit22"));
        QVERIFY(!shown(Form6, "RzURLLabel1") && !shown(Form6, "RzURLLabel2"));
        QCOMPARE(notAtZero(Form6, "Edit"), QStringList());
        for (const char* cell : {"RxCalcEdit1", "Edit22"})
            QCOMPARE(control<QLineEdit>(Form6, cell)->text(), "0");
        QVERIFY(progress().endsWith(" lamps 1"));
        const Coder::TCodingTrace trace = Coder::BuildCodingTrace(value);
        for (int step = 1; step <= 16; ++step) {
            enterState(trace, step);
            for (const QStringList& mistake : mistakes) {
                if (mistake[0].toInt() != step || value > 0)
                    continue;
                const QString before = progress();
                student.fill(Form6, mistake[1], mistake[2]);
                student.use(Form6, "LMDButton1");
                told << QStringLiteral("step %1, %2 \"%3\": ")
                                .arg(mistake[0], mistake[1], mistake[2]) +
                            errors.last().text;
                QCOMPARE(errors.last().caption, "Ощибка ввода");
                QCOMPARE(Form6->practiceStep(), step - 1);
                QCOMPARE(progress(), before);
                // The Comparator shows while a tact's start and the end of tact 1 are entered.
                QCOMPARE(shown(Form6, "Edit22"), step % 2 == 1 || step == 2);
                enterState(trace, step);
            }
            student.use(Form6, "LMDButton1");
            QCOMPARE(Form6->practiceStep(), step);
            if (step < 16) // the next step to enter
                QCOMPARE(textOf(Form6, "Label1"), status(step % 2 == 0, (step + 2) / 2));
        }
        QCOMPARE(textOf(Form6, "Label3"),
                 QStringLiteral("Количество ошибок: %1").arg(value < 0 ? 7 : 0));
        QVERIFY(shown(Form6, "RzURLLabel1") && shown(Form6, "RzURLLabel2"));
        QVERIFY(!shown(Form6, "LMDButton1") && !shown(Form6, "Label1") && !shown(Form6, "Edit14"));
    }
    Approved::compare("practice-mistakes", told);
    QCOMPARE(errors.count(), 9);
}

void Walk::finalTest() {
    // Questions 1, 2, 5 and 9 answered wrongly; the report names both students. Its keys save
    // and print nothing until the report is up.
    QTemporaryDir dir;
    int asked = 0;
    ResultKeeper::setDialogs({[&](QWidget*, const QString& proposed) {
                                  ++asked;
                                  return proposed.endsWith(u"/2026-03-04 Иванов Петрова.pdf")
                                             ? dir.filePath("отчёт.pdf")
                                             : QString();
                              },
                              [&](QWidget*, QPrinter& printer) {
                                  printer.setOutputFileName(dir.filePath("печать.pdf"));
                                  return ++asked;
                              }});
    ResultKeeper::setClock([] { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)); });
    arrive(Form6, "RzURLLabel1", Form8, kFinalFirstRun);
    for (int n = 1; n <= 10; ++n) {
        student.press(Qt::Key_S, Qt::ControlModifier);
        student.press(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!control(Form8, "LMDButton1")->isEnabled());
        if (n != 7)
            QCOMPARE(control(Form8, "Edit1")->width(), n <= 2 ? 185 : 73);
        answer(student, Form8, n > 2 && n != 5 && n != 9);
    }
    QCOMPARE(inSight(Form8, kReport),
             "Правильных ответов: 6|Неправильных ответов: 4|Ошибки в вопросах: 1 2 5 "
             "9|Студенты, выполнившие работу:| Иванов Иван Иванович|Петрова Анна "
             "Сергеевна |Сохранить отчёт…|Печать…|Повторить тест");
    QCOMPARE(draws.remaining(), 0);
    // The result leaves the lab: a line in the journal with the last intro test and coding
    // run; the report saved by its link and printed by its key.
    const ResultsJournal journal;
    QVERIFY(journal.path().endsWith(u"/Лаборатория ЦСП/Нелинейный кодер/results.csv"));
    QCOMPARE(journalLines(journal).size(), 3);
    const QStringList entry = lastJournalEntry(journal);
    QCOMPARE(entry.mid(0, 9),
             QStringList({"2026-03-04 05:06:07", " Иванов Иван Иванович", "Петрова Анна Сергеевна ",
                          "10", "6", "1 2 5 9", "1000", "0", ""}));
    QVERIFY(!QUuid::fromString(entry.value(9)).isNull());
    QCOMPARE(asked, 0);
    student.use(Form8, "saveReportLink");
    student.press(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(asked, 2);
    for (const char* file : {"отчёт.pdf", "печать.pdf"}) {
        const QString page = pdfText(dir.filePath(QString::fromUtf8(file)));
        QVERIFY(page.contains("Итоговый тест: правильных ответов 6, неправильных 4 Ошибки в "
                              "вопросах: 1 2 5 9"));
        QVERIFY(page.contains("04.03.2026 05:06"));
    }
    // Once more, all right: the report goes until the tenth answer. The mouse student has the
    // second name taken away first, and the heading is the singular.
    if (!keyboard)
        control<QLineEdit>(Form7, "Edit2")->clear();
    draws.push(kFinalAllRightRun);
    student.use(Form8, "RzURLLabel2");
    QCOMPARE(Form8->questionNo(), 1);
    QCOMPARE(inSight(Form8, kReport), "");
    for (int n = 1; n <= 10; ++n)
        answer(student, Form8, true);
    QCOMPARE(inSight(Form8, kReport),
             "Правильных ответов: 10|Неправильных ответов: 0|Ошибки в вопросах:|" +
                 QString(keyboard ? "Студенты, выполнившие работу:| Иванов Иван "
                                    "Иванович|Петрова Анна Сергеевна "
                                  : "Студент, выполнивший работу:| Иванов Иван Иванович") +
                 "|Сохранить отчёт…|Печать…|Повторить тест");
    QCOMPARE(errors.count(), 9);
}

QTEST_MAIN(TestWalk)
#include "tst_walk.moc"
