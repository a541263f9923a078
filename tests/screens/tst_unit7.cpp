#include "LabTestSupport.h"

#include "screens/Unit7.h"
#include "widgets/Label.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestUnit7 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init() {
        frame = std::make_unique<LabFrame>();
        Form7->showScreen();
    }
    void cleanup() { frame.reset(); }

    void firstDisplayGreysTheSecondStudent();
    void oneBlankIsAName();
    void secondNameOutlivesTheGreying();
    void enterInAFieldDoesNotPressOk();

private:
    QLineEdit* edit1() { return Control<QLineEdit>(Form7, "Edit1"); }
    QLineEdit* edit2() { return Control<QLineEdit>(Form7, "Edit2"); }
    // "OK", "Студент 2:" and the second field, which go together.
    bool secondStudentEnabled(bool expected) {
        return Control<QPushButton>(Form7, "Button1")->isEnabled() == expected &&
               Control<Label>(Form7, "Label3")->isEnabled() == expected &&
               edit2()->isEnabled() == expected;
    }

    std::unique_ptr<LabFrame> frame;
};

void TestUnit7::firstDisplayGreysTheSecondStudent() {
    QVERIFY(secondStudentEnabled(false));
    QCOMPARE(Form7->focusWidget(), edit1());
}

void TestUnit7::oneBlankIsAName() {
    QTest::keyClick(edit1(), ' ');
    QVERIFY(secondStudentEnabled(true));
    QTest::keyClick(edit1(), Qt::Key_Backspace);
    QVERIFY(secondStudentEnabled(false));
}

void TestUnit7::secondNameOutlivesTheGreying() {
    TypeText(edit1(), QStringLiteral("Иванов"));
    TypeText(edit2(), QStringLiteral("Петров"));
    edit1()->selectAll();
    QTest::keyClick(edit1(), Qt::Key_Delete);
    QVERIFY(secondStudentEnabled(false));
    // Typing into the greyed field changes nothing.
    TypeText(edit2(), QStringLiteral("x"));
    QCOMPARE(edit2()->text(), QStringLiteral("Петров"));

    TypeText(edit1(), QStringLiteral("Сидоров"));
    QVERIFY(secondStudentEnabled(true));
    QCOMPARE(Form7->secondStudent(), QStringLiteral("Петров"));
}

void TestUnit7::enterInAFieldDoesNotPressOk() {
    TypeText(edit1(), QStringLiteral("Иванов"));
    TypeText(edit2(), QStringLiteral("Петров"));
    QTest::keyClick(edit1(), Qt::Key_Return);
    QTest::keyClick(edit2(), Qt::Key_Enter);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form7});
}

QTEST_MAIN(TestUnit7)
#include "tst_unit7.moc"
