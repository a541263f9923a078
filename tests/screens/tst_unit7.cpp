#include "LabTestSupport.h"

#include "screens/Unit2.h"
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
    void oneCharacterIsAName_data();
    void oneCharacterIsAName();
    void secondNameOutlivesTheGreying();
    void enterInAFieldDoesNotPressOk_data();
    void enterInAFieldDoesNotPressOk();
    void okLeadsToTheWorkProcedure();

private:
    QLineEdit* edit1() { return Control<QLineEdit>(Form7, "Edit1"); }
    QLineEdit* edit2() { return Control<QLineEdit>(Form7, "Edit2"); }
    // "OK", "Студент 2:" and the second field, which go together.
    bool secondStudentEnabled(bool expected) {
        const bool ok = Control<QPushButton>(Form7, "Button1")->isEnabled() == expected;
        const bool label = Control<TLabel>(Form7, "Label3")->isEnabled() == expected;
        const bool field = edit2()->isEnabled() == expected;
        return ok && label && field;
    }

    std::unique_ptr<LabFrame> frame;
};

void TestUnit7::firstDisplayGreysTheSecondStudent() {
    QVERIFY(secondStudentEnabled(false));
    QVERIFY(edit1()->isEnabled());
    QVERIFY(Control<TLabel>(Form7, "Label2")->isEnabled());
    QCOMPARE(Form7->focusWidget(), edit1());
    QVERIFY(edit1()->text().isEmpty());
    QVERIFY(edit2()->text().isEmpty());
}

void TestUnit7::oneCharacterIsAName_data() {
    QTest::addColumn<QString>("character");
    QTest::newRow("letter") << QStringLiteral("И");
    QTest::newRow("blank") << QStringLiteral(" ");
    QTest::newRow("digit") << QStringLiteral("1");
}

void TestUnit7::oneCharacterIsAName() {
    QFETCH(QString, character);
    TypeText(edit1(), character);
    QVERIFY(secondStudentEnabled(true));
    QCOMPARE(Form7->firstStudent(), character);
    QTest::keyClick(edit1(), Qt::Key_Backspace);
    QVERIFY(edit1()->text().isEmpty());
    QVERIFY(secondStudentEnabled(false));
}

void TestUnit7::secondNameOutlivesTheGreying() {
    TypeText(edit1(), QStringLiteral("Иванов"));
    TypeText(edit2(), QStringLiteral("Петров"));
    edit1()->selectAll();
    QTest::keyClick(edit1(), Qt::Key_Delete);
    QVERIFY(secondStudentEnabled(false));
    QCOMPARE(edit2()->text(), QStringLiteral("Петров"));

    // Typing into the greyed field changes nothing.
    TypeText(edit2(), QStringLiteral("x"));
    QCOMPARE(edit2()->text(), QStringLiteral("Петров"));

    TypeText(edit1(), QStringLiteral("Сидоров"));
    QVERIFY(secondStudentEnabled(true));
    QCOMPARE(Form7->firstStudent(), QStringLiteral("Сидоров"));
    QCOMPARE(Form7->secondStudent(), QStringLiteral("Петров"));
}

void TestUnit7::enterInAFieldDoesNotPressOk_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in Edit1") << "Edit1" << int(Qt::Key_Return);
    QTest::newRow("Enter in Edit1") << "Edit1" << int(Qt::Key_Enter);
    QTest::newRow("Return in Edit2") << "Edit2" << int(Qt::Key_Return);
}

void TestUnit7::enterInAFieldDoesNotPressOk() {
    QFETCH(QString, field);
    QFETCH(int, key);
    TypeText(edit1(), QStringLiteral("Иванов"));
    TypeText(edit2(), QStringLiteral("Петров"));
    auto* button = Control<QPushButton>(Form7, "Button1");
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());
    QTest::keyClick(Form7->findChild<QLineEdit*>(field), Qt::Key(key));
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form7});
}

void TestUnit7::okLeadsToTheWorkProcedure() {
    auto* button = Control<QPushButton>(Form7, "Button1");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form7});
    TypeText(edit1(), QStringLiteral(" Иванов И. И. "));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form2});
    // Nothing is trimmed; the empty second name stays empty.
    QCOMPARE(Form7->firstStudent(), QStringLiteral(" Иванов И. И. "));
    QCOMPARE(Form7->secondStudent(), QString());
}

QTEST_MAIN(TestUnit7)
#include "tst_unit7.moc"
