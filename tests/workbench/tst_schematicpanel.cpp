#include "LabTestSupport.h"

#include "widgets/DigitCell.h"
#include "widgets/Label.h"
#include "widgets/Picture.h"
#include "workbench/SchematicPanel.h"

#include <QTest>

using Flavour = SchematicPanel::Flavour;
using Row = SchematicPanel::Row;
Q_DECLARE_METATYPE(SchematicPanel::Flavour)

class TestSchematicPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void cellsStandWhereTheLayoutSays_data();
    void cellsStandWhereTheLayoutSays();
    void mirrorRuleRunsFromSelectorToGenerators_data();
    void mirrorRuleRunsFromSelectorToGenerators();
    void practiceTabOrderRunsRowByRow();
    void practicePictureLiesOverLampsAndUnderInputs();
};

namespace {

struct ScreenWithPanel {
    explicit ScreenWithPanel(Flavour flavour) : panel(&screen, flavour) { screen.resize(604, 524); }
    QWidget screen;
    SchematicPanel panel;
};

QString CellName(Flavour flavour, int number) {
    return (flavour == Flavour::Demonstration ? "Label" : "Edit") + QString::number(number);
}

QString Text(const ScreenWithPanel& s, Row row, int weight) {
    return SchematicPanel::cellText(s.panel.referenceCell(row, weight));
}

} // namespace

void TestSchematicPanel::cellsStandWhereTheLayoutSays_data() {
    // The cells "Label<first>" or "Edit<first>" onwards, left to right along one top.
    QTest::addColumn<Flavour>("flavour");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("top");
    QTest::addColumn<QList<int>>("lefts");
    const Flavour demo = Flavour::Demonstration;
    const Flavour practice = Flavour::Practice;
    QTest::newRow("demo Gen1") << demo << 3 << 206
                               << QList<int>{42, 60, 78, 96, 114, 132, 151, 169, 187, 205, 223};
    QTest::newRow("demo Gen2") << demo << 23 << 206
                               << QList<int>{282, 300, 318, 336, 354, 372, 391, 409, 427, 445, 463};
    QTest::newRow("demo selector")
        << demo << 43 << 278 << QList<int>{172, 191, 209, 227, 245, 263, 282, 300, 318, 336, 354};
    QTest::newRow("demo register")
        << demo << 14 << 351 << QList<int>{128, 191, 218, 245, 272, 300, 327, 354};
    QTest::newRow("demo comparator") << demo << 22 << 64 << QList<int>{568};
    QTest::newRow("practice Gen1")
        << practice << 3 << 201 << QList<int>{37, 56, 74, 92, 110, 128, 147, 165, 183, 201, 219};
    QTest::newRow("practice Gen2")
        << practice << 23 << 201
        << QList<int>{278, 296, 314, 332, 350, 368, 387, 405, 423, 441, 459};
    QTest::newRow("practice selector")
        << practice << 43 << 273
        << QList<int>{169, 187, 205, 223, 241, 259, 278, 296, 314, 332, 350};
    QTest::newRow("practice register")
        << practice << 14 << 346 << QList<int>{126, 187, 214, 241, 269, 296, 323, 350};
    QTest::newRow("practice comparator") << practice << 22 << 68 << QList<int>{566};
}

void TestSchematicPanel::cellsStandWhereTheLayoutSays() {
    QFETCH(Flavour, flavour);
    QFETCH(int, first);
    QFETCH(int, top);
    QFETCH(QList<int>, lefts);
    ScreenWithPanel s(flavour);
    // Reference rows hold the weights largest first: 128 the fourth cell, 1 the rightmost.
    const QList<int> weights{1024, 512, 256, 128, 64, 32, 16, 8, 4, 2, 1};
    const Row row = first == 3 ? Row::Gen1 : first == 23 ? Row::Gen2 : Row::Selector;
    for (int i = 0; i < lefts.size(); ++i) {
        QWidget* cell = Control<QWidget>(&s.screen, qPrintable(CellName(flavour, first + i)));
        QCOMPARE(cell->pos(), QPoint(lefts[i], top));
        // Every cell starts shown with the text "0".
        QCOMPARE(SchematicPanel::cellText(cell), QStringLiteral("0"));
        QVERIFY(!cell->isHidden());
        if (first == 14)
            QCOMPARE(s.panel.registerCell(i + 1), cell);
        else if (first == 22)
            QCOMPARE(s.panel.comparatorCell(), cell);
        else
            QVERIFY(s.panel.referenceCell(row, weights[i]) == cell &&
                    s.panel.row(row).at(i) == cell);
    }
    // Both polarity switches start open.
    for (const Row generator : {Row::Gen1, Row::Gen2})
        QVERIFY(!s.panel.openSwitch(generator)->isHidden() &&
                s.panel.closedSwitch(generator)->isHidden());
}

void TestSchematicPanel::mirrorRuleRunsFromSelectorToGenerators_data() {
    QTest::addColumn<int>("weight");
    QTest::newRow("128") << 128;
    QTest::newRow("1") << 1;
}

void TestSchematicPanel::mirrorRuleRunsFromSelectorToGenerators() {
    QFETCH(int, weight);
    ScreenWithPanel s(Flavour::Practice);
    QWidget* selector = s.panel.referenceCell(Row::Selector, weight);
    TypeText(selector, QStringLiteral("1"));
    QCOMPARE(Text(s, Row::Gen1, weight), QStringLiteral("1"));
    QCOMPARE(Text(s, Row::Gen2, weight), QStringLiteral("1"));
    // Set by the program, emptied by the student: the generators follow either way.
    SchematicPanel::setCellText(selector, QStringLiteral("7"));
    QCOMPARE(Text(s, Row::Gen2, weight), QStringLiteral("7"));
    QTest::keyClick(selector, Qt::Key_Backspace);
    QCOMPARE(Text(s, Row::Gen1, weight), QString());
    // Nothing flows back from a generator cell.
    TypeText(s.panel.referenceCell(Row::Gen1, weight), QStringLiteral("1"));
    QCOMPARE(Text(s, Row::Selector, weight), QString());
    QCOMPARE(Text(s, Row::Gen2, weight), QString());
    // Only the cells of the one weight have moved.
    int changed = 0;
    for (QWidget* cell : s.panel.allRowCells())
        changed += SchematicPanel::cellText(cell) != QLatin1String("0");
    QCOMPARE(changed, 3);
}

void TestSchematicPanel::practiceTabOrderRunsRowByRow() {
    ScreenWithPanel s(Flavour::Practice);
    QStringList expected;
    for (const int first : {3, 23, 43})
        for (int n = first; n < first + 11; ++n)
            expected << CellName(Flavour::Practice, n);
    expected += QStringList{"RxCalcEdit1", "Edit22", "Edit15", "Edit14"};
    for (int n = 16; n <= 21; ++n)
        expected << CellName(Flavour::Practice, n);
    expected << QStringLiteral("LMDButton1");

    QWidget* widget = Control<QWidget>(&s.screen, "Edit3");
    QStringList walked{widget->objectName()};
    while (walked.size() < expected.size()) {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus)
            walked << widget->objectName();
    }
    QCOMPARE(walked, expected);
}

void TestSchematicPanel::practicePictureLiesOverLampsAndUnderInputs() {
    ScreenWithPanel s(Flavour::Practice);
    const QObjectList& order = s.screen.children(); // back to front
    auto depth = [&](const char* name) {
        return order.indexOf(s.screen.findChild<QObject*>(QString::fromLatin1(name)));
    };
    const int picture = depth("Image1");
    for (const char* below : {"LMDLight1", "LMDLight2", "LMDLight3", "LMDLight4", "Image2",
                              "Image3", "Image4", "Image5", "Label1", "Label2"})
        QVERIFY2(depth(below) < picture, below);
    for (const char* above : {"Edit14", "Edit46", "Edit22", "RxCalcEdit1", "LMDButton1"})
        QVERIFY2(depth(above) > picture, above);
    // A lamp lies inside its block: the register lamp within the register block's outline.
    QVERIFY(
        QRect(145, 368, 257, 38).contains(Control<QWidget>(&s.screen, "LMDLight1")->geometry()));
}

QTEST_MAIN(TestSchematicPanel)
#include "tst_schematicpanel.moc"
