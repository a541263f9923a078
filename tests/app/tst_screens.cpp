// SPDX-License-Identifier: MIT
#include "CoderState.h"
#include "LabTestSupport.h"

#include "app/LabFrame.h"
#include "foundation/LabStyle.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/DigitCell.h"
#include "widgets/NumericField.h"
#include "widgets/ReadOnlyText.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

// What each screen does beyond the walk through the lab: its refusals, limits, prompts,
// keyboard order and look.

namespace {

QString text(const QWidget* screen, const char* name) {
    return control<QLabel>(screen, name)->text();
}

bool shown(const QWidget* screen, const char* name) {
    return control(screen, name)->isVisible();
}

void click(const QWidget* screen, const char* name) {
    QTest::mouseClick(control(screen, name), Qt::LeftButton);
}

void type(const QWidget* screen, const char* name, const QString& value) {
    auto* field = control<QLineEdit>(screen, name);
    field->clear();
    typeText(field, value);
}

LabScreen* screenNo(int n) {
    const std::array<LabScreen*, 9> screens{Form1, Form2, Form3, Form4, Form5,
                                            Form6, Form7, Form8, Form9};
    return screens[std::size_t(n - 1)];
}

// The practice input's link with this value.
void openPractice(const QString& value) {
    Form9->showScreen();
    type(Form9, "Edit1", value);
    click(Form9, "RzURLLabel3");
}

// Sets the practice's cells to the coder's state at a step and presses "Далее >>".
void passStep(const TCodingTrace& trace, int step) {
    const Practice::Entries state = coderState(trace, step);
    const auto cell = [](int number) {
        return control<QLineEdit>(Form6, qPrintable(QStringLiteral("Edit%1").arg(number)));
    };
    for (int i = 0; i < 11; ++i)
        cell(43 + i)->setText(QString::fromStdString(state.selector[std::size_t(i)]));
    for (int i = 0; i < 8; ++i)
        cell(14 + i)->setText(QString::fromStdString(state.registerCells[std::size_t(i)]));
    cell(22)->setText(QString::fromStdString(state.comparator));
    control<NumericField>(Form6, "RxCalcEdit1")->setValue(*state.uet);
    click(Form6, "LMDButton1");
}

// The darkest shade drawn in a control: its text, when it has one.
int darkest(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

double luminance(QColor c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// The names of the controls the focus visits, Tab after Tab, from the first.
QString tabChain(QWidget* first, int presses) {
    first->setFocus(Qt::TabFocusReason);
    QStringList names{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
    }
    return names.join(QLatin1Char(' '));
}

QString names(const char* prefix, int first, int last) {
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QString::fromLatin1(prefix) + QString::number(i);
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        prepareLab();
        draws_ = std::make_unique<ScriptedDraws>();
        errors_ = std::make_unique<ErrorCapture>();
        frame_ = std::make_unique<LabFrame>();
    }
    void cleanup() {
        frame_.reset();
        errors_.reset();
        draws_.reset();
    }

    void eachScreenClosesTheLab_data();
    void eachScreenClosesTheLab();
    void registration();
    void practiceInput_data();
    void practiceInput();
    void practiceErrorLimit_data();
    void practiceErrorLimit();
    void practiceCells();
    void practicePrompts();
    void lampsLeaveTheirCaptionsLegible();
    void numberFieldTakesAClickAsAnAnswer();
    void theoryReader();
    void tabOrder_data();
    void tabOrder();

private:
    std::unique_ptr<ScriptedDraws> draws_;
    std::unique_ptr<ErrorCapture> errors_;
    std::unique_ptr<LabFrame> frame_;
};

void TestScreens::eachScreenClosesTheLab_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size"); // none: resizable
    const QString practice = QStringLiteral("Практика кодирования");
    QTest::newRow("title") << 1
                           << "Лабораторно-практическое занятие \"Изучение работы "
                              "нелинейного кодера\""
                           << QSize(412, 207);
    QTest::newRow("procedure") << 2 << "Порядок выполнения работы:" << QSize(344, 223);
    QTest::newRow("theory") << 3 << "Просмотр теории" << QSize(590, 441);
    QTest::newRow("intro test") << 4 << "Вводный тест" << QSize(578, 358);
    QTest::newRow("demonstration")
        << 5 << "Демонстрация работы нелинейного кодера" << QSize(604, 523);
    QTest::newRow("practice") << 6 << practice << QSize(604, 524);
    QTest::newRow("registration") << 7 << "Регистрация" << QSize(414, 170);
    QTest::newRow("final test") << 8 << "Итоговый тест" << QSize(578, 359);
    QTest::newRow("practice input") << 9 << practice << QSize();
}

void TestScreens::eachScreenClosesTheLab() {
    QFETCH(int, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    LabScreen* form = screenNo(screen);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->minimumSize() == form->maximumSize(), size.isValid());
    QCOMPARE(bool(form->windowFlags() & Qt::WindowMaximizeButtonHint), !size.isValid());
    if (size.isValid())
        QCOMPARE(form->size(), size);
    QCOMPARE(showing(), "");
    draws_->setFallback(0);
    type(Form9, "Edit1", QStringLiteral("5")); // what the practice reads when it opens
    frame_->start();
    QCOMPARE(showing(), "Form1");
    // Closing any screen, wherever the lab stands, ends the program with exit code 0.
    if (form != Form1) {
        Form1->hide();
        form->showScreen();
    }
    QTimer::singleShot(0, form, [form] { form->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(showing(), "");
}

void TestScreens::registration() {
    Form7->showScreen();
    QLabel* first = control<QLabel>(Form7, "Label2");
    QWidget* second = control(Form7, "Label3");
    QWidget* ok = control(Form7, "Button1");
    // Greyed on first display, and drawn so.
    QVERIFY(darkest(second) > darkest(first) + 60);
    const int greyOk = darkest(ok);
    type(Form7, "Edit1", QStringLiteral(" ")); // one blank is a name
    QVERIFY(ok->isEnabled() && second->isEnabled() && control(Form7, "Edit2")->isEnabled());
    QCOMPARE(darkest(second), darkest(first));
    QVERIFY(darkest(ok) < greyOk - 60);
    type(Form7, "Edit2", QStringLiteral("Петрова"));
    QTest::keyClick(control(Form7, "Edit1"), Qt::Key_Backspace);
    QVERIFY(!ok->isEnabled() && !second->isEnabled() && !control(Form7, "Edit2")->isEnabled());
    type(Form7, "Edit1", QStringLiteral("Иванов")); // the second name was kept, greyed
    QCOMPARE(control<QLineEdit>(Form7, "Edit2")->text(), "Петрова");
    QTest::keyClick(control(Form7, "Edit1"), Qt::Key_Return); // not the default button
    QCOMPARE(showing(), "Form7");
    click(Form7, "Button1");
    QCOMPARE(showing(), "Form2");
    QCOMPARE(text(Form2, "Label5"), "- Самомтоятельно произвести кодирование;");
}

void TestScreens::practiceInput_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message"); // empty: the practice opens
    const QString number = QStringLiteral("Значение Uаим должно быть числом");
    QTest::newRow("empty") << ""
                           << "Не введено значение Uаим";
    QTest::newRow("zero") << "0"
                          << "Uаим не должен равняться 0";
    for (const char* latin : {"12a", "abc", "Z"})
        QTest::newRow(latin) << latin << number;
    // No whole number: refused here rather than coded with a stale value.
    for (const char* other : {"1,5", "5 ", "-", "абв", "2147483648"})
        QTest::newRow(other) << QString::fromUtf8(other) << number;
    QTest::newRow("00 is coded as zero") << "00"
                                         << "";
    QTest::newRow("-37") << "-37"
                         << "";
}

void TestScreens::practiceInput() {
    QFETCH(QString, value);
    QFETCH(QString, message);
    openPractice(value);
    QCOMPARE(showing(), message.isEmpty() ? "Form6" : "Form9");
    QCOMPARE(errors_->count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(errors_->last().text, message);
        QCOMPARE(errors_->last().caption, "Ощибка ввода");
        QCOMPARE(control<QLineEdit>(Form9, "Edit1")->text(), value);
    } else {
        QCOMPARE(text(Form6, "Label2"), QString::number(value.toInt()));
    }
}

void TestScreens::practiceErrorLimit_data() {
    QTest::addColumn<int>("refused");
    QTest::newRow("999 refused") << 999;
    QTest::newRow("1000 refused") << 1000;
}

void TestScreens::practiceErrorLimit() {
    QFETCH(int, refused);
    openPractice(QStringLiteral("1"));
    QPushButton* next = control<QPushButton>(Form6, "LMDButton1");
    for (int i = 0; i < refused; ++i)
        next->click(); // P is still "0"
    QCOMPARE(Form6->errorCount(), refused);
    QCOMPARE(Form6->practiceStep(), 0);
    QCOMPARE(text(Form6, "Label1"), "Значение Uаим для кодирования = 1. Начало 1-го такта. "
                                    "Определение знака входного сигнала");
    const TCodingTrace trace = BuildCodingTrace(1);
    for (int step = 1; step <= 16; ++step)
        passStep(trace, step);
    QCOMPARE(Form6->practiceStep(), 16);
    QCOMPARE(text(Form6, "Label3"), QStringLiteral("Количество ошибок: %1").arg(refused));
    QCOMPARE(shown(Form6, "RzURLLabel1"), refused < 1000);
    QVERIFY(shown(Form6, "RzURLLabel2") && !shown(Form6, "LMDButton1"));
}

void TestScreens::practiceCells() {
    openPractice(QStringLiteral("-37"));
    // The mirror rule: a SegmentSelector cell into both generator cells of its weight.
    type(Form6, "Edit46", "1");
    QCOMPARE(control<QLineEdit>(Form6, "Edit6")->text() +
                 control<QLineEdit>(Form6, "Edit26")->text(),
             "11");
    type(Form6, "Edit6", "0");
    QCOMPARE(control<QLineEdit>(Form6, "Edit46")->text() +
                 control<QLineEdit>(Form6, "Edit26")->text(),
             "11");
    // Passing the end of tact 1 clears X whatever was typed there.
    type(Form6, "Edit14", "1");
    type(Form6, "Edit22", "1");
    type(Form6, "Edit15", "1");
    click(Form6, "LMDButton1");
    type(Form6, "Edit14", "0");
    click(Form6, "LMDButton1");
    QCOMPARE(Form6->practiceStep(), 2);
    QCOMPARE(control<QLineEdit>(Form6, "Edit15")->text(), "0");
    QVERIFY(shown(Form6, "Image3") && !shown(Form6, "Image2") && !shown(Form6, "Edit23"));
}

void TestScreens::practicePrompts() {
    openPractice(QStringLiteral("5"));
    const auto lamps = [] {
        QString on;
        for (int i = 1; i <= 4; ++i)
            on += control(Form6, qPrintable(QStringLiteral("LMDLight%1").arg(i)))->isVisible()
                      ? QString::number(i)
                      : QString();
        return on;
    };
    const auto colours = [] {
        const auto name = [](const QColor& c) {
            return c == LabStyle::kBtnFace ? "face" : c == QColor(255, 0, 0) ? "red" : "green";
        };
        return QStringLiteral("%1 %2").arg(
            name(control<NumericField>(Form6, "RxCalcEdit1")->background()),
            name(control<DigitCell>(Form6, "Edit22")->background()));
    };
    QCOMPARE(lamps(), "1");
    QTest::keyClick(control(Form6, "Edit3"), Qt::Key_Right); // generator rows prompt nothing
    QCOMPARE(lamps() + colours(), "1face face");
    QTest::keyClick(control(Form6, "Edit20"), Qt::Key_Left); // any key counts as a touch
    QCOMPARE(lamps() + colours(), "23face face");
    QTest::mouseDClick(control(Form6, "Edit50"), Qt::LeftButton);
    QCOMPARE(lamps() + colours(), "234red face");
    QTest::keyClick(control(Form6, "RxCalcEdit1"), Qt::Key_Left);
    QCOMPARE(lamps() + colours(), "234green red");
    QTest::keyClick(control(Form6, "Edit22"), Qt::Key_Left);
    QCOMPARE(lamps() + colours(), "234green green");
    type(Form6, "Edit14", "1");
    type(Form6, "Edit22", "0");
    click(Form6, "LMDButton1"); // a passed step starts the prompts afresh
    QCOMPARE(lamps() + colours(), "1face face");
}

void TestScreens::lampsLeaveTheirCaptionsLegible() {
    openPractice(QStringLiteral("5"));
    const QColor grey = LabStyle::kSchematicGrey;
    for (int i = 1; i <= 4; ++i) {
        QWidget* lamp = control(Form6, qPrintable(QStringLiteral("LMDLight%1").arg(i)));
        lamp->show();
        // Beside the caption, inside the block's outline.
        const QColor fill =
            Form6->grab().toImage().pixelColor(lamp->geometry().topLeft() + QPoint(20, 12));
        const bool red = i % 2 == 1; // the red lamps are lit, the green ones not
        const int hue = fill.hslHue();
        QVERIFY2((red ? hue < 10 || hue > 350 : std::abs(hue - 120) < 10) &&
                     fill.hslSaturationF() > 0.9,
                 qPrintable(fill.name()));
        const double shade = luminance(fill) + 0.05, caption = luminance(grey) + 0.05;
        // Lit, a lamp is lighter than the caption on it; unlit, darker.
        QVERIFY2((red ? shade / caption : caption / shade) >= 2.5, qPrintable(fill.name()));
        control(Form6, qPrintable(QStringLiteral("LMDLight%1").arg(i)))->hide();
    }
}

void TestScreens::numberFieldTakesAClickAsAnAnswer() {
    draws_->push({5, 0, 1, 2});
    draws_->setFallback(0);
    Form4->showScreen();
    click(Form4, "RzURLLabel1");
    QVERIFY(!control(Form4, "LMDButton1")->isEnabled());
    click(Form4, "RxCalcEdit1"); // the value 0 is then judged
    QVERIFY(control(Form4, "LMDButton1")->isEnabled());
}

void TestScreens::theoryReader() {
    Form3->showScreen();
    auto* scroll = control<QScrollArea>(Form3, "ScrollBox1")->verticalScrollBar();
    QCOMPARE(scroll->value(), 2721); // the end of the column, with the link in view
    QCOMPARE(scroll->maximum(), 2721);
    scroll->setValue(0);
    auto* first = control<ReadOnlyText>(Form3, "RzRichEdit1");
    QVERIFY(first->toPlainText().contains(QStringLiteral("КРАТКАЯ ТЕОРИЯ")));
    QVERIFY(first->isReadOnly() && first->textInteractionFlags() & Qt::TextSelectableByMouse);
    Form3->hide();
    Form3->showScreen(); // the column stays where it was left
    QCOMPARE(scroll->value(), 0);
}

void TestScreens::tabOrder_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("chain");
    QTest::newRow("title") << 1 << "RzURLLabel1 RzURLLabel1";
    QTest::newRow("procedure") << 2 << "RzURLLabel1 RzURLLabel1";
    QTest::newRow("theory") << 3
                            << "RzRichEdit1 RzRichEdit11 RzRichEdit2 RzRichEdit3 RzURLLabel1 "
                               "ScrollBox1 RzRichEdit1";
    QTest::newRow("demonstration") << 5 << "LMDButton2 RzURLLabel1 LMDButton2";
    QTest::newRow("practice") << 6
                              << names("Edit", 3, 13) + ' ' + names("Edit", 23, 33) + ' ' +
                                     names("Edit", 43, 53) + " RxCalcEdit1 Edit22 Edit15 Edit14 " +
                                     names("Edit", 16, 21) + " LMDButton1 Edit3";
    QTest::newRow("registration") << 7 << "Edit1 Edit2 Button1 Edit1";
    QTest::newRow("practice input") << 9 << "Edit1 RzURLLabel3 Edit1";
}

void TestScreens::tabOrder() {
    QFETCH(int, screen);
    QFETCH(QString, chain);
    draws_->setFallback(0);
    if (screen == 6)
        openPractice(QStringLiteral("-37"));
    else
        screenNo(screen)->showScreen();
    if (screen == 7)
        type(Form7, "Edit1", QStringLiteral("Иванов"));
    QVERIFY(QTest::qWaitForWindowActive(screenNo(screen)));
    const QString first = chain.section(' ', 0, 0);
    QCOMPARE(tabChain(control(screenNo(screen), qPrintable(first)), int(chain.count(' '))), chain);
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
