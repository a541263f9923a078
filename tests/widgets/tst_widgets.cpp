// SPDX-License-Identifier: MIT
#include "Approved.h"

#include "foundation/LabStyle.h"
#include "widgets/DigitCell.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"
#include "widgets/OneLineValidator.h"
#include "widgets/RadioGroup.h"
#include "widgets/ReadOnlyText.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

class TestWidgets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // The lab looks the same whatever style the desktop would give it.
        QApplication::setStyle(QStringLiteral("Windows"));
        LabStyle::setUpApplication(*qApp);
        QCOMPARE(QApplication::style()->name(), "fusion");
    }
    void numericFieldShowsWhatItReads();
    void digitCell();
    void linkLabel_data();
    void linkLabel();
    void radioGroup();
    void readOnlyTextHasNoCaretUntilMoved();
    void oneLineFieldTakesBreaksAsBlanks_data();
    void oneLineFieldTakesBreaksAsBlanks();
};

// A name pasted with line breaks, tabs or other control characters stays on one line.
void TestWidgets::oneLineFieldTakesBreaksAsBlanks_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const char* pasted, const char* shown) {
        QTest::newRow(name) << QString::fromUtf8(pasted) << QString::fromUtf8(shown);
    };
    row("line break", "Иванов\nИван", "Иванов Иван");
    row("windows line end", "Иванов\r\n", "Иванов  ");
    row("tab", "\tИванов", " Иванов");
    row("line separator", "Иванов\u2028Иван\u2029", "Иванов Иван ");
    row("escape and delete", "А\x1b\x7f\u0085Б", "А   Б");
    row("plain", "Иванов-Петров, Иван", "Иванов-Петров, Иван");
}

void TestWidgets::oneLineFieldTakesBreaksAsBlanks() {
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QLineEdit field;
    field.setValidator(new OneLineValidator(&field));
    field.setText(QStringLiteral("<>"));
    field.setCursorPosition(1);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field.text(), "<" + shown + ">");
    QCOMPARE(field.cursorPosition(), 1 + shown.size());
}

// What a numeric field holds of the keys typed into it, the number it reads and what it shows
// once left, as numeric-field.txt holds them; a no-break space shows as "_".
void TestWidgets::numericFieldShowsWhatItReads() {
    QStringList now;
    const QString pattern = QStringLiteral("(\\d) decimals, typed \"(.*)\": .*");
    for (const QStringList& row : Approved::rows("numeric-field", pattern)) {
        NumericField field(nullptr);
        field.setDecimals(row[0].toInt());
        field.setDisplayFormat(row[0] == "0" ? ",0.#" : ",0.###");
        field.clear();
        QTest::keyClicks(&field, row[1]);
        const QString held = field.text();
        const std::optional<double> value = field.value();
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(&field, &leave);
        now << QStringLiteral("%1 decimals, typed \"%2\": holds \"%3\", reads %4, shows \"%5\"")
                   .arg(row[0], row[1], held,
                        value ? QString::number(*value, 'g', QLocale::FloatingPointShortest)
                              : QStringLiteral("nothing"),
                        field.text().replace(QChar(0x00A0), QLatin1Char('_')));
    }
    Approved::compare("numeric-field", now);
    QCOMPARE(NumericField::parse("-1 024.5", 1).value_or(0), -1024.5); // a point pasted in
}

void TestWidgets::digitCell() {
    DigitCell cell(nullptr);
    QSignalSpy keys(&cell, &DigitCell::keyDown);
    QSignalSpy doubleClicks(&cell, &DigitCell::doubleClicked);
    cell.setText(QStringLiteral("0"));
    QTest::keyClicks(&cell, QStringLiteral("5a"));
    QCOMPARE(cell.text(), "5"); // a digit replaces, a letter is refused
    QTest::keyClick(&cell, Qt::Key_9);
    QCOMPARE(cell.text(), "9");
    QTest::keyClick(&cell, Qt::Key_Left);
    QTest::keyClick(&cell, Qt::Key_Backspace);
    QCOMPARE(cell.text(), "");
    QCOMPARE(cell.placeholderText(), "_");
    QCOMPARE(keys.count(), 5); // every key, also those that change nothing
    QTest::mouseDClick(&cell, Qt::LeftButton);
    QCOMPARE(doubleClicks.count(), 1);
}

void TestWidgets::linkLabel_data() {
    QTest::addColumn<int>("key"); // 0: a left click, 1: a right click
    QTest::addColumn<bool>("clicked");
    QTest::newRow("left click") << 0 << true;
    QTest::newRow("right click") << 1 << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("another key") << int(Qt::Key_A) << false;
}

void TestWidgets::linkLabel() {
    QFETCH(int, key);
    QFETCH(bool, clicked);
    QWidget window;
    window.resize(200, 60);
    new QLineEdit(&window); // the focus starts here
    auto* link = new LinkLabel(QStringLiteral("Начать работу >>"), LabStyle::sans(13), &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy spy(link, &LinkLabel::clicked);
    if (key <= 1) {
        QTest::mouseClick(link, key ? Qt::RightButton : Qt::LeftButton);
    } else {
        const QImage plain = link->grab().toImage();
        QTest::keyClick(&window, Qt::Key_Tab);
        QVERIFY(link->hasFocus());
        QVERIFY(link->grab().toImage() != plain); // the focus shows
        QTest::keyClick(link, Qt::Key(key));
    }
    QCOMPARE(spy.count(), clicked ? 1 : 0);
}

void TestWidgets::radioGroup() {
    QWidget window;
    auto* question = new QLineEdit(&window); // the controls before and after the frame
    auto* group = new RadioGroup(QStringLiteral("Ответ"), &window);
    new QLineEdit(&window);
    group->resize(400, 180);
    QSignalSpy clicks(group, &RadioGroup::groupClicked);
    for (const char* option : {"a", "b", "c"})
        group->addItem(QString::fromLatin1(option));
    window.show();
    QTest::mouseClick(group, Qt::LeftButton, {}, {350, 150}); // beside the options
    QVERIFY(group->itemIndex() == -1 && clicks.count() == 1); // none selected after filling
    const auto clickText = [group](int option, Qt::MouseButton button) {
        QTest::mouseClick(group->findChild<QWidget*>(QString("optionText%1").arg(option)), button);
    };
    clickText(2, Qt::LeftButton);
    QCOMPARE(group->selectedText(), "b");
    QCOMPARE(clicks.count(), 2);
    clickText(3, Qt::RightButton); // only the left button selects
    QCOMPARE(group->selectedText(), "b");
    clickText(1, Qt::LeftButton);
    QCOMPARE(group->selectedText(), "a");
    // The options take the keyboard focus in their order, where their frame stands.
    QStringList chain;
    for (QWidget* w = question->nextInFocusChain(); chain.size() < 3; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
    QCOMPARE(chain.join(' '), "option1 option2 option3");
    group->clearItems();
    QVERIFY(group->count() == 0 && group->selectedText().isEmpty());
}

// A text to read, select and not change. A question comes up without a caret against its last
// digit; a reader who moves through the text by keyboard gets one, and Tab only passes by.
void TestWidgets::readOnlyTextHasNoCaretUntilMoved() {
    ReadOnlyText text(LabStyle::sans(13), Qt::white, nullptr);
    text.setText(QStringLiteral("Разрядность кода m=11"));
    QVERIFY(text.isReadOnly() && text.textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(text.textCursor().position(), 0);
    QCOMPARE(text.cursorWidth(), 0);
    QTest::keyClick(&text, Qt::Key_Tab);
    QCOMPARE(text.cursorWidth(), 0);
    QTest::keyClick(&text, Qt::Key_End);
    QVERIFY(text.cursorWidth() > 0);
    QCOMPARE(text.textCursor().position(), 21);
    text.setText(QStringLiteral("m=9"));
    QCOMPARE(text.cursorWidth(), 0);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
