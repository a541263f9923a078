// SPDX-License-Identifier: MIT
#include "CoderState.h"

#include "logic/PracticePrompts.h"

#include <QTest>

#include <limits>

using namespace Practice;

namespace {

// "P=1", "G128=0", "S32=1", "K=1" (the Comparator), "U=-128".
QString describe(const Check& check) {
    const QString digit = QString(QChar::fromLatin1(check.digit));
    switch (check.cell) {
    case Cell::Register:
        return QChar::fromLatin1("PXYZABCD"[check.index - 1]) + QLatin1Char('=') + digit;
    case Cell::Generator:
        return QStringLiteral("G%1=").arg(check.index) + digit;
    case Cell::Selector:
        return QStringLiteral("S%1=").arg(check.index) + digit;
    case Cell::Comparator:
        return QStringLiteral("K=") + digit;
    case Cell::Uet:
        return QStringLiteral("U=%1").arg(check.level);
    }
    return {};
}

// The cell a check names, in the entries.
std::string* cellOf(Entries& entries, const Check& check, bool positive) {
    const auto index = std::size_t(weightIndex(check.index));
    switch (check.cell) {
    case Cell::Register:
        return &entries.registerCells[std::size_t(check.index - 1)];
    case Cell::Generator:
        return &(positive ? entries.gen2 : entries.gen1)[index];
    case Cell::Selector:
        return &entries.selector[index];
    case Cell::Comparator:
        return &entries.comparator;
    case Cell::Uet:
        break;
    }
    return nullptr;
}

QString promptsText(const Prompts& p) {
    const auto field = [](FieldPrompt f) {
        return f == FieldPrompt::None ? "_" : f == FieldPrompt::Next ? "red" : "green";
    };
    return QStringLiteral("%1%2%3%4 U%5 C%6")
        .arg(p.registerRed ? "R" : "", p.registerGreen ? "G" : "", p.selectorRed ? "r" : "",
             p.selectorGreen ? "g" : "", field(p.uet), field(p.comparator));
}

} // namespace

class TestPracticeLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksInOrder_data();
    void checksInOrder();
    void coderStatePassesAndEveryCheckCounts();
    void effects_data();
    void effects();
    void prompts_data();
    void prompts();
};

void TestPracticeLogic::checksInOrder_data() {
    QTest::addColumn<int>("uaim");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("checks");
    // The worked example -37, step by step.
    const QStringList minus37{
        "P=1 K=1",
        "P=0",
        "K=1 X=1 G128=1 S128=1 U=-128",
        "U=0 X=0 S128=0 G128=0",
        "Y=1 G128=0 S128=0 K=0 G32=1 S32=1 U=-32",
        "Y=1 G32=1 S32=1 U=-32",
        "Z=1 G32=0 S32=0 G512=0 S512=0 G128=0 S128=0 K=1 G64=1 S64=1 U=-64",
        "Z=0 G32=1 S32=1 G64=0 S64=0 U=-32",
        "A=1 K=1 G16=1 S16=1 U=-48",
        "A=0 G16=0 S16=0 U=-32",
        "B=1 K=1 G8=1 S8=1 U=-40",
        "B=0 G8=0 S8=0 U=-32",
        "C=1 K=0 G4=1 S4=1 U=-36",
        "C=1 U=-36",
        "D=1 K=1 G2=1 S2=1 U=-38",
        "D=0 G2=0 S2=0 U=-36",
    };
    for (int step = 1; step <= 16; ++step)
        QTest::addRow("-37 step %d", step) << -37 << step << minus37[step - 1];
    // The branches -37 does not take.
    QTest::newRow("positive sign") << 1000 << 1 << "P=1 K=0";
    QTest::newRow("positive end of tact 1") << 1000 << 2 << "P=1";
    QTest::newRow("X set") << 1000 << 4 << "X=1 S128=1 U=128 G128=1";
    QTest::newRow("tact 3 after X set") << 1000 << 5 << "Y=1 G128=0 S128=0 K=0 G512=1 S512=1 U=512";
    QTest::newRow("Y set after X") << 1000 << 6 << "Y=1 G512=1 S512=1 U=512";
    QTest::newRow("tact 4 tries 1024")
        << 1000 << 7 << "Z=1 G32=0 S32=0 G512=0 S512=0 G128=0 S128=0 K=1 G1024=1 S1024=1 U=1024";
    QTest::newRow("Z cleared, base 512") << 1000 << 8 << "Z=0 G512=1 S512=1 G1024=0 S1024=0 U=512";
    QTest::newRow("step bit set") << 1000 << 10 << "A=1 U=768";
    QTest::newRow("Y cleared after X") << 128 << 6 << "Y=0 G128=1 S128=1 G512=0 S512=0 U=128";
    QTest::newRow("Y cleared, X cleared") << 16 << 6 << "Y=0 G32=0 S32=0 U=0";
    QTest::newRow("Z set") << 16 << 8 << "Z=1 G16=1 S16=1 U=16";
    QTest::newRow("Z cleared, base 0") << -5 << 8 << "Z=0 G16=0 S16=0 U=0";
    QTest::newRow("segment 0 step") << -5 << 9 << "A=1 K=1 G8=1 S8=1 U=-8";
    QTest::newRow("zero is negative") << 0 << 1 << "P=1 K=1";
}

void TestPracticeLogic::checksInOrder() {
    QFETCH(int, uaim);
    QFETCH(int, step);
    QFETCH(QString, checks);
    QStringList described;
    for (const Check& check : checksOf(BuildCodingTrace(uaim), step))
        described << describe(check);
    QCOMPARE(described.join(QLatin1Char(' ')), checks);
}

void TestPracticeLogic::coderStatePassesAndEveryCheckCounts() {
    QList<std::int32_t> values{0, 1, -1, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t uaim = -2100; uaim <= 2100; uaim += 3)
        values << uaim;
    for (const std::int32_t uaim : values) {
        const TCodingTrace trace = BuildCodingTrace(uaim);
        for (int step = 1; step <= kLastStep; ++step) {
            const QByteArray where = QByteArray::number(uaim) + " step " + QByteArray::number(step);
            const Entries state = coderState(trace, step);
            QVERIFY2(!firstFailure(trace, step, state), where);
            // Cells the step does not name may hold anything.
            Entries junk, source = state;
            for (auto* row : {&junk.gen1, &junk.gen2, &junk.selector})
                row->fill("7");
            junk.registerCells.fill("7");
            junk.comparator = "7";
            const std::vector<Check> checks = checksOf(trace, step);
            for (const Check& check : checks) {
                if (std::string* cell = cellOf(junk, check, trace.positive))
                    *cell = *cellOf(source, check, trace.positive);
                else
                    junk.uet = state.uet;
            }
            QVERIFY2(!firstFailure(trace, step, junk), where);
            // Each named entry, wrong alone, is reported with its own message.
            for (const Check& check : checks) {
                Entries wrong = state;
                if (std::string* cell = cellOf(wrong, check, trace.positive))
                    *cell = *cell == "1" ? "0" : "1";
                else
                    wrong.uet = *wrong.uet + 1;
                QCOMPARE(firstFailure(trace, step, wrong).value_or("passed"), check.message);
            }
        }
    }
}

void TestPracticeLogic::effects_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("changes"); // comparator shown, switch, row alone, X cleared, end
    const auto row = [](int step, const char* status, const char* changes) {
        QTest::addRow("%d", step) << step << QString::fromUtf8(status) << changes;
    };
    const char* segment = "го такта. Определение номера сегмента амплитудной характеристики";
    row(1, "Конец 1-го такта. Определение знака входного сигнала", "switch row");
    row(2, qPrintable(QStringLiteral("Начало 2-") + QString::fromUtf8(segment)),
        "comparator switch X");
    row(7, qPrintable(QStringLiteral("Конец 4-") + QString::fromUtf8(segment)), "");
    row(8, "Начало 5-го такта. Определение шага внутри сегмента", "comparator");
    row(15, "Конец 8-го такта. Определение шага внутри сегмента", "");
    row(16, "Кодирование завершено", "end");
}

void TestPracticeLogic::effects() {
    QFETCH(int, step);
    QFETCH(QString, status);
    QFETCH(QString, changes);
    const StepEffects e = effectsOf(step);
    QCOMPARE(QString::fromStdString(e.status), status);
    QStringList shown;
    for (const auto& [on, name] : {std::pair{e.comparatorShown, "comparator"},
                                   {e.closeSwitch, "switch"},
                                   {e.polarityRowAlone, "row"},
                                   {e.clearSegmentBit, "X"},
                                   {e.finished, "end"}})
        if (on)
            shown << QString::fromLatin1(name);
    QCOMPARE(shown.join(QLatin1Char(' ')), changes);
    QCOMPARE(QString::fromStdString(openingStatus(-37)),
             "Значение Uаим для кодирования = -37. Начало 1-го такта. Определение знака "
             "входного сигнала");
    QCOMPARE(QString::fromStdString(errorCountText(3)), "Количество ошибок: 3");
    QVERIFY(leadsToFinalTest(999) && !leadsToFinalTest(1000));
}

void TestPracticeLogic::prompts_data() {
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QString>("prompts"); // lamps R G r g shown; U эт and Comparator colours
    const auto row = [](const char* touches, const char* prompts) {
        QTest::newRow(touches) << touches << prompts;
    };
    row("", "R U_ C_");
    row("register", "Gr U_ C_");
    row("register register", "Gr U_ C_");
    row("register selector", "Grg Ured C_");
    row("register selector uet comparator", "Grg Ugreen Cgreen"); // the order suggested
    row("selector", "Rg Ured C_");
    row("selector register", "Gg Ured Cred");
    row("selector register selector", "Gg Ured Cred");
    row("uet", "R Ugreen Cred");
    row("uet selector", "Rg Ugreen Cred");
    row("comparator selector", "Rg Ured Cgreen");
}

void TestPracticeLogic::prompts() {
    QFETCH(QString, touches);
    QFETCH(QString, prompts);
    Prompts p;
    for (const QString& touch : touches.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (touch == QLatin1String("register"))
            p.registerRowTouched();
        else if (touch == QLatin1String("selector"))
            p.selectorRowTouched();
        else if (touch == QLatin1String("uet"))
            p.uetTouched();
        else
            p.comparatorTouched();
    }
    QCOMPARE(promptsText(p), prompts);
    QCOMPARE(promptsText(Prompts::allOff()), QStringLiteral(" U_ C_"));
}

QTEST_APPLESS_MAIN(TestPracticeLogic)
#include "tst_practicelogic.moc"
