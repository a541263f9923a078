#include "LabTestSupport.h"
#include "PracticeDriver.h"

#include "screens/Unit5.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestUnit9 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init();
    void cleanup();

    void refusedTextsKeepTheScreen_data();
    void refusedTextsKeepTheScreen();

private:
    QLineEdit* field() const { return Control<QLineEdit>(Form9, "Edit1"); }

    std::unique_ptr<LabFrame> frame;
    std::unique_ptr<ErrorCapture> errors;
};

void TestUnit9::init() {
    errors = std::make_unique<ErrorCapture>();
    frame = std::make_unique<LabFrame>();
    // Opened the way the students reach it: from the demonstration's link.
    Form5->showScreen();
    QTest::mouseClick(Control<LinkLabel>(Form5, "RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
}

void TestUnit9::cleanup() {
    frame.reset();
    errors.reset();
}

void TestUnit9::refusedTextsKeepTheScreen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString number = QStringLiteral("Значение Uаим должно быть числом");
    QTest::newRow("empty") << "" << QStringLiteral("Не введено значение Uаим");
    QTest::newRow("zero") << "0" << QStringLiteral("Uаим не должен равняться 0");
    QTest::newRow("digits and a letter") << "12a" << number;
    // Texts without a Latin letter that are no whole number either.
    QTest::newRow("decimal comma") << "1,5" << number;
    QTest::newRow("trailing blank") << "5 " << number;
    QTest::newRow("sign alone") << "-" << number;
    QTest::newRow("cyrillic word") << "пять" << number;
    QTest::newRow("beyond 32 bits") << "2147483648" << number;
}

void TestUnit9::refusedTextsKeepTheScreen() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    TypeText(field(), text);
    ClickPracticeInputLink();
    QCOMPARE(errors->count(), 1);
    QCOMPARE(errors->last().caption, QStringLiteral("Ощибка ввода"));
    QCOMPARE(errors->last().text, message);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form9});
    QCOMPARE(field()->text(), text);
}

QTEST_MAIN(TestUnit9)
#include "tst_unit9.moc"
