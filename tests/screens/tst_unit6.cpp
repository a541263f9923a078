#include "LabTestSupport.h"
#include "PracticeDriver.h"

#include "app/LabStyle.h"
#include "screens/Unit6.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"
#include "widgets/DigitCell.h"
#include "widgets/Lamp.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QString kCaption = QStringLiteral("Ощибка ввода");

QString Message(const QString& key) {
    static const QHash<QString, QString> messages{
        {"sign", "Не правильно введено значение знака входного сигнала"},
        {"segment", "Не правильно введено значение номера сегмента амплитудной характеристики"},
        {"comparator", "Не правильно введено значение сигнала из компаратора"},
        {"bke", "Не правильно введено значение из БКЭ"},
        {"bvs", "Не правильно введено значение из БВС"},
        {"uet", "Не правильно введено значение Uэт"},
    };
    if (!messages.contains(key))
        qFatal("unknown message key %s", qPrintable(key));
    return messages[key];
}

const QString kSign = QStringLiteral("Определение знака входного сигнала");
const QString kSegment = QStringLiteral("Определение номера сегмента амплитудной характеристики");
const QString kStep = QStringLiteral("Определение шага внутри сегмента");

// The status line while practice step 2..16 is entered.
const QStringList kStatusOfStep{
    {},
    {},
    "Конец 1-го такта. " + kSign,
    "Начало 2-го такта. " + kSegment,
    "Конец 2-го такта. " + kSegment,
    "Начало 3-го такта. " + kSegment,
    "Конец 3-го такта. " + kSegment,
    "Начало 4-го такта. " + kSegment,
    "Конец 4-го такта. " + kSegment,
    "Начало 5-го такта. " + kStep,
    "Конец 5-го такта. " + kStep,
    "Начало 6-го такта. " + kStep,
    "Конец 6-го такта. " + kStep,
    "Начало 7-го такта. " + kStep,
    "Конец 7-го такта. " + kStep,
    "Начало 8-го такта. " + kStep,
    "Конец 8-го такта. " + kStep,
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

QString Status() {
    return On6<QLabel>("Label1")->text();
}

QString OpeningStatus(const QString& value) {
    return "Значение Uаим для кодирования = " + value + ". Начало 1-го такта. " + kSign;
}

QString ResultText(int errors) {
    return "Количество ошибок: " + QString::number(errors);
}

QList<QWidget*> Row(int firstNumber, int count) {
    QList<QWidget*> cells;
    for (int n = firstNumber; n < firstNumber + count; ++n)
        cells.append(On6(qPrintable("Edit" + QString::number(n))));
    return cells;
}

bool AllShown(const QList<QWidget*>& widgets, bool shown) {
    for (const QWidget* widget : widgets)
        if (widget->isVisible() != shown)
            return false;
    return true;
}

QList<QWidget*> Gen1Row() {
    return Row(3, 11);
}
QList<QWidget*> Gen2Row() {
    return Row(23, 11);
}
QList<QWidget*> SelectorRow() {
    return Row(43, 11);
}
QList<QWidget*> RegisterRow() {
    return Row(14, 8);
}

bool LampShown(const char* name) {
    return !On6<TLamp>(name)->isHidden();
}

QColor UetColour() {
    return On6<TNumericField>("RxCalcEdit1")->background();
}

QColor ComparatorColour() {
    return On6<TDigitCell>("Edit22")->background();
}

// Lamps 1..4 shown or not, as "1010".
QString Lamps() {
    QString shown;
    for (const char* name : {"LMDLight1", "LMDLight2", "LMDLight3", "LMDLight4"})
        shown += LampShown(name) ? QLatin1Char('1') : QLatin1Char('0');
    return shown;
}

// A run just opened: every cell "0" and shown, open switches, no result, no prompt.
void ExpectFreshRun(const QString& value) {
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form6});
    QCOMPARE(Status(), OpeningStatus(value));
    QCOMPARE(On6<QLabel>("Label2")->text(), value);
    const QList<QWidget*> cells = Gen1Row() + Gen2Row() + SelectorRow() + RegisterRow();
    QVERIFY(AllShown(cells, true));
    for (QWidget* cell : cells)
        QCOMPARE(static_cast<TDigitCell*>(cell)->text(), QStringLiteral("0"));
    QVERIFY(AllShown({On6("Label1"), On6("Label2"), On6("Image1"), On6("Image2"), On6("Image4"),
                      On6("Edit22"), On6("RxCalcEdit1"), On6("LMDButton1"), On6("LMDLight1")},
                     true));
    QVERIFY(AllShown({On6("Image3"), On6("Image5"), On6("Label3"), On6("RzURLLabel1"),
                      On6("RzURLLabel2"), On6("LMDLight2"), On6("LMDLight3"), On6("LMDLight4")},
                     false));
    QVERIFY(On6("LMDButton1")->isEnabled());
    QCOMPARE(On6<TDigitCell>("Edit22")->text(), QStringLiteral("0"));
    QCOMPARE(On6<TNumericField>("RxCalcEdit1")->value(), 0.0);
    QCOMPARE(UetColour(), LabStyle::kBtnFace);
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);
}

TCodingTrace TraceOf(const QString& value) {
    return BuildCodingTrace(value.toInt());
}

} // namespace

class TestUnit6 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init();
    void cleanup();

    void freshScreenIsReset();
    void workedExampleStepByStep();
    void fullRunWithTheCoderState_data();
    void fullRunWithTheCoderState();
    void refusedPressNamesTheFirstWrongEntry_data();
    void refusedPressNamesTheFirstWrongEntry();
    void wrongEntriesAreReportedInCheckOrder_data();
    void wrongEntriesAreReportedInCheckOrder();
    void uncheckedCellsDoNotStopAStep_data();
    void uncheckedCellsDoNotStopAStep();
    void pressWithoutEntriesIsRefused();
    void comparatorShownAfterRefusedStep2();
    void passingStep2ClearsRegisterX();
    void errorCountDecidesTheFinalTestLink_data();
    void errorCountDecidesTheFinalTestLink();
    void secondRunIsCheckedAgainstTheNewValueAlone();
    void windowActivationKeepsTheCount();
    void unconvertibleValueReturnsToTheInput_data();
    void unconvertibleValueReturnsToTheInput();
    void finalTestLinkOpensTheFinalTest();

    void promptsRegisterRowFirst();
    void promptsSelectorRowFirst();
    void anyKeyOrDoubleClickIsATouch_data();
    void anyKeyOrDoubleClickIsATouch();
    void untouchedControlsPromptNothing();
    void promptsResetByPassedStepOnly();

private:
    // Runs the remaining steps of the current practice with the coder state and checks
    // the finished screen.
    void finishAndExpectErrors(const TCodingTrace& trace, int fromStep, int errors);
    // Presses against prepared wrong entries: each item "key:fix" expects the message of
    // key, then types the fix; finally the press passes.
    void expectRefusals(const QStringList& refusals, int step);

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

void TestUnit6::finishAndExpectErrors(const TCodingTrace& trace, int fromStep, int expected) {
    PassSteps(trace, fromStep, 16);
    QCOMPARE(errors->count(), expected);
    QCOMPARE(On6<QLabel>("Label3")->text(), ResultText(expected));
    QVERIFY(On6("Label3")->isVisible());
    QCOMPARE(On6("RzURLLabel1")->isVisible(), expected < 1000);
    QVERIFY(On6("RzURLLabel2")->isVisible());
}

void TestUnit6::expectRefusals(const QStringList& refusals, int step) {
    const QString status = Status();
    for (const QString& refusal : refusals) {
        const int before = errors->count();
        PressNext();
        QCOMPARE(errors->count(), before + 1);
        QCOMPARE(errors->last().caption, kCaption);
        QCOMPARE(errors->last().text, Message(refusal.section(QLatin1Char(':'), 0, 0)));
        QCOMPARE(Status(), status);
        Enter(Form6, ParseEntries(refusal.section(QLatin1Char(':'), 1)));
    }
    const int before = errors->count();
    PressNext();
    QCOMPARE(errors->count(), before);
    if (step < 16)
        QCOMPARE(Status(), kStatusOfStep[step + 1]);
}

void TestUnit6::freshScreenIsReset() {
    QCOMPARE(Form6->isVisible(), false);
    OpenPractice("-37");
    ExpectFreshRun("-37");
}

void TestUnit6::workedExampleStepByStep() {
    const TCodingTrace trace = BuildCodingTrace(-37);
    OpenPractice("-37");
    for (int step = 1; step <= 16; ++step) {
        const PracticeEntries entries = ParseEntries(kWorkedExample[step - 1]);
        // The coder state used by the other runs agrees with the worked example.
        const PracticeEntries state = CoderState(trace, step);
        for (const PracticeEntry& entry : entries) {
            const auto same = std::find_if(state.begin(), state.end(), [&](const auto& s) {
                return s.control == entry.control;
            });
            QVERIFY2(same != state.end() && same->text == entry.text,
                     qPrintable(QString("step %1, %2").arg(step).arg(entry.control)));
        }

        Enter(Form6, entries);
        PressNext();
        QVERIFY2(errors->count() == 0,
                 qPrintable(QString("step %1: %2").arg(step).arg(errors->last().text)));
        if (step == 16)
            break;
        QCOMPARE(Status(), kStatusOfStep[step + 1]);
        // The Comparator cell is there exactly while a tact's start is entered.
        QCOMPARE(On6("Edit22")->isVisible(), step % 2 == 0);
        QCOMPARE(Lamps(), QStringLiteral("1000"));
        if (step == 1) {
            QVERIFY(AllShown(Gen1Row(), true));
            QVERIFY(AllShown(Gen2Row(), false));
            QVERIFY(AllShown({On6("Image3"), On6("Image4")}, true));
            QVERIFY(AllShown({On6("Image2"), On6("Image5")}, false));
        }
    }
    QCOMPARE(On6<QLabel>("Label3")->text(), ResultText(0));
    QVERIFY(AllShown({On6("Label3"), On6("RzURLLabel1"), On6("RzURLLabel2")}, true));
    QVERIFY(AllShown({On6("Label1"), On6("Label2"), On6("Image1"), On6("Image2"), On6("Image3"),
                      On6("Image4"), On6("Image5"), On6("RxCalcEdit1"), On6("Edit22"),
                      On6("LMDButton1"), On6("LMDLight1"), On6("LMDLight2"), On6("LMDLight3"),
                      On6("LMDLight4")},
                     false));
    QVERIFY(AllShown(Gen1Row() + Gen2Row() + SelectorRow() + RegisterRow(), false));
    QVERIFY(!On6("LMDButton1")->isEnabled());
    QCOMPARE(Status(), QStringLiteral("Кодирование завершено"));
    QCOMPARE(UetColour(), LabStyle::kBtnFace);
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);
}

void TestUnit6::fullRunWithTheCoderState_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    for (const char* value : {"1000", "-5", "7", "16", "-128", "127", "300", "-1983", "2000"})
        QTest::newRow(value) << value << value;
    QTest::newRow("largest") << "2147483647"
                             << "2147483647";
    QTest::newRow("smallest") << "-2147483648"
                              << "-2147483648";
    QTest::newRow("zero") << "00"
                          << "0";
}

void TestUnit6::fullRunWithTheCoderState() {
    QFETCH(QString, value);
    QFETCH(QString, shown);
    const TCodingTrace trace = TraceOf(value);
    OpenPractice(value);
    QCOMPARE(Status(), OpeningStatus(shown));
    QCOMPARE(On6<QLabel>("Label2")->text(), shown);
    PassSteps(trace, 1, 1);
    QVERIFY(AllShown(trace.positive ? Gen2Row() : Gen1Row(), true));
    QVERIFY(AllShown(trace.positive ? Gen1Row() : Gen2Row(), false));
    QCOMPARE(On6(trace.positive ? "Image5" : "Image3")->isVisible(), true);
    QCOMPARE(On6(trace.positive ? "Image4" : "Image2")->isVisible(), false);
    for (int step = 2; step <= 16; ++step) {
        PassSteps(trace, step, step);
        QVERIFY2(errors->count() == 0,
                 qPrintable(QString("step %1: %2").arg(step).arg(errors->last().text)));
    }
    QCOMPARE(On6<QLabel>("Label3")->text(), ResultText(0));
    QVERIFY(AllShown({On6("RzURLLabel1"), On6("RzURLLabel2")}, true));
}

// Rows: the value, the step, wrong entries typed over the coder state of that step, and
// the refused presses expected in turn, each "message key:entries that mend it".
static void AddRefusalColumns() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QStringList>("refusals");
}

void TestUnit6::refusedPressNamesTheFirstWrongEntry_data() {
    AddRefusalColumns();
    QTest::newRow("sign at tact 1 start")
        << "-37" << 1 << "Edit14=0" << QStringList{"sign:Edit14=1"};
    QTest::newRow("sign not 0 or 1") << "1000" << 1 << "Edit14=7" << QStringList{"sign:Edit14=1"};
    QTest::newRow("sign at tact 1 end")
        << "1000" << 2 << "Edit14=0" << QStringList{"sign:Edit14=1"};
    QTest::newRow("comparator of a positive value")
        << "1000" << 1 << "Edit22=1" << QStringList{"comparator:Edit22=0"};
    QTest::newRow("comparator empty")
        << "-37" << 1 << "Edit22=" << QStringList{"comparator:Edit22=1"};
    QTest::newRow("segment X") << "-37" << 3 << "Edit15=0" << QStringList{"segment:Edit15=1"};
    QTest::newRow("segment D at the last step")
        << "-37" << 16 << "Edit21=1" << QStringList{"segment:Edit21=0"};
    QTest::newRow("БКЭ negative row") << "-37" << 3 << "Edit6=0" << QStringList{"bke:Edit6=1"};
    QTest::newRow("БКЭ positive row") << "1000" << 3 << "Edit26=0" << QStringList{"bke:Edit26=1"};
    QTest::newRow("БВС") << "-37" << 3 << "Edit46=0 Edit6=1" << QStringList{"bvs:Edit46=1"};
    QTest::newRow("Uэт unsigned for a negative value")
        << "-37" << 3 << "RxCalcEdit1=128" << QStringList{"uet:RxCalcEdit1=-128"};
    QTest::newRow("Uэт kept level 0")
        << "-37" << 4 << "RxCalcEdit1=-128" << QStringList{"uet:RxCalcEdit1=0"};
    QTest::newRow("Uэт negative for a positive value")
        << "1000" << 5 << "RxCalcEdit1=-512" << QStringList{"uet:RxCalcEdit1=512"};
    QTest::newRow("comparator at tact 6 start, same trial value again")
        << "-37" << 11 << "Edit22=0" << QStringList{"comparator:Edit22=1"};
}

void TestUnit6::refusedPressNamesTheFirstWrongEntry() {
    QFETCH(QString, value);
    QFETCH(int, step);
    QFETCH(QString, wrong);
    QFETCH(QStringList, refusals);
    const TCodingTrace trace = TraceOf(value);
    OpenPractice(value);
    PassSteps(trace, 1, step - 1);
    Enter(Form6, CoderState(trace, step));
    Enter(Form6, ParseEntries(wrong));
    expectRefusals(refusals, step);
    if (QTest::currentTestFailed())
        return;
    finishAndExpectErrors(trace, step + 1, int(refusals.size()));
}

void TestUnit6::wrongEntriesAreReportedInCheckOrder_data() {
    AddRefusalColumns();
    QTest::newRow("step 4, X = 0") << "-37" << 4 << "RxCalcEdit1=-128 Edit15=1 Edit46=1"
                                   << QStringList{"uet:RxCalcEdit1=0", "segment:Edit15=0",
                                                  "bvs:Edit46=0 Edit6=1", "bke:Edit6=0"};
    QTest::newRow("step 4, X = 1") << "1000" << 4 << "Edit15=0 Edit46=0 RxCalcEdit1=0"
                                   << QStringList{"segment:Edit15=1", "bvs:Edit46=1 Edit26=0",
                                                  "uet:RxCalcEdit1=128", "bke:Edit26=1"};
    QTest::newRow("step 5") << "-37" << 5 << "Edit16=0 Edit46=1 Edit22=1 Edit48=0 RxCalcEdit1=-128"
                            << QStringList{"segment:Edit16=1",    "bke:Edit6=0", "bvs:Edit46=0",
                                           "comparator:Edit22=0", "bke:Edit8=1", "bvs:Edit48=1",
                                           "uet:RxCalcEdit1=-32"};
    QTest::newRow("step 6, Y = 1")
        << "-37" << 6 << "Edit16=0 Edit48=0 RxCalcEdit1=0"
        << QStringList{"segment:Edit16=1", "bke:Edit8=1", "bvs:Edit48=1", "uet:RxCalcEdit1=-32"};
    QTest::newRow("step 6, Y = 0, X = 1")
        << "300" << 6 << "Edit16=1 Edit46=0 Edit44=1 RxCalcEdit1=512"
        << QStringList{"segment:Edit16=0", "bke:Edit26=1", "bvs:Edit46=1",
                       "bke:Edit24=0",     "bvs:Edit44=0", "uet:RxCalcEdit1=128"};
    QTest::newRow("step 6, Y = 0, X = 0")
        << "-5" << 6 << "Edit16=1 Edit48=1 RxCalcEdit1=-32"
        << QStringList{"segment:Edit16=0", "bke:Edit8=0", "bvs:Edit48=0", "uet:RxCalcEdit1=0"};
    QTest::newRow("step 7") << "-37" << 7
                            << "Edit17=0 Edit48=1 Edit44=1 Edit46=1 Edit22=0 Edit47=0 "
                               "RxCalcEdit1=-32"
                            << QStringList{
                                   "segment:Edit17=1", "bke:Edit8=0",         "bvs:Edit48=0",
                                   "bke:Edit4=0",      "bvs:Edit44=0",        "bke:Edit6=0",
                                   "bvs:Edit46=0",     "comparator:Edit22=1", "bke:Edit7=1",
                                   "bvs:Edit47=1",     "uet:RxCalcEdit1=-64"};
    QTest::newRow("step 8, Z = 1")
        << "16" << 8 << "Edit17=0 Edit49=0 RxCalcEdit1=0"
        << QStringList{"segment:Edit17=1", "bke:Edit29=1", "bvs:Edit49=1", "uet:RxCalcEdit1=16"};
    QTest::newRow("step 8, Z = 0, base above 0")
        << "1000" << 8 << "Edit17=1 Edit44=0 Edit43=1 RxCalcEdit1=1024"
        << QStringList{"segment:Edit17=0", "bke:Edit24=1", "bvs:Edit44=1",
                       "bke:Edit23=0",     "bvs:Edit43=0", "uet:RxCalcEdit1=512"};
    QTest::newRow("step 8, Z = 0, base 0")
        << "-5" << 8 << "Edit17=1 Edit49=1 RxCalcEdit1=-16"
        << QStringList{"segment:Edit17=0", "bke:Edit9=0", "bvs:Edit49=0", "uet:RxCalcEdit1=0"};
    QTest::newRow("step 9, start of tact 5")
        << "-37" << 9 << "Edit18=0 Edit22=0 Edit49=0 RxCalcEdit1=-32"
        << QStringList{"segment:Edit18=1", "comparator:Edit22=1", "bke:Edit9=1", "bvs:Edit49=1",
                       "uet:RxCalcEdit1=-48"};
    QTest::newRow("step 10, bit 0")
        << "-37" << 10 << "Edit18=1 Edit49=1 RxCalcEdit1=-48"
        << QStringList{"segment:Edit18=0", "bke:Edit9=0", "bvs:Edit49=0", "uet:RxCalcEdit1=-32"};
    QTest::newRow("step 14, bit 1") << "-37" << 14 << "Edit20=0 RxCalcEdit1=-32"
                                    << QStringList{"segment:Edit20=1", "uet:RxCalcEdit1=-36"};
}

void TestUnit6::wrongEntriesAreReportedInCheckOrder() {
    refusedPressNamesTheFirstWrongEntry();
}

void TestUnit6::uncheckedCellsDoNotStopAStep_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("stray");
    QTest::newRow("stray 1 in an unnamed selector cell") << "-37" << 3 << "Edit45=1";
    QTest::newRow("other generator row") << "-37" << 3 << "Edit26=0 Edit23=5";
    QTest::newRow("other generator's cell of the weight") << "1000" << 4 << "Edit6=9";
    QTest::newRow("earlier register cells") << "-37" << 9 << "Edit14=5 Edit15=0 Edit17=";
    QTest::newRow("references kept from earlier tacts") << "1000" << 9 << "Edit44=0 Edit24=0";
    QTest::newRow("selector and generator at a set bit") << "-37" << 14 << "Edit51=0 Edit11=0";
    QTest::newRow("comparator at a tact's end") << "-37" << 4 << "Edit22=";
}

void TestUnit6::uncheckedCellsDoNotStopAStep() {
    QFETCH(QString, value);
    QFETCH(int, step);
    QFETCH(QString, stray);
    const TCodingTrace trace = TraceOf(value);
    OpenPractice(value);
    PassSteps(trace, 1, step - 1);
    Enter(Form6, CoderState(trace, step));
    Enter(Form6, ParseEntries(stray));
    expectRefusals({}, step);
}

void TestUnit6::pressWithoutEntriesIsRefused() {
    OpenPractice("-37");
    PressNext();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().caption, kCaption);
    QCOMPARE(errors->last().text, Message("sign"));
    QCOMPARE(Status(), OpeningStatus("-37"));
    QVERIFY(AllShown(Gen1Row() + Gen2Row(), true));
    finishAndExpectErrors(BuildCodingTrace(-37), 1, 1);
}

void TestUnit6::comparatorShownAfterRefusedStep2() {
    const TCodingTrace trace = BuildCodingTrace(-37);
    OpenPractice("-37");
    PassSteps(trace, 1, 1);
    QVERIFY(!On6("Edit22")->isVisible());
    Enter(Form6, ParseEntries("Edit14=1"));
    PressNext();
    QCOMPARE(errors->count(), 1);
    QVERIFY(On6("Edit22")->isVisible());
    QCOMPARE(Status(), kStatusOfStep[2]);
    PassSteps(trace, 2, 2);
    QCOMPARE(errors->count(), 1);
    QVERIFY(On6("Edit22")->isVisible());
}

void TestUnit6::passingStep2ClearsRegisterX() {
    OpenPractice("1000");
    Enter(Form6, ParseEntries("Edit14=1 Edit22=0 Edit15=1"));
    PressNext();
    Enter(Form6, ParseEntries("Edit15=1"));
    PressNext();
    QCOMPARE(errors->count(), 0);
    QCOMPARE(On6<TDigitCell>("Edit15")->text(), QStringLiteral("0"));
    // The closed Gen2 switch stays, the Gen1 row stays hidden.
    QVERIFY(AllShown({On6("Image5"), On6("Image2")}, true));
    QVERIFY(AllShown(Gen1Row(), false));
}

void TestUnit6::errorCountDecidesTheFinalTestLink_data() {
    QTest::addColumn<int>("refused");
    QTest::newRow("3") << 3;
    QTest::newRow("999") << 999;
    QTest::newRow("1000") << 1000;
}

void TestUnit6::errorCountDecidesTheFinalTestLink() {
    QFETCH(int, refused);
    OpenPractice("-37");
    auto* button = On6<QPushButton>("LMDButton1");
    for (int i = 0; i < refused; ++i)
        button->click();
    QCOMPARE(errors->count(), refused);
    finishAndExpectErrors(BuildCodingTrace(-37), 1, refused);
}

void TestUnit6::secondRunIsCheckedAgainstTheNewValueAlone() {
    const TCodingTrace first = BuildCodingTrace(1000);
    OpenPractice("1000");
    PressNext();
    PressNext();
    finishAndExpectErrors(first, 1, 2);

    QTest::mouseClick(On6<TLinkLabel>("RzURLLabel2"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(Control<QLineEdit>(Form9, "Edit1")->text(), QStringLiteral("1000"));

    errors->clear();
    OpenPractice("-37");
    ExpectFreshRun("-37");
    if (QTest::currentTestFailed())
        return;

    // The first value's start of tact 1 is wrong for the second.
    Enter(Form6, CoderState(first, 1));
    PressNext();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().text, Message("comparator"));
    finishAndExpectErrors(BuildCodingTrace(-37), 1, 1);
}

void TestUnit6::windowActivationKeepsTheCount() {
    const TCodingTrace trace = BuildCodingTrace(-37);
    OpenPractice("-37");
    PassSteps(trace, 1, 2);
    PressNext();
    PressNext();
    QCOMPARE(errors->count(), 2);
    // What a closing message box or a switch between applications does to the window.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(Form6, &activate);
    Form8->show();
    Form8->activateWindow();
    Form8->hide();
    Form6->activateWindow();
    QCoreApplication::processEvents();
    QCOMPARE(Status(), kStatusOfStep[3]);
    finishAndExpectErrors(trace, 3, 2);
}

void TestUnit6::unconvertibleValueReturnsToTheInput_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("decimal comma") << "1,5";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("too many digits") << "99999999999";
    QTest::newRow("empty") << "";
}

void TestUnit6::unconvertibleValueReturnsToTheInput() {
    // The practice input refuses such texts itself; the practice must not code them either.
    QFETCH(QString, text);
    OpenPractice("-37");
    auto* field = Control<QLineEdit>(Form9, "Edit1");
    field->setText(text);
    Form6->hide();
    Form6->showScreen();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().caption, kCaption);
    QCOMPARE(errors->last().text, "'" + text + "' is not a valid integer value");
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(field->text(), text);
}

void TestUnit6::finalTestLinkOpensTheFinalTest() {
    OpenPractice("7");
    finishAndExpectErrors(BuildCodingTrace(7), 1, 0);
    QTest::mouseClick(On6<TLinkLabel>("RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form8});
}

void TestUnit6::promptsRegisterRowFirst() {
    OpenPractice("-37");
    QCOMPARE(Lamps(), QStringLiteral("1000"));
    QTest::keyClick(On6("Edit15"), Qt::Key_1);
    QCOMPARE(Lamps(), QStringLiteral("0110"));
    QCOMPARE(UetColour(), LabStyle::kBtnFace);
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);
    QTest::keyClick(On6("Edit46"), Qt::Key_1);
    QCOMPARE(Lamps(), QStringLiteral("0111"));
    QCOMPARE(UetColour(), LabStyle::kPromptRed);
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);
    QTest::keyClick(On6("RxCalcEdit1"), Qt::Key_Minus);
    QCOMPARE(UetColour(), LabStyle::kPromptGreen);
    QCOMPARE(ComparatorColour(), LabStyle::kPromptRed);
    QTest::keyClick(On6("Edit22"), Qt::Key_1);
    QCOMPARE(ComparatorColour(), LabStyle::kPromptGreen);
    // Coloured fields are left alone by later touches.
    QTest::keyClick(On6("Edit47"), Qt::Key_0);
    QTest::keyClick(On6("Edit16"), Qt::Key_0);
    QCOMPARE(Lamps(), QStringLiteral("0111"));
    QCOMPARE(UetColour(), LabStyle::kPromptGreen);
    QCOMPARE(ComparatorColour(), LabStyle::kPromptGreen);
}

void TestUnit6::promptsSelectorRowFirst() {
    OpenPractice("-37");
    QTest::keyClick(On6("Edit47"), Qt::Key_1);
    QCOMPARE(Lamps(), QStringLiteral("1001"));
    QCOMPARE(UetColour(), LabStyle::kPromptRed);
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);
    QTest::keyClick(On6("Edit14"), Qt::Key_1);
    QCOMPARE(Lamps(), QStringLiteral("0101"));
    QCOMPARE(UetColour(), LabStyle::kPromptRed);
    QCOMPARE(ComparatorColour(), LabStyle::kPromptRed);
}

void TestUnit6::anyKeyOrDoubleClickIsATouch_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("key"); // 0: a double click
    QTest::addColumn<QString>("lamps");
    QTest::newRow("arrow in a register cell") << "Edit18" << int(Qt::Key_Left) << "0110";
    QTest::newRow("up arrow in a register cell") << "Edit14" << int(Qt::Key_Up) << "0110";
    QTest::newRow("letter in a register cell") << "Edit21" << int(Qt::Key_A) << "0110";
    QTest::newRow("double click on a register cell") << "Edit17" << 0 << "0110";
    QTest::newRow("arrow in a selector cell") << "Edit53" << int(Qt::Key_Right) << "1001";
    QTest::newRow("double click on a selector cell") << "Edit43" << 0 << "1001";
}

void TestUnit6::anyKeyOrDoubleClickIsATouch() {
    QFETCH(QString, cell);
    QFETCH(int, key);
    QFETCH(QString, lamps);
    OpenPractice("1000");
    auto* edit = On6<TDigitCell>(qPrintable(cell));
    if (key)
        QTest::keyClick(edit, Qt::Key(key));
    else
        QTest::mouseDClick(edit, Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("0"));
    QCOMPARE(Lamps(), lamps);
}

void TestUnit6::untouchedControlsPromptNothing() {
    OpenPractice("-37");
    QTest::keyClick(On6("Edit3"), Qt::Key_1);
    QTest::keyClick(On6("Edit33"), Qt::Key_1);
    QTest::mouseDClick(On6("Edit7"), Qt::LeftButton);
    QTest::mouseDClick(On6("Edit22"), Qt::LeftButton);
    QTest::mouseDClick(On6("RxCalcEdit1"), Qt::LeftButton);
    QCOMPARE(Lamps(), QStringLiteral("1000"));
    QCOMPARE(UetColour(), LabStyle::kBtnFace);
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);
}

void TestUnit6::promptsResetByPassedStepOnly() {
    const TCodingTrace trace = BuildCodingTrace(-37);
    OpenPractice("-37");
    PassSteps(trace, 1, 2);
    Enter(Form6, ParseEntries("Edit15=1 Edit46=1 RxCalcEdit1=128"));
    QCOMPARE(Lamps(), QStringLiteral("0111"));
    QCOMPARE(UetColour(), LabStyle::kPromptGreen);
    QCOMPARE(ComparatorColour(), LabStyle::kPromptRed);
    PressNext();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(Lamps(), QStringLiteral("0111"));
    QCOMPARE(UetColour(), LabStyle::kPromptGreen);
    QCOMPARE(ComparatorColour(), LabStyle::kPromptRed);

    Enter(Form6, ParseEntries("RxCalcEdit1=-128"));
    PressNext();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(Status(), kStatusOfStep[4]);
    QCOMPARE(Lamps(), QStringLiteral("1000"));
    QCOMPARE(UetColour(), LabStyle::kBtnFace);
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);

    // While a tact's end is entered the hidden Comparator cell may be coloured; it is back
    // to the button face when it shows again.
    Enter(Form6, CoderState(trace, 4));
    QCOMPARE(ComparatorColour(), LabStyle::kPromptRed);
    PressNext();
    QCOMPARE(errors->count(), 1);
    QVERIFY(On6("Edit22")->isVisible());
    QCOMPARE(ComparatorColour(), LabStyle::kBtnFace);
}

QTEST_MAIN(TestUnit6)
#include "tst_unit6.moc"
