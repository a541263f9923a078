#include "LabTestSupport.h"
#include "PracticeDriver.h"

#include "app/IntegerText.h"
#include "app/LabScreen.h"
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
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <cstdint>
#include <deque>
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

int EnvironmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The program's draws from the row's seed, so that a row replays exactly.
class SeededDraws {
public:
    explicit SeededDraws(std::uint32_t seed) : generator_(seed) {
        previous_ = SetRandomSource(
            [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator_); });
    }
    ~SeededDraws() { SetRandomSource(std::move(previous_)); }
    SeededDraws(const SeededDraws&) = delete;
    SeededDraws& operator=(const SeededDraws&) = delete;

private:
    std::mt19937 generator_;
    RandomSource previous_;
};

const QString kCyrillic =
    QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
const QString kLatin = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kDigits = QStringLiteral("0123456789");
const QString kPunctuation = QStringLiteral(" -,.+;:!?()'\"_/\\*=");
// Numbers at the edges of what the readers take: int32 limits, signs, separators, digits of
// other scripts.
const QStringList kEdgeTexts = {
    QStringLiteral("2147483647"), QStringLiteral("-2147483648"),
    QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
    QStringLiteral("-0"),         QStringLiteral("00"),
    QStringLiteral("0"),          QStringLiteral("+5"),
    QStringLiteral(" 12"),        QStringLiteral("1e5"),
    QStringLiteral("0,128"),      QStringLiteral("1 000,5"),
    QStringLiteral("٣٤"),         QStringLiteral("１２"),
    QStringLiteral("-"),          QStringLiteral("99999999999999999999999"),
    QStringLiteral("1.5"),        QStringLiteral("\t7\n")};

// Acts on the one visible lab screen the way an impatient student might.
class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : generator_(seed) {}

    // While links are barred the monkey stays on its screen and explores it.
    void allowLinks(bool allowed) { linksAllowed_ = allowed; }

    // One random action; returns what it did.
    QString act(QWidget* screen) {
        const int roll = pick(100);
        if (roll < 40)
            return click(screen, false);
        if (roll < 45)
            return click(screen, true);
        if (roll < 83)
            return key(screen);
        if (roll < 87)
            return paste(screen);
        if (roll < 90)
            return typeText(screen);
        if (roll < 93)
            return wheel(screen);
        if (screen == Form6)
            return knownStep();
        return key(screen);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator_); }
    QChar pickChar(const QString& from) { return from[pick(int(from.size()))]; }

    static QString describe(const QWidget* widget) {
        QString name = widget->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(widget->metaObject()->className());
        return name;
    }

    // Any visible, enabled widget of the screen, the screen itself included.
    QWidget* anyControl(QWidget* screen) {
        QList<QWidget*> controls{screen};
        for (QWidget* widget : screen->findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() &&
                (linksAllowed_ || !qobject_cast<TLinkLabel*>(widget)))
                controls.append(widget);
        return controls[pick(int(controls.size()))];
    }

    // The widget holding the screen's focus, or now and then any field that takes text.
    QWidget* keyTarget(QWidget* screen) {
        QWidget* focus = screen->focusWidget();
        if (focus && focus->isVisible() && focus->isEnabled() && pick(4) != 0)
            return focus;
        QList<QWidget*> fields;
        for (QLineEdit* edit : screen->findChildren<QLineEdit*>())
            if (edit->isVisible() && edit->isEnabled())
                fields.append(edit);
        if (fields.isEmpty() || pick(10) == 0)
            return anyControl(screen);
        return fields[pick(int(fields.size()))];
    }

    // Now and then a click goes to what a student would click: a button or an option, less
    // often a link, which may leave the screen.
    QWidget* clickTarget(QWidget* screen) {
        if (pick(3) != 0)
            return anyControl(screen);
        QList<QWidget*> buttons;
        QList<QWidget*> links;
        for (QWidget* widget : screen->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled())
                continue;
            if (qobject_cast<TLinkLabel*>(widget)) {
                if (linksAllowed_)
                    links.append(widget);
            } else if (qobject_cast<QAbstractButton*>(widget))
                buttons.append(widget);
        }
        const QList<QWidget*>& targets =
            links.isEmpty() || (!buttons.isEmpty() && pick(20) != 0) ? buttons : links;
        return targets.isEmpty() ? anyControl(screen) : targets[pick(int(targets.size()))];
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
            .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"), describe(target))
            .arg(at.x())
            .arg(at.y());
    }

    static void sendText(QWidget* target, QChar c) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }

    QString key(QWidget* screen) {
        QWidget* target = keyTarget(screen);
        const QString on = QStringLiteral(" on ") + describe(target);
        const int kind = pick(100);
        if (kind < 50) {
            const QString& from = kind < 30 ? kDigits : kind < 38 ? kPunctuation : kLatin;
            const QChar c = pickChar(from);
            QTest::keyClick(target, c.toLatin1());
            return QStringLiteral("key '%1'").arg(c) + on;
        }
        if (kind < 58) {
            const QChar c = pickChar(kCyrillic);
            sendText(target, c);
            return QStringLiteral("key '%1'").arg(c) + on;
        }
        struct Special {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* name;
        };
        static const Special kSpecial[] = {
            {Qt::Key_Left, Qt::NoModifier, "Left"},
            {Qt::Key_Right, Qt::NoModifier, "Right"},
            {Qt::Key_Up, Qt::NoModifier, "Up"},
            {Qt::Key_Down, Qt::NoModifier, "Down"},
            {Qt::Key_Tab, Qt::NoModifier, "Tab"},
            {Qt::Key_Backtab, Qt::ShiftModifier, "Backtab"},
            {Qt::Key_Return, Qt::NoModifier, "Return"},
            {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
            {Qt::Key_Escape, Qt::NoModifier, "Escape"},
            {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
            {Qt::Key_Delete, Qt::NoModifier, "Delete"},
            {Qt::Key_Home, Qt::NoModifier, "Home"},
            {Qt::Key_End, Qt::NoModifier, "End"},
            {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
            {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
            {Qt::Key_Space, Qt::NoModifier, "Space"},
            {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
            {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
            {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
            {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
            {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
        };
        const Special& special = kSpecial[pick(int(std::size(kSpecial)))];
        QTest::keyClick(target, special.key, special.modifiers);
        return QString::fromLatin1(special.name) + on;
    }

    QString randomText(int length) {
        const QString alphabet = kDigits + kDigits + kCyrillic + kLatin + kPunctuation;
        QString text;
        for (int i = 0; i < length; ++i)
            text += pickChar(alphabet);
        return text;
    }

    QString paste(QWidget* screen) {
        QWidget* target = keyTarget(screen);
        const int kind = pick(3);
        const QString text = kind == 0   ? randomText(500)
                             : kind == 1 ? kEdgeTexts[pick(int(kEdgeTexts.size()))]
                                         : QString(pick(40) + 1, pickChar(kDigits));
        QApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste of %1 characters \"%2\" on %3")
            .arg(text.size())
            .arg(text.left(40), describe(target));
    }

    QString typeText(QWidget* screen) {
        QWidget* target = keyTarget(screen);
        const QString text =
            pick(2) == 0 ? kEdgeTexts[pick(int(kEdgeTexts.size()))] : randomText(pick(12) + 1);
        TypeText(target, text);
        return QStringLiteral("typing \"%1\" on %2").arg(text, describe(target));
    }

    QString wheel(QWidget* screen) {
        QWidget* target = anyControl(screen);
        const QPoint at = anyPoint(target);
        const int delta = (pick(2) == 0 ? -1 : 1) * 120 * (pick(3) + 1);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        return QStringLiteral("wheel %1 on %2").arg(delta).arg(describe(target));
    }

    // A student who knows the coder sets the whole state of the next practice step, so
    // that runs get finished and the screens behind the practice are reached too.
    QString knownStep() {
        const std::optional<std::int32_t> value = ParseInt32(Form9->valueText().toStdString());
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

// The caption an error box may carry on a screen; empty where the screen refuses nothing.
QString ErrorCaptionOf(const QWidget* screen) {
    if (screen == Form4 || screen == Form8)
        return kTestErrorCaption;
    if (screen == Form6 || screen == Form9)
        return kPracticeErrorCaption;
    return {};
}

// What the invariants compare between two actions.
struct Observation {
    QWidget* screen = nullptr;
    int practiceErrors = 0;
    int reported = 0;
};

// Checks the invariants after an action; an empty result when all hold.
QString Violation(const Observation& before, const Observation& now, const ErrorCapture& errors) {
    const QList<QWidget*> visible = VisibleScreens();
    if (visible.size() != 1) {
        QStringList names;
        for (const QWidget* screen : visible)
            names.append(screen->objectName());
        return QStringLiteral("%1 screens visible: %2")
            .arg(visible.size())
            .arg(names.join(QLatin1Char(' ')));
    }
    if (Form5->stepCount() < 0 || Form5->stepCount() > 16)
        return QStringLiteral("demonstration step %1").arg(Form5->stepCount());
    if (Form6->practiceStep() < 0 || Form6->practiceStep() > 16)
        return QStringLiteral("practice step %1").arg(Form6->practiceStep());
    // "Далее >>" takes presses exactly until the run is finished.
    if (Control<QPushButton>(Form6, "LMDButton1")->isEnabled() != (Form6->practiceStep() < 16))
        return QStringLiteral("\"Далее >>\" %1 at practice step %2")
            .arg(Control<QPushButton>(Form6, "LMDButton1")->isEnabled() ? "enabled" : "disabled")
            .arg(Form6->practiceStep());
    for (const KnowledgeTestScreen* test :
         {static_cast<KnowledgeTestScreen*>(Form4), static_cast<KnowledgeTestScreen*>(Form8)})
        if (test->questionNo() < 1 || test->questionNo() > 11)
            return QStringLiteral("%1 at question %2")
                .arg(test->objectName())
                .arg(test->questionNo());

    const QString caption = ErrorCaptionOf(before.screen);
    for (int i = before.reported; i < now.reported; ++i) {
        const ReportedError& error = errors.errors()[i];
        if (error.caption != caption)
            return QStringLiteral("error box \"%1\" / \"%2\" on %3")
                .arg(error.caption, error.text, before.screen->objectName());
        if (error.text.contains(QStringLiteral("is not a valid integer value")))
            return QStringLiteral("a value that is no whole number reached the practice: ") +
                   error.text;
    }
    if (before.screen == Form6 && now.screen == Form6) {
        // Every refused press counts once and shows one box; nothing else touches the count.
        const int counted = now.practiceErrors - before.practiceErrors;
        if (counted != now.reported - before.reported)
            return QStringLiteral("error count went from %1 to %2 with %3 boxes shown")
                .arg(before.practiceErrors)
                .arg(now.practiceErrors)
                .arg(now.reported - before.reported);
    }
    return {};
}

Observation Observe(const ErrorCapture& errors) {
    const QList<QWidget*> visible = VisibleScreens();
    return {visible.size() == 1 ? visible.front() : nullptr, Form6->errorCount(), errors.count()};
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
        QTest::mouseClick(Control<TLinkLabel>(Form9, "RzURLLabel3"), Qt::LeftButton);
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

    // The program's draws, the screen's setup and the monkey each get a stream of their own.
    SeededDraws draws(seed ^ 0x9e3779b9u);
    ErrorCapture errors;
    LabFrame frame;
    std::mt19937 setup(seed + 1);
    QVERIFY(BringUp(screen, frame, setup));

    Monkey monkey(seed);
    std::deque<QString> recent;
    const int actions = EnvironmentNumber("LAB_MONKEY_ACTIONS", kDefaultActions);
    Observation before = Observe(errors);
    QVERIFY(Violation(before, before, errors).isEmpty());
    for (int action = 1; action <= actions; ++action) {
        // The first third of the actions stays on the screen brought up.
        monkey.allowLinks(action > actions / 3);
        recent.push_back(monkey.act(before.screen));
        if (recent.size() > 12)
            recent.pop_front();
        QCoreApplication::processEvents();
        const Observation now = Observe(errors);
        const QString violation = Violation(before, now, errors);
        if (!violation.isEmpty()) {
            QString trail;
            for (const QString& step : recent)
                trail += QStringLiteral("\n    ") + step;
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3; the last actions:%4")
                                 .arg(seed)
                                 .arg(action)
                                 .arg(violation, trail)));
        }
        before = now;
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
