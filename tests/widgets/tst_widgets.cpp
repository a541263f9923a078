#include "LabTestSupport.h"

#include "foundation/LabStyle.h"
#include "widgets/Controls.h"
#include "widgets/DigitCell.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"
#include "widgets/RadioGroup.h"

#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

class TestWidgets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void digitCellTyping_data();
    void digitCellTyping();
    void digitCellReportsEveryKeyAndDoubleClick();
    void numericFieldParses_data();
    void numericFieldParses();
    void numericFieldTypedTextGivesValue_data();
    void numericFieldTypedTextGivesValue();
    void numericFieldFormats_data();
    void numericFieldFormats();
    void radioGroupFillSelectClear();
    void linkLabelClicksOnlyWithLeftButtonInside();
    void labelGrowsToItsTextWhenShown();
};

void TestWidgets::digitCellTyping_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digit replaces the zero") << "0" << QStringLiteral("1") << "1";
    QTest::newRow("second digit replaces the first") << "" << QStringLiteral("35") << "5";
    QTest::newRow("letters refused") << "0" << QStringLiteral("a") << "0";
    QTest::newRow("cyrillic refused") << "1" << QStringLiteral("ж") << "1";
}

void TestWidgets::digitCellTyping() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    DigitCell cell(nullptr);
    cell.setText(start);
    TypeText(&cell, keys);
    QCOMPARE(cell.text(), expected);
}

void TestWidgets::digitCellReportsEveryKeyAndDoubleClick() {
    DigitCell cell(nullptr);
    cell.setText(QStringLiteral("0"));
    QSignalSpy keys(&cell, &DigitCell::keyDown);
    QSignalSpy doubles(&cell, &DigitCell::doubleClicked);
    QTest::keyClick(&cell, Qt::Key_Left);
    QTest::keyClick(&cell, Qt::Key_Backspace);
    QTest::keyClick(&cell, Qt::Key_Delete);
    QCOMPARE(keys.count(), 3);
    QCOMPARE(keys.at(0).at(0).toInt(), int(Qt::Key_Left));
    // Emptied, the cell reads back as "" and shows the blank mark.
    QCOMPARE(cell.text(), QString());
    QCOMPARE(cell.placeholderText(), QStringLiteral("_"));
    QTest::mouseDClick(&cell, Qt::LeftButton);
    QCOMPARE(doubles.count(), 1);
}

void TestWidgets::numericFieldParses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal comma") << "0,128" << 3 << true << 0.128;
    QTest::newRow("decimal point") << "0.128" << 3 << true << 0.128;
    QTest::newRow("grouped by blank") << "1 024" << 0 << true << 1024.0;
    QTest::newRow("grouped as shown") << "-1\u00A0024" << 0 << true << -1024.0;
    QTest::newRow("empty is no number") << "" << 0 << false << 0.0;
    QTest::newRow("too many decimals") << "0,1285" << 3 << false << 0.0;
    QTest::newRow("decimals not allowed") << "1,5" << 0 << false << 0.0;
    QTest::newRow("letters") << "12a" << 0 << false << 0.0;
    QTest::newRow("huge") << "12345678901234567" << 0 << false << 0.0;
    QTest::newRow("trailing line feed") << "-6\n" << 0 << false << 0.0;
}

void TestWidgets::numericFieldParses() {
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const auto parsed = NumericField::parse(text, decimals);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value); // exact: the keys are compared exactly
}

void TestWidgets::numericFieldTypedTextGivesValue_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("value");
    QTest::newRow("0,128 under a comma") << 3 << "0,128" << 0.128;
    QTest::newRow("0.128 typed with a point") << 3 << "0.128" << 0.128;
    QTest::newRow("letters never enter") << 0 << "-1x2" << -12.0;
}

void TestWidgets::numericFieldTypedTextGivesValue() {
    QFETCH(int, decimals);
    QFETCH(QString, keys);
    QFETCH(double, value);
    NumericField field(nullptr);
    field.setDecimals(decimals);
    field.clear();
    QSignalSpy clicks(&field, &NumericField::clicked);
    QSignalSpy changes(&field, &NumericField::valueChanged);
    QSignalSpy keyDowns(&field, &NumericField::keyDown);
    QTest::mouseClick(&field, Qt::LeftButton);
    QTest::keyClicks(&field, keys);
    QCOMPARE(field.value(), value);
    // The screens hear of every click, key and change.
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(keyDowns.count(), keys.size());
    QVERIFY(changes.count() >= 1);
}

void TestWidgets::numericFieldFormats_data() {
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0 << ",0.#" << 0.0 << "0";
    QTest::newRow("minus zero") << 0 << ",0.#" << -0.0 << "0";
    QTest::newRow("grouped") << 0 << ",0.#" << -1024.0 << "-1\u00A0024";
    QTest::newRow("three decimals") << 3 << ",0.###" << 0.128 << "0,128";
    QTest::newRow("trailing zeros dropped") << 3 << ",0.###" << 2.5 << "2,5";
}

void TestWidgets::numericFieldFormats() {
    QFETCH(int, decimals);
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    NumericField field(nullptr);
    field.setDecimals(decimals);
    field.setDisplayFormat(format);
    field.setValue(value);
    QCOMPARE(field.text(), expected);
    QCOMPARE(field.value(), value == 0.0 ? 0.0 : value);
}

void TestWidgets::radioGroupFillSelectClear() {
    RadioGroup group(QStringLiteral("Ответ"), nullptr);
    group.resize(561, 185);
    QSignalSpy clicks(&group, &RadioGroup::clicked);
    const QStringList options{QStringLiteral("Не изменяется."),
                              QStringLiteral("Уменьшается в 2 раза."),
                              QStringLiteral("Увеличивается в 2 раза.")};
    for (const QString& option : options)
        group.addItem(option);
    group.show();
    QCOMPARE(group.itemIndex(), -1);

    QTest::mouseClick(group.findChild<QRadioButton*>(QStringLiteral("option3")), Qt::LeftButton);
    QCOMPARE(group.itemIndex(), 2);
    QCOMPARE(group.selectedText(), options[2]);
    // The option's text selects it too.
    QTest::mouseClick(group.findChild<QLabel*>(QStringLiteral("optionText1")), Qt::LeftButton);
    QCOMPARE(group.selectedText(), options[0]);
    QCOMPARE(clicks.count(), 2);

    // Filled anew, the group has no option selected.
    group.clearItems();
    group.addItem(options[1]);
    QCOMPARE(group.count(), 1);
    QCOMPARE(group.itemIndex(), -1);
}

void TestWidgets::linkLabelClicksOnlyWithLeftButtonInside() {
    LinkLabel link(QStringLiteral("Начать тест"), LabStyle::sans(13), nullptr);
    QSignalSpy clicks(&link, &LinkLabel::clicked);
    QVERIFY(link.font().underline());
    QTest::mouseClick(&link, Qt::RightButton);
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mousePress(&link, Qt::LeftButton);
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(link.width() + 20, 2));
    QCOMPARE(clicks.count(), 1);
}

void TestWidgets::labelGrowsToItsTextWhenShown() {
    QWidget screen;
    screen.resize(600, 100);
    auto* label = makeLabel(&screen, "Label1", {10, 20}, QStringLiteral("0"));
    const QString longer = QStringLiteral("Значение Uаим для кодирования = -1024.");
    label->setText(longer);
    screen.show();
    QCOMPARE(label->pos(), QPoint(10, 20));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(longer));
    // On show, a new text resizes it at once, in both directions.
    label->setText(QStringLiteral("7"));
    QVERIFY(label->width() < label->fontMetrics().horizontalAdvance(longer) / 4);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
