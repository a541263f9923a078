#include "LabTestSupport.h"

#include "widgets/DigitCell.h"
#include "widgets/Label.h"
#include "widgets/Picture.h"
#include "workbench/SchematicPanel.h"

#include <QTest>

using Flavour = SchematicPanel::Flavour;
using Row = SchematicPanel::Row;
Q_DECLARE_METATYPE(SchematicPanel::Flavour)
Q_DECLARE_METATYPE(SchematicPanel::Row)

class TestSchematicPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void referenceCellsStandWhereTheLayoutSays_data();
    void referenceCellsStandWhereTheLayoutSays();
    void registerCellsStandWhereTheLayoutSays_data();
    void registerCellsStandWhereTheLayoutSays();
    void cellsStartAtZero_data();
    void cellsStartAtZero();
    void selectorCellsMirrorIntoBothGenerators_data();
    void selectorCellsMirrorIntoBothGenerators();
    void generatorCellsDoNotMirror();
    void practiceTabOrderRunsRowByRow();
    void practicePictureLiesOverLampsAndUnderInputs();
};

namespace {

struct ScreenWithPanel {
    explicit ScreenWithPanel(Flavour flavour) : panel(&screen, flavour) { screen.resize(604, 524); }
    QWidget screen;
    SchematicPanel panel;
};

const char* CellPrefix(Flavour flavour) {
    return flavour == Flavour::Demonstration ? "Label" : "Edit";
}

} // namespace

void TestSchematicPanel::referenceCellsStandWhereTheLayoutSays_data() {
    QTest::addColumn<Flavour>("flavour");
    QTest::addColumn<Row>("row");
    QTest::addColumn<int>("firstNumber");
    QTest::addColumn<int>("top");
    QTest::addColumn<QList<int>>("lefts");
    QTest::newRow("demo Gen1") << Flavour::Demonstration << Row::Gen1 << 3 << 206
                               << QList<int>{42, 60, 78, 96, 114, 132, 151, 169, 187, 205, 223};
    QTest::newRow("demo Gen2") << Flavour::Demonstration << Row::Gen2 << 23 << 206
                               << QList<int>{282, 300, 318, 336, 354, 372, 391, 409, 427, 445, 463};
    QTest::newRow("demo selector")
        << Flavour::Demonstration << Row::Selector << 43 << 278
        << QList<int>{172, 191, 209, 227, 245, 263, 282, 300, 318, 336, 354};
    QTest::newRow("practice Gen1") << Flavour::Practice << Row::Gen1 << 3 << 201
                                   << QList<int>{37, 56, 74, 92, 110, 128, 147, 165, 183, 201, 219};
    QTest::newRow("practice Gen2")
        << Flavour::Practice << Row::Gen2 << 23 << 201
        << QList<int>{278, 296, 314, 332, 350, 368, 387, 405, 423, 441, 459};
    QTest::newRow("practice selector")
        << Flavour::Practice << Row::Selector << 43 << 273
        << QList<int>{169, 187, 205, 223, 241, 259, 278, 296, 314, 332, 350};
}

void TestSchematicPanel::referenceCellsStandWhereTheLayoutSays() {
    QFETCH(Flavour, flavour);
    QFETCH(Row, row);
    QFETCH(int, firstNumber);
    QFETCH(int, top);
    QFETCH(QList<int>, lefts);
    ScreenWithPanel s(flavour);
    const QList<int> weights{1024, 512, 256, 128, 64, 32, 16, 8, 4, 2, 1};
    QCOMPARE(s.panel.row(row).size(), 11);
    for (int i = 0; i < weights.size(); ++i) {
        QWidget* cell = s.panel.referenceCell(row, weights[i]);
        QVERIFY(cell);
        QCOMPARE(cell->objectName(),
                 QString::fromLatin1(CellPrefix(flavour)) + QString::number(firstNumber + i));
        QCOMPARE(cell->pos(), QPoint(lefts[i], top));
        QCOMPARE(s.panel.row(row).at(i), cell);
    }
    // 128 is the fourth of the row, 1 the rightmost.
    QCOMPARE(s.panel.referenceCell(row, 128), s.panel.row(row).at(3));
    for (QWidget* cell : s.panel.row(row))
        QVERIFY(cell->x() <= s.panel.referenceCell(row, 1)->x());
    QVERIFY(!s.panel.referenceCell(row, 3));
}

void TestSchematicPanel::registerCellsStandWhereTheLayoutSays_data() {
    QTest::addColumn<Flavour>("flavour");
    QTest::addColumn<int>("top");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<QPoint>("comparator");
    QTest::newRow("demonstration")
        << Flavour::Demonstration << 351 << QList<int>{128, 191, 218, 245, 272, 300, 327, 354}
        << QPoint(568, 64);
    QTest::newRow("practice") << Flavour::Practice << 346
                              << QList<int>{126, 187, 214, 241, 269, 296, 323, 350}
                              << QPoint(566, 68);
}

void TestSchematicPanel::registerCellsStandWhereTheLayoutSays() {
    QFETCH(Flavour, flavour);
    QFETCH(int, top);
    QFETCH(QList<int>, lefts);
    QFETCH(QPoint, comparator);
    ScreenWithPanel s(flavour);
    for (int tact = 1; tact <= 8; ++tact) {
        QWidget* cell = s.panel.registerCell(tact);
        QCOMPARE(cell->objectName(),
                 QString::fromLatin1(CellPrefix(flavour)) + QString::number(13 + tact));
        QCOMPARE(cell->pos(), QPoint(lefts[tact - 1], top));
    }
    QVERIFY(!s.panel.registerCell(0));
    QVERIFY(!s.panel.registerCell(9));
    QCOMPARE(s.panel.comparatorCell()->objectName(),
             QString::fromLatin1(CellPrefix(flavour)) + QStringLiteral("22"));
    QCOMPARE(s.panel.comparatorCell()->pos(), comparator);
}

void TestSchematicPanel::cellsStartAtZero_data() {
    QTest::addColumn<Flavour>("flavour");
    QTest::newRow("demonstration") << Flavour::Demonstration;
    QTest::newRow("practice") << Flavour::Practice;
}

void TestSchematicPanel::cellsStartAtZero() {
    QFETCH(Flavour, flavour);
    ScreenWithPanel s(flavour);
    s.screen.show();
    QList<QWidget*> cells = s.panel.allRowCells();
    cells << s.panel.comparatorCell();
    QCOMPARE(cells.size(), 42);
    for (QWidget* cell : cells) {
        QCOMPARE(SchematicPanel::cellText(cell), QStringLiteral("0"));
        QVERIFY(cell->isVisible());
    }
    QVERIFY(s.panel.openSwitch(Row::Gen1)->isVisible());
    QVERIFY(s.panel.openSwitch(Row::Gen2)->isVisible());
    QVERIFY(!s.panel.closedSwitch(Row::Gen1)->isVisible());
    QVERIFY(!s.panel.closedSwitch(Row::Gen2)->isVisible());
}

void TestSchematicPanel::selectorCellsMirrorIntoBothGenerators_data() {
    QTest::addColumn<int>("weight");
    for (const int weight : {1024, 128, 16, 1})
        QTest::addRow("%d", weight) << weight;
}

void TestSchematicPanel::selectorCellsMirrorIntoBothGenerators() {
    QFETCH(int, weight);
    ScreenWithPanel s(Flavour::Practice);
    QWidget* selector = s.panel.referenceCell(Row::Selector, weight);
    TypeText(selector, QStringLiteral("1"));
    QCOMPARE(SchematicPanel::cellText(s.panel.referenceCell(Row::Gen1, weight)),
             QStringLiteral("1"));
    QCOMPARE(SchematicPanel::cellText(s.panel.referenceCell(Row::Gen2, weight)),
             QStringLiteral("1"));
    // Set by the program, emptied by the student: the generators follow either way.
    SchematicPanel::setCellText(selector, QStringLiteral("7"));
    QCOMPARE(SchematicPanel::cellText(s.panel.referenceCell(Row::Gen2, weight)),
             QStringLiteral("7"));
    QTest::keyClick(selector, Qt::Key_Backspace);
    QCOMPARE(SchematicPanel::cellText(s.panel.referenceCell(Row::Gen1, weight)), QString());
    // Only the cells of the same weight move.
    int ones = 0;
    for (QWidget* cell : s.panel.allRowCells())
        ones += SchematicPanel::cellText(cell) != QLatin1String("0");
    QCOMPARE(ones, 3);
}

void TestSchematicPanel::generatorCellsDoNotMirror() {
    ScreenWithPanel s(Flavour::Practice);
    TypeText(s.screen.findChild<QWidget*>(QStringLiteral("Edit6")), QStringLiteral("1"));
    QCOMPARE(SchematicPanel::cellText(Control<QWidget>(&s.screen, "Edit6")), QStringLiteral("1"));
    QCOMPARE(SchematicPanel::cellText(Control<QWidget>(&s.screen, "Edit46")), QStringLiteral("0"));
    QCOMPARE(SchematicPanel::cellText(Control<QWidget>(&s.screen, "Edit26")), QStringLiteral("0"));
}

void TestSchematicPanel::practiceTabOrderRunsRowByRow() {
    ScreenWithPanel s(Flavour::Practice);
    QStringList expected;
    for (int n = 3; n <= 13; ++n)
        expected << QStringLiteral("Edit%1").arg(n);
    for (int n = 23; n <= 33; ++n)
        expected << QStringLiteral("Edit%1").arg(n);
    for (int n = 43; n <= 53; ++n)
        expected << QStringLiteral("Edit%1").arg(n);
    expected << "RxCalcEdit1"
             << "Edit22"
             << "Edit15"
             << "Edit14";
    for (int n = 16; n <= 21; ++n)
        expected << QStringLiteral("Edit%1").arg(n);
    expected << "LMDButton1";

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
