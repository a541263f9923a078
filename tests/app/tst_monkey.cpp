#include "LabTestSupport.h"
#include "PracticeDriver.h"

#include "logic/IntegerText.h"
#include "foundation/LabScreen.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QWheelEvent>
#include <cstdint>
#include <random>

// Random clicks, keys and pastes on whatever screen is up, from a seeded generator, with
// the invariants of the frame and the screens checked after every single action. Windows
// are never closed. A row's name carries its seed: running that row again replays it.
// LAB_MONKEY_ACTIONS sets the number of actions per row, LAB_MONKEY_SEED one seed for all
// rows.

#if defined(__SANITIZE_ADDRESS__)
#define LAB_MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LAB_MONKEY_SANITIZED 1
#endif
#endif

namespace {

#ifdef LAB_MONKEY_SANITIZED
constexpr int kDefaultActions = 1500;
#else
constexpr int kDefaultActions = 3000;
#endif

const QString kCyrillic =
    QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
const QString kLatin = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kDigits = QStringLiteral("0123456789");
const QString kPunctuation = QStringLiteral(" -,.+;:!?()'\"_/\\*=");
// Numbers at the edges of what the readers take: int32 limits, signs, separators, digits of
// other scripts.
const QStringList kEdgeTexts =
    QStringLiteral("2147483647|-2147483648|2147483648|-2147483649|-0|00|0|+5| 12|1e5|0,128|"
                   "1 000,5|٣٤|１２|-|99999999999999999999999|1.5|\t7\n")
        .split(QLatin1Char('|'));

// Keys that move, edit, confirm or leave, in QKeySequence's notation.
const QStringList kSpecialKeys =
    QStringLiteral("Left Right Up Down Tab Shift+Backtab Return Num+Enter Esc Backspace Del Home "
                   "End PgUp PgDown Space Ctrl+A Ctrl+Z Ctrl+Shift+Z Ctrl+X Ctrl+C Ctrl+V")
        .split(QLatin1Char(' '));

QString Describe(const QWidget* widget) {
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

// Acts on the one visible lab screen the way an impatient student might.
class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : generator_(seed) {}

    // While links are barred the monkey stays on its screen and explores it.
    void allowLinks(bool allowed) { linksAllowed_ = allowed; }

    // One random action; returns what it did.
    QString act(QWidget* screen) {
        const int roll = pick(100);
        if (roll < 45)
            return click(screen, roll >= 40);
        if (roll < 83)
            return key(screen);
        if (roll < 90)
            return enterText(screen, roll < 87);
        if (roll < 93)
            return wheel(screen);
        return screen == Form6 ? knownStep() : key(screen);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator_); }
    QChar pickChar(const QString& from) { return from[pick(int(from.size()))]; }
    template <typename T> T pickFrom(const QList<T>& from) { return from[pick(int(from.size()))]; }

    // The visible, enabled widgets of the screen that the monkey may use.
    QList<QWidget*> usable(QWidget* screen) const {
        QList<QWidget*> widgets;
        for (QWidget* widget : screen->findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() &&
                (linksAllowed_ || !qobject_cast<LinkLabel*>(widget)))
                widgets.append(widget);
        return widgets;
    }

    // Any usable widget of the screen, the screen itself included.
    QWidget* anyControl(QWidget* screen) {
        return pickFrom(QList<QWidget*>{screen} + usable(screen));
    }

    // The widget holding the screen's focus, or now and then any field that takes text.
    QWidget* keyTarget(QWidget* screen) {
        QWidget* focus = screen->focusWidget();
        if (focus && focus->isVisible() && focus->isEnabled() && pick(4) != 0)
            return focus;
        QList<QWidget*> fields;
        for (QWidget* widget : usable(screen))
            if (qobject_cast<QLineEdit*>(widget))
                fields.append(widget);
        return fields.isEmpty() || pick(10) == 0 ? anyControl(screen) : pickFrom(fields);
    }

    // Now and then a click goes to what a student would click: a button or an option, less
    // often a link, which may leave the screen.
    QWidget* clickTarget(QWidget* screen) {
        if (pick(3) != 0)
            return anyControl(screen);
        QList<QWidget*> buttons;
        QList<QWidget*> links;
        for (QWidget* widget : usable(screen)) {
            if (qobject_cast<LinkLabel*>(widget))
                links.append(widget);
            else if (qobject_cast<QAbstractButton*>(widget))
                buttons.append(widget);
        }
        const QList<QWidget*>& targets =
            links.isEmpty() || (!buttons.isEmpty() && pick(20) != 0) ? buttons : links;
        return targets.isEmpty() ? anyControl(screen) : pickFrom(targets);
    }

    QPoint anyPoint(const QWidget* widget) {
        return {pick(qMax(1, widget->width())), pick(qMax(1, widget->height()))};
    }

    QString click(QWidget* screen, bool twice) {
        QWidget* target = clickTarget(screen);
        const QPoint at = anyPoint(target);
        const Qt::KeyboardModifiers modifiers = pick(10) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        if (twice)
            QTest::mouseDClick(target, Qt::LeftButton, modifiers, at);
        else
            QTest::mouseClick(target, Qt::LeftButton, modifiers, at);
        return QStringLiteral("%1 %2 at %3,%4")
            .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"), Describe(target))
            .arg(at.x())
            .arg(at.y());
    }

    QString key(QWidget* screen) {
        QWidget* target = keyTarget(screen);
        const QString on = QStringLiteral(" on ") + Describe(target);
        const int kind = pick(100);
        if (kind < 58) {
            const QChar c = pickChar(kind < 30   ? kDigits
                                     : kind < 38 ? kPunctuation
                                     : kind < 50 ? kLatin
                                                 : kCyrillic);
            TypeText(target, QString(c));
            return QStringLiteral("key '%1'").arg(c) + on;
        }
        const QString name = pickFrom(kSpecialKeys);
        const QKeyCombination special = QKeySequence::fromString(name)[0];
        QTest::keyClick(target, special.key(), special.keyboardModifiers());
        return name + on;
    }

    QString randomText(int length) {
        const QString alphabet = kDigits + kDigits + kCyrillic + kLatin + kPunctuation;
        QString text;
        for (int i = 0; i < length; ++i)
            text += pickChar(alphabet);
        return text;
    }

    // A text pasted or typed in: long and random, a number at an edge, or a run of digits.
    QString enterText(QWidget* screen, bool paste) {
        QWidget* target = keyTarget(screen);
        const int kind = pick(3);
        const QString text = kind == 0   ? randomText(paste ? 500 : pick(12) + 1)
                             : kind == 1 ? pickFrom(kEdgeTexts)
                                         : QString(pick(40) + 1, pickChar(kDigits));
        if (paste) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        } else {
            TypeText(target, text);
        }
        return QStringLiteral("%1 \"%2\" (%3 characters) on %4")
            .arg(paste ? QStringLiteral("paste of") : QStringLiteral("typing"), text.left(40))
            .arg(text.size())
            .arg(Describe(target));
    }

    QString wheel(QWidget* screen) {
        QWidget* target = anyControl(screen);
        const QPoint at = anyPoint(target);
        const int delta = (pick(2) == 0 ? -1 : 1) * 120 * (pick(3) + 1);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        return QStringLiteral("wheel %1 on %2").arg(delta).arg(Describe(target));
    }

    // A student who knows the coder sets the whole state of the next practice step, so
    // that runs get finished and the screens behind the practice are reached too.
    QString knownStep() {
        const std::optional<std::int32_t> value = parseInt32(Form9->valueText().toStdString());
        const int step = Form6->practiceStep() + 1;
        if (!value || step > 16)
            return QStringLiteral("no step to enter");
        Enter(Form6, CoderState(BuildCodingTrace(*value), step));
        return QStringLiteral("the coder state of step %1 for %2").arg(step).arg(*value);
    }

    std::mt19937 generator_;
    bool linksAllowed_ = true;
};

LabScreen* Screen(int number) {
    LabScreen* screens[] = {Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9};
    return screens[number - 1];
}

// What the invariants compare between two actions.
struct Observation {
    QWidget* screen = nullptr;
    int practiceErrors = 0;
    int reported = 0;
};

Observation Observe(const ErrorCapture& errors) {
    const QList<QWidget*> visible = VisibleScreens();
    return {visible.size() == 1 ? visible.front() : nullptr, Form6->errorCount(), errors.count()};
}

// Checks the invariants after an action; an empty result when all hold.
QString Violation(const Observation& before, const Observation& now, const ErrorCapture& errors) {
    if (!now.screen)
        return QStringLiteral("%1 screens visible").arg(VisibleScreens().size());
    if (Form5->stepCount() < 0 || Form5->stepCount() > 16)
        return QStringLiteral("demonstration step %1").arg(Form5->stepCount());
    const int step = Form6->practiceStep();
    if (step < 0 || step > 16)
        return QStringLiteral("practice step %1").arg(step);
    // "Далее >>" takes presses exactly until the run is finished.
    if (Control<QPushButton>(Form6, "LMDButton1")->isEnabled() != (step < 16))
        return QStringLiteral("\"Далее >>\" wrongly enabled or disabled at step %1").arg(step);
    for (const KnowledgeTestScreen* test :
         std::initializer_list<KnowledgeTestScreen*>{Form4, Form8})
        if (test->questionNo() < 1 || test->questionNo() > 11)
            return QStringLiteral("%1 at question %2")
                .arg(test->objectName())
                .arg(test->questionNo());

    // Error boxes only where the screen refuses something, with that screen's caption.
    const QString caption = before.screen == Form4 || before.screen == Form8 ? kTestErrorCaption
                            : before.screen == Form6 || before.screen == Form9
                                ? kPracticeErrorCaption
                                : QString();
    for (int i = before.reported; i < now.reported; ++i) {
        const ReportedError& error = errors.errors()[i];
        if (error.caption != caption)
            return QStringLiteral("error box \"%1\" / \"%2\" on %3")
                .arg(error.caption, error.text, before.screen->objectName());
        if (error.text.contains(QStringLiteral("is not a valid integer value")))
            return QStringLiteral("a value that is no whole number reached the practice: ") +
                   error.text;
    }
    // Every refused press counts once and shows one box; nothing else touches the count.
    if (before.screen == Form6 && now.screen == Form6 &&
        now.practiceErrors - before.practiceErrors != now.reported - before.reported)
        return QStringLiteral("error count went from %1 to %2 with %3 boxes shown")
            .arg(before.practiceErrors)
            .arg(now.practiceErrors)
            .arg(now.reported - before.reported);
    return {};
}

// Brings a screen up the way the lab does; the coding practice only through its input.
bool BringUp(int number, LabFrame& frame, std::mt19937& generator) {
    if (number == 1) {
        frame.start();
    } else if (number == 6) {
        Form9->showScreen();
        const int value = std::uniform_int_distribution<int>(1, 4095)(generator) *
                          (generator() % 2 == 0 ? 1 : -1);
        TypeText(Control<QLineEdit>(Form9, "Edit1"), QString::number(value));
        QTest::mouseClick(Control<LinkLabel>(Form9, "RzURLLabel3"), Qt::LeftButton);
    } else {
        Screen(number)->showScreen();
    }
    return VisibleScreens() == QList<QWidget*>{Screen(number)};
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void screensSurviveRandomUse_data();
    void screensSurviveRandomUse();
};

void TestMonkey::screensSurviveRandomUse_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<quint32>("seed");
    bool fixed = false;
    const int fixedSeed = qEnvironmentVariableIntValue("LAB_MONKEY_SEED", &fixed);
    for (int n = 1; n <= 9; ++n) {
        const quint32 seed = fixed ? quint32(fixedSeed) : quint32(20240 + 7 * n);
        QTest::addRow("Form%d seed %u", n, seed) << n << seed;
    }
}

void TestMonkey::screensSurviveRandomUse() {
    QFETCH(int, screen);
    QFETCH(quint32, seed);
    FailOnWarnings();
    bool given = false;
    const int wanted = qEnvironmentVariableIntValue("LAB_MONKEY_ACTIONS", &given);
    const int actions = given ? wanted : kDefaultActions;

    // The program's draws, the screen's setup and the monkey each get a stream of their own,
    // so that a row replays exactly.
    std::mt19937 draws(seed ^ 0x9e3779b9u);
    RandomSource previous = setRandomSource(
        [&draws](int n) { return std::uniform_int_distribution<int>(0, n - 1)(draws); });
    const auto restore = qScopeGuard([&previous] { setRandomSource(std::move(previous)); });
    ErrorCapture errors;
    LabFrame frame;
    std::mt19937 setup(seed + 1);
    QVERIFY(BringUp(screen, frame, setup));

    Monkey monkey(seed);
    QStringList recent;
    Observation before = Observe(errors);
    QVERIFY(Violation(before, before, errors).isEmpty());
    for (int action = 1; action <= actions; ++action) {
        // The first third of the actions stays on the screen brought up.
        monkey.allowLinks(action > actions / 3);
        recent << monkey.act(before.screen);
        if (recent.size() > 12)
            recent.removeFirst();
        QCoreApplication::processEvents();
        const Observation now = Observe(errors);
        const QString violation = Violation(before, now, errors);
        if (!violation.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3; the last actions:\n    %4")
                                 .arg(seed)
                                 .arg(action)
                                 .arg(violation, recent.join(QStringLiteral("\n    ")))));
        before = now;
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
