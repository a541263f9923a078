#include "LabTestSupport.h"

#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"

#include <QTest>

class TestUnit2 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void procedureLines_data();
    void procedureLines();
    void linkLeadsToTheTheory();
};

void TestUnit2::procedureLines_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("text");
    QTest::newRow("heading") << "Label1" << QPoint(72, 16)
                             << QStringLiteral("Порядок выполнения работы:");
    QTest::newRow("theory") << "Label2" << QPoint(16, 48)
                            << QStringLiteral("- Ознакомиться с теорией кодирования;");
    QTest::newRow("intro test") << "Label3" << QPoint(16, 72)
                                << QStringLiteral("- Верно ответить на вопросы вводного теста;");
    QTest::newRow("demonstration")
        << "Label4" << QPoint(16, 96)
        << QStringLiteral("- Изучить принцип работы нелинейного кодера;");
    QTest::newRow("practice, as misspelt")
        << "Label5" << QPoint(16, 120)
        << QStringLiteral("- Самомтоятельно произвести кодирование;");
    QTest::newRow("final test") << "Label7" << QPoint(16, 144)
                                << QStringLiteral("- Выполнить итоговый тест.");
}

void TestUnit2::procedureLines() {
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QString, text);
    TForm2 form;
    form.show(); // labels measure themselves when they appear
    auto* label = Control<TLabel>(&form, qPrintable(name));
    QCOMPARE(label->pos(), at);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pixelSize(), 13);
    QVERIFY(!label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Each line stays whole inside the window and clear of the next one.
    QVERIFY(label->geometry().right() < form.width());
    QVERIFY(label->height() <= 24);
}

void TestUnit2::linkLeadsToTheTheory() {
    LabFrame frame;
    Form2->showScreen();
    auto* link = Control<TLinkLabel>(Form2, "RzURLLabel1");
    QCOMPARE(link->pos(), QPoint(88, 184));
    QCOMPARE(link->text(), QStringLiteral("Начать просмотр теории >>"));
    QCOMPARE(link->font().pixelSize(), 13);
    QVERIFY(link->font().underline());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form3});
}

QTEST_MAIN(TestUnit2)
#include "tst_unit2.moc"
