#include "LabTestSupport.h"

#include <QApplication>
#include <QTest>

// Where the controls of the form-like screens stand, relative to what holds them.
class TestLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void controlsStandInTheirPlaces_data();
    void controlsStandInTheirPlaces();
};

void TestLayout::controlsStandInTheirPlaces_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place"); // an empty size: only the position is fixed

    const struct {
        const char* screen;
        const char* control;
        QRect place;
    } rows[] = {
        {"Form7", "Label1", {32, 16, 0, 0}},
        {"Form7", "Label2", {32, 60, 0, 0}},
        {"Form7", "Edit1", {112, 56, 257, 21}},
        {"Form7", "Label3", {32, 92, 0, 0}},
        {"Form7", "Edit2", {112, 88, 257, 21}},
        {"Form7", "Button1", {168, 128, 75, 25}},
        {"Form9", "Label1", {40, 24, 0, 0}},
        {"Form9", "Label2", {176, 72, 0, 0}},
        {"Form9", "Edit1", {232, 64, 121, 21}},
        {"Form9", "RzURLLabel3", {208, 201, 0, 0}},
        {"Form4", "Label1", {40, 24, 0, 0}},
        {"Form4", "Label2", {104, 48, 0, 0}},
        {"Form4", "RzURLLabel1", {240, 152, 0, 0}},
        {"Form4", "LMDGroupBox1", {8, 8, 561, 97}},
        {"Form4", "RichEdit1", {8, 16, 545, 65}},
        {"Form4", "LMDRadioGroup1", {16, 128, 561, 185}},
        {"Form4", "RxCalcEdit1", {32, 152, 73, 21}},
        {"Form4", "Panel1", {105, 151, 32, 23}},
        {"Form4", "Edit1", {32, 152, 73, 21}},
        {"Form4", "LMDButton1", {240, 320, 89, 25}},
        {"Form4", "Label4", {192, 104, 0, 0}},
        {"Form4", "Label5", {208, 152, 0, 0}},
        {"Form4", "Label6", {200, 176, 0, 0}},
        {"Form4", "Label3", {104, 200, 0, 0}},
        {"Form4", "RzURLLabel2", {32, 328, 0, 0}},
        {"Form4", "RzURLLabel3", {280, 328, 0, 0}},
        {"Form8", "LMDGroupBox1", {8, 8, 561, 97}},
        {"Form8", "RichEdit1", {8, 24, 545, 65}},
        {"Form8", "LMDRadioGroup1", {8, 128, 561, 185}},
        {"Form8", "Edit1", {32, 152, 0, 21}},
        {"Form8", "Panel1", {105, 151, 32, 23}},
        {"Form8", "LMDButton1", {240, 320, 89, 25}},
        {"Form8", "Label4", {180, 72, 0, 0}},
        {"Form8", "Label5", {200, 112, 0, 0}},
        {"Form8", "Label6", {185, 136, 0, 0}},
        {"Form8", "Label7", {152, 168, 0, 0}},
        {"Form8", "Label1", {170, 192, 0, 0}},
        {"Form8", "Label2", {224, 224, 0, 0}},
        {"Form8", "Label3", {224, 256, 0, 0}},
        {"Form8", "RzURLLabel2", {32, 328, 0, 0}},
    };
    for (const auto& row : rows)
        QTest::addRow("%s %s", row.screen, row.control)
            << QString::fromLatin1(row.screen) << QString::fromLatin1(row.control) << row.place;
}

void TestLayout::controlsStandInTheirPlaces() {
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QRect, place);
    ScriptedDraws draws;
    draws.setFallback(1);
    LabFrame frame;
    QWidget* form = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == screen)
            form = widget;
    QVERIFY(form);
    auto* widget = form->findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->pos(), place.topLeft());
    if (place.width() > 0)
        QCOMPARE(widget->width(), place.width());
    if (place.height() > 0)
        QCOMPARE(widget->height(), place.height());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
