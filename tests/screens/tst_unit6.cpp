#include "LabTestSupport.h"
#include "PracticeDriver.h"

#include "foundation/LabStyle.h"
#include "screens/Unit6.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/DigitCell.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QHash<QString, QString> kMessages{
    {"sign", "Не правильно введено значение знака входного сигнала"},
    {"segment", "Не правильно введено значение номера сегмента амплитудной характеристики"},
    {"comparator", "Не правильно введено значение сигнала из компаратора"},
    {"bke", "Не правильно введено значение из БКЭ"},
    {"bvs", "Не правильно введено значение из БВС"},
    {"uet", "Не правильно введено значение Uэт"},
};

const QString kSign = QStringLiteral("Определение знака входного сигнала");
const QString kSegment = QStringLiteral("Определение номера сегмента амплитудной характеристики");
const QString kStep = QStringLiteral("Определение шага внутри сегмента");

// The status line after the passed steps where the tact or its purpose changes.
const QHash<int, QString> kStatusAfter{
    {1, "Конец 1-го такта. " + kSign},    {2, "Начало 2-го такта. " + kSegment},
    {7, "Конец 4-го такта. " + kSegment}, {8, "Начало 5-го такта. " + kStep},
    {15, "Конец 8-го такта. " + kStep},
};

// The passing entries of Uаим = -37, step by step, in the order the checks look at them.
const QStringList kWorkedExample{
    "Edit14=1 Edit22=1",
    "Edit14=0",
    "Edit22=1 Edit15=1 Edit6=1 Edit46=1 RxCalcEdit1=-128",
    "RxCalcEdit1=0 Edit15=0 Edit46=0 Edit6=0",
    "Edit16=1 Edit6=0 Edit46=0 Edit22=0 Edit8=1 Edit48=1 RxCalcEdit1=-32",
    "Edit16=1 Edit8=1 Edit48=1 RxCalcEdit1=-32",
    "Edit17=1 Edit8=0 Edit48=0 Edit4=0 Edit44=0 Edit6=0 Edit46=0 Edit22=1 Edit7=1 Edit47=1 "
    "RxCalcEdit1=-64",
    "Edit17=0 Edit8=1 Edit48=1 Edit7=0 Edit47=0 RxCalcEdit1=-32",
    "Edit18=1 Edit22=1 Edit9=1 Edit49=1 RxCalcEdit1=-48",
    "Edit18=0 Edit9=0 Edit49=0 RxCalcEdit1=-32",
    "Edit19=1 Edit22=1 Edit10=1 Edit50=1 RxCalcEdit1=-40",
    "Edit19=0 Edit10=0 Edit50=0 RxCalcEdit1=-32",
    "Edit20=1 Edit22=0 Edit11=1 Edit51=1 RxCalcEdit1=-36",
    "Edit20=1 RxCalcEdit1=-36",
    "Edit21=1 Edit22=1 Edit12=1 Edit52=1 RxCalcEdit1=-38",
    "Edit21=0 Edit12=0 Edit52=0 RxCalcEdit1=-36",
};

template <typename T = QWidget> T* On6(const char* name) {
    return Control<T>(Form6, name);
}

QString Text(const char* name) {
    return On6<QLabel>(name)->text();
}

bool Shown(const char* name) {
    return On6(name)->isVisible();
}

QString OpeningStatus(const QString& value) {
    return "Значение Uаим для кодирования = " + value + ". Начало 1-го такта. " + kSign;
}

// The names of the screen's controls that are shown (or hidden), sorted.
QStringList Controls(bool shown) {
    QStringList names;
    for (const QWidget* widget : Form6->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && widget->isVisible() == shown)
            names << widget->objectName();
    names.sort();
    return names;
}

QChar ColourCode(const QColor& colour) {
    return colour == LabStyle::kBtnFace       ? u'-'
           : colour == LabStyle::kPromptRed   ? u'r'
           : colour == LabStyle::kPromptGreen ? u'g'
                                              : u'?';
}

// Lamps 1..4 shown or not, then the backgrounds of U эт and the Comparator cell: "1000--"
// is the start of a step, "0111gr" the register lamp green, the selector lamp green, U эт
// green and the Comparator cell red.
QString Prompts() {
    QString state;
    for (const char* name : {"LMDLight1", "LMDLight2", "LMDLight3", "LMDLight4"})
        state += On6(name)->isHidden() ? u'0' : u'1';
    state += ColourCode(On6<NumericField>("RxCalcEdit1")->background());
    state += ColourCode(On6<DigitCell>("Edit22")->background());
    return state;
}

// Hidden all through a run until a touch or its end.
const QStringList kHiddenInARun{"LMDLight2", "LMDLight3",   "LMDLight4",
                                "Label3",    "RzURLLabel1", "RzURLLabel2"};

// Exactly these and the controls hidden all through a run are hidden.
void ExpectHidden(QStringList hidden) {
    hidden += kHiddenInARun;
    hidden.sort();
    QCOMPARE(Controls(false), hidden);
}

} // namespace

class TestUnit6 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init();
    void cleanup();

    void workedExampleStepByStep();
    void fullRunWithTheCoderState_data();
    void fullRunWithTheCoderState();
    void pressChecksTheNamedEntriesInOrder_data();
    void pressChecksTheNamedEntriesInOrder();
    void errorCountOutlastsActivationAndDecidesTheLink_data();
    void errorCountOutlastsActivationAndDecidesTheLink();
    void secondRunIsCheckedAgainstTheNewValueAlone();
    void unconvertibleValueReturnsToTheInput();
    void touchesPromptTheNextEntry_data();
    void touchesPromptTheNextEntry();
    void stepEffectsComeWithThePassedStepOnly();

private:
    // The finished screen: only the error count and the links that it allows.
    void expectFinished(int errors);
    // Runs the remaining steps with the coder state, then expects the finished screen.
    void finishAndExpectErrors(const TCodingTrace& trace, int fromStep, int errors);
    // Presses against prepared wrong entries: each item "key:fix" expects the message of
    // key, then types the fix; finally the press passes.
    void expectRefusals(const QStringList& refusals);

    std::unique_ptr<LabFrame> frame;
    std::unique_ptr<ErrorCapture> errors;
};

void TestUnit6::init() {
    errors = std::make_unique<ErrorCapture>();
    frame = std::make_unique<LabFrame>();
    Form9->showScreen();
}

void TestUnit6::cleanup() {
    frame.reset();
    errors.reset();
}

void TestUnit6::expectFinished(int expected) {
    QCOMPARE(Text("Label3"), "Количество ошибок: " + QString::number(expected));
    const QStringList shown = expected < 1000 ? QStringList{"Label3", "RzURLLabel1", "RzURLLabel2"}
                                              : QStringList{"Label3", "RzURLLabel2"};
    QCOMPARE(Controls(true), shown);
    QVERIFY(!On6("LMDButton1")->isEnabled());
}

void TestUnit6::finishAndExpectErrors(const TCodingTrace& trace, int fromStep, int expected) {
    for (int step = fromStep; step <= 16; ++step) {
        PassSteps(trace, step, step);
        QVERIFY2(Form6->practiceStep() == step,
                 qPrintable(QString("step %1: %2").arg(step).arg(errors->last().text)));
    }
    QCOMPARE(errors->count(), expected);
    expectFinished(expected);
}

void TestUnit6::expectRefusals(const QStringList& refusals) {
    const int step = Form6->practiceStep();
    for (const QString& refusal : refusals) {
        const int before = errors->count();
        PressNext();
        QCOMPARE(errors->count(), before + 1);
        QCOMPARE(errors->last().caption, QStringLiteral("Ощибка ввода"));
        QCOMPARE(errors->last().text, kMessages.value(refusal.section(QLatin1Char(':'), 0, 0)));
        QCOMPARE(Form6->practiceStep(), step);
        Enter(Form6, ParseEntries(refusal.section(QLatin1Char(':'), 1)));
    }
    const int before = errors->count();
    PressNext();
    QCOMPARE(errors->count(), before);
    QCOMPARE(Form6->practiceStep(), step + 1);
}

void TestUnit6::workedExampleStepByStep() {
    const TCodingTrace trace = BuildCodingTrace(-37);
    OpenPractice("-37");
    for (int step = 1; step <= 16; ++step) {
        const PracticeEntries entries = ParseEntries(kWorkedExample[step - 1]);
        // The coder state used by the other runs agrees with the worked example.
        const PracticeEntries state = CoderState(trace, step);
        for (const PracticeEntry& entry : entries)
            QVERIFY2(std::any_of(state.begin(), state.end(),
                                 [&](const PracticeEntry& s) {
                                     return s.control == entry.control && s.text == entry.text;
                                 }),
                     qPrintable(QString("step %1, %2").arg(step).arg(entry.control)));

        Enter(Form6, entries);
        PressNext();
        QVERIFY2(Form6->practiceStep() == step,
                 qPrintable(QString("step %1: %2").arg(step).arg(errors->last().text)));
        if (kStatusAfter.contains(step))
            QCOMPARE(Text("Label1"), kStatusAfter[step]);
        // The Comparator cell is there exactly while a tact's start is entered.
        if (step < 16)
            QCOMPARE(Shown("Edit22"), step % 2 == 0);
    }
    QCOMPARE(errors->count(), 0);
    expectFinished(0);
    QCOMPARE(Text("Label1"), QStringLiteral("Кодирование завершено"));
}

void TestUnit6::fullRunWithTheCoderState_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    for (const char* value : {"1000", "-5", "300", "2000", "-2147483648"})
        QTest::newRow(value) << value << value;
    // Zero typed otherwise than "0" is coded as zero, with negative polarity.
    QTest::newRow("00") << "00"
                        << "0";
    QTest::newRow("-0") << "-0"
                        << "0";
}

void TestUnit6::fullRunWithTheCoderState() {
    QFETCH(QString, value);
    QFETCH(QString, shown);
    const TCodingTrace trace = BuildCodingTrace(shown.toInt());
    const bool positive = shown.toInt() > 0;
    OpenPractice(value);
    QCOMPARE(Text("Label1"), OpeningStatus(shown));
    QCOMPARE(Text("Label2"), shown);
    PassSteps(trace, 1, 1);
    // With the sign entered only the polarity's generator row and closed switch show.
    QStringList hidden{"Edit22", positive ? "Image3" : "Image2", positive ? "Image4" : "Image5"};
    for (int n = positive ? 3 : 23; n < (positive ? 14 : 34); ++n)
        hidden << QStringLiteral("Edit%1").arg(n);
    ExpectHidden(hidden);
    finishAndExpectErrors(trace, 2, 0);
}

void TestUnit6::pressChecksTheNamedEntriesInOrder_data() {
    // The value, the step, entries typed over the coder state of that step, and the refused
    // presses expected in turn, each "message key:entries that mend it".
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("refusals");
    QTest::newRow("step 1, P empty, comparator of a positive value")
        << "1000" << 1 << "Edit14= Edit22=1"
        << "sign:Edit14=1, comparator:Edit22=0";
    QTest::newRow("step 2, P neither 0 nor 1") << "1000" << 2 << "Edit14=7"
                                               << "sign:Edit14=1";
    // Stray entries in cells that the step does not name stop nothing.
    QTest::newRow("step 3, U эт unsigned, stray cells")
        << "-37" << 3 << "Edit22=0 Edit15=0 Edit46=0 RxCalcEdit1=128 Edit45=1 Edit23=5"
        << "comparator:Edit22=1, segment:Edit15=1, bke:Edit6=1, bvs:Edit46=1, "
           "uet:RxCalcEdit1=-128";
    QTest::newRow("step 4, X = 0")
        << "-37" << 4 << "RxCalcEdit1=-128 Edit15=1 Edit46=1"
        << "uet:RxCalcEdit1=0, segment:Edit15=0, bvs:Edit46=0 Edit6=1, bke:Edit6=0";
    QTest::newRow("step 4, X = 1")
        << "1000" << 4 << "Edit15=0 Edit46=0 RxCalcEdit1=0"
        << "segment:Edit15=1, bvs:Edit46=1 Edit26=0, uet:RxCalcEdit1=128, bke:Edit26=1";
    QTest::newRow("step 5") << "-37" << 5 << "Edit16=0 Edit46=1 Edit22=1 Edit48=0 RxCalcEdit1=-128"
                            << "segment:Edit16=1, bke:Edit6=0, bvs:Edit46=0, comparator:Edit22=0, "
                               "bke:Edit8=1, bvs:Edit48=1, uet:RxCalcEdit1=-32";
    QTest::newRow("step 6, Y = 0, X = 1")
        << "300" << 6 << "Edit16=1 Edit46=0 Edit44=1 RxCalcEdit1=512"
        << "segment:Edit16=0, bke:Edit26=1, bvs:Edit46=1, bke:Edit24=0, bvs:Edit44=0, "
           "uet:RxCalcEdit1=128";
    QTest::newRow("step 7")
        << "-37" << 7 << "Edit17=0 Edit48=1 Edit44=1 Edit46=1 Edit22=0 Edit47=0 RxCalcEdit1=-32"
        << "segment:Edit17=1, bke:Edit8=0, bvs:Edit48=0, bke:Edit4=0, bvs:Edit44=0, bke:Edit6=0, "
           "bvs:Edit46=0, comparator:Edit22=1, bke:Edit7=1, bvs:Edit47=1, uet:RxCalcEdit1=-64";
    QTest::newRow("step 8, Z = 0, base above 0")
        << "1000" << 8 << "Edit17=1 Edit44=0 Edit43=1 RxCalcEdit1=1024"
        << "segment:Edit17=0, bke:Edit24=1, bvs:Edit44=1, bke:Edit23=0, bvs:Edit43=0, "
           "uet:RxCalcEdit1=512";
    // Neither the register cells of earlier tacts nor the kept base reference are looked at.
    QTest::newRow("step 9, earlier cells stray")
        << "-37" << 9
        << "Edit18=0 Edit22=0 Edit49=0 RxCalcEdit1=-32 Edit14=5 Edit15=1 Edit17= Edit48=0"
        << "segment:Edit18=1, comparator:Edit22=1, bke:Edit9=1, bvs:Edit49=1, "
           "uet:RxCalcEdit1=-48";
    QTest::newRow("step 11, comparator, same trial value again") << "-37" << 11 << "Edit22=0"
                                                                 << "comparator:Edit22=1";
    QTest::newRow("step 14, bit 1, its reference and the comparator stray")
        << "-37" << 14 << "Edit20=0 RxCalcEdit1=-32 Edit51=0 Edit22="
        << "segment:Edit20=1, uet:RxCalcEdit1=-36";
    QTest::newRow("step 16, bit 0")
        << "-37" << 16 << "Edit21=1 Edit52=1 RxCalcEdit1=-38"
        << "segment:Edit21=0, bke:Edit12=0, bvs:Edit52=0, uet:RxCalcEdit1=-36";
}

void TestUnit6::pressChecksTheNamedEntriesInOrder() {
    QFETCH(QString, value);
    QFETCH(int, step);
    QFETCH(QString, wrong);
    QFETCH(QString, refusals);
    const TCodingTrace trace = BuildCodingTrace(value.toInt());
    OpenPractice(value);
    PassSteps(trace, 1, step - 1);
    Enter(Form6, CoderState(trace, step));
    Enter(Form6, ParseEntries(wrong));
    const QStringList refused = refusals.split(QStringLiteral(", "));
    expectRefusals(refused);
    if (QTest::currentTestFailed())
        return;
    finishAndExpectErrors(trace, step + 1, int(refused.size()));
}

void TestUnit6::errorCountOutlastsActivationAndDecidesTheLink_data() {
    QTest::addColumn<int>("refused");
    QTest::newRow("999") << 999;
    QTest::newRow("1000") << 1000;
}

void TestUnit6::errorCountOutlastsActivationAndDecidesTheLink() {
    QFETCH(int, refused);
    OpenPractice("-37");
    // Presses without any entry: P is "0".
    for (int i = 0; i < refused; ++i)
        On6<QPushButton>("LMDButton1")->click();
    QCOMPARE(errors->count(), refused);
    QCOMPARE(errors->last().text, kMessages["sign"]);
    QCOMPARE(Form6->practiceStep(), 0);
    QCOMPARE(Text("Label1"), OpeningStatus("-37"));
    // What a closing message box or a switch between applications does to the window
    // must not restart the count.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(Form6, &activate);
    Form8->show();
    Form8->activateWindow();
    Form8->hide();
    Form6->activateWindow();
    QCoreApplication::processEvents();
    finishAndExpectErrors(BuildCodingTrace(-37), 1, refused);
}

void TestUnit6::secondRunIsCheckedAgainstTheNewValueAlone() {
    const TCodingTrace first = BuildCodingTrace(1000);
    OpenPractice("1000");
    PressNext();
    PressNext();
    finishAndExpectErrors(first, 1, 2);

    QTest::mouseClick(On6<LinkLabel>("RzURLLabel2"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(Control<QLineEdit>(Form9, "Edit1")->text(), QStringLiteral("1000"));

    // A fresh run: every cell "0" and shown, open switches, no result, no prompt.
    errors->clear();
    OpenPractice("-37");
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form6});
    QCOMPARE(Text("Label1"), OpeningStatus("-37"));
    QCOMPARE(Text("Label2"), QStringLiteral("-37"));
    ExpectHidden({"Image3", "Image5"});
    for (const DigitCell* cell : Form6->findChildren<DigitCell*>())
        QCOMPARE(cell->text(), QStringLiteral("0"));
    QCOMPARE(On6<NumericField>("RxCalcEdit1")->value(), 0.0);
    QVERIFY(On6("LMDButton1")->isEnabled());
    QCOMPARE(Prompts(), QStringLiteral("1000--"));

    // The first value's start of tact 1 is wrong for the second.
    Enter(Form6, CoderState(first, 1));
    PressNext();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().text, kMessages["comparator"]);
    finishAndExpectErrors(BuildCodingTrace(-37), 1, 1);
}

void TestUnit6::unconvertibleValueReturnsToTheInput() {
    // The practice input refuses such texts itself; the practice must not code them either.
    OpenPractice("-37");
    auto* field = Control<QLineEdit>(Form9, "Edit1");
    field->setText("1,5");
    Form6->hide();
    Form6->showScreen();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().text, QStringLiteral("'1,5' is not a valid integer value"));
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(field->text(), QStringLiteral("1,5"));
}

void TestUnit6::touchesPromptTheNextEntry_data() {
    // Touches: "EditN" the key "1", "EditN:left" an arrow key, "EditN:dbl" a double click;
    // then Prompts() after each touch. Generator cells prompt nothing.
    QTest::addColumn<QStringList>("touches");
    QTest::addColumn<QStringList>("prompts");
    QTest::newRow("register row first, by keys")
        << QStringList{"Edit3",  "Edit18:left", "Edit46", "RxCalcEdit1",
                       "Edit22", "Edit33",      "Edit47", "Edit16"}
        << QStringList{"1000--", "0110--", "0111r-", "0111gr",
                       "0111gg", "0111gg", "0111gg", "0111gg"};
    // Double clicks on the U эт field and the Comparator cell prompt nothing.
    QTest::newRow("selector row first, by double clicks")
        << QStringList{"Edit7:dbl", "Edit22:dbl", "RxCalcEdit1:dbl", "Edit43:dbl", "Edit17:dbl"}
        << QStringList{"1000--", "1000--", "1000--", "1001r-", "0101rr"};
}

void TestUnit6::touchesPromptTheNextEntry() {
    QFETCH(QStringList, touches);
    QFETCH(QStringList, prompts);
    OpenPractice("1000");
    for (int i = 0; i < touches.size(); ++i) {
        QWidget* cell = On6(qPrintable(touches[i].section(QLatin1Char(':'), 0, 0)));
        const QString how = touches[i].section(QLatin1Char(':'), 1);
        if (how == QLatin1String("dbl"))
            QTest::mouseDClick(cell, Qt::LeftButton);
        else
            QTest::keyClick(cell, how == QLatin1String("left") ? Qt::Key_Left : Qt::Key_1);
        QVERIFY2(Prompts() == prompts[i], qPrintable(touches[i] + ": " + Prompts()));
    }
}

void TestUnit6::stepEffectsComeWithThePassedStepOnly() {
    const TCodingTrace trace = BuildCodingTrace(-37);
    OpenPractice("-37");
    Enter(Form6, ParseEntries("Edit14=1 Edit22=1 Edit15=1"));
    PressNext();
    QVERIFY(!Shown("Edit22"));
    // Step 2 shows the Comparator cell at once, even for a refused press (P is still "1").
    PressNext();
    QCOMPARE(errors->count(), 1);
    QVERIFY(Shown("Edit22"));
    Enter(Form6, ParseEntries("Edit14=0"));
    PressNext();
    QCOMPARE(Form6->practiceStep(), 2);
    QVERIFY(Shown("Edit22"));
    QCOMPARE(On6<DigitCell>("Edit15")->text(), QStringLiteral("0"));

    // The prompts outlast a refused press; a passed one resets them.
    Enter(Form6, ParseEntries("Edit15=1 Edit46=1 RxCalcEdit1=128"));
    QCOMPARE(Prompts(), QStringLiteral("0111gr"));
    PressNext();
    QCOMPARE(errors->count(), 2);
    QCOMPARE(Prompts(), QStringLiteral("0111gr"));
    Enter(Form6, ParseEntries("RxCalcEdit1=-128"));
    PressNext();
    QCOMPARE(Form6->practiceStep(), 3);
    QCOMPARE(Prompts(), QStringLiteral("1000--"));

    // While a tact's end is entered the hidden Comparator cell may be coloured; it is back
    // to the button face when it shows again.
    Enter(Form6, CoderState(trace, 4));
    QCOMPARE(Prompts(), QStringLiteral("0111gr"));
    PressNext();
    QCOMPARE(Form6->practiceStep(), 4);
    QVERIFY(Shown("Edit22"));
    QCOMPARE(Prompts(), QStringLiteral("1000--"));
}

QTEST_MAIN(TestUnit6)
#include "tst_unit6.moc"
