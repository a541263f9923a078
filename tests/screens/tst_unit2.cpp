#include "LabTestSupport.h"

#include "screens/Unit2.h"

#include <QLabel>
#include <QTest>

class TestUnit2 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void procedureLines_data();
    void procedureLines();
};

void TestUnit2::procedureLines_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    const QColor red(255, 0, 0);
    QTest::newRow("heading") << "Label1" << QPoint(72, 16)
                             << QStringLiteral("Порядок выполнения работы:") << red;
    QTest::newRow("theory") << "Label2" << QPoint(16, 48)
                            << QStringLiteral("- Ознакомиться с теорией кодирования;") << red;
    QTest::newRow("intro test") << "Label3" << QPoint(16, 72)
                                << QStringLiteral("- Верно ответить на вопросы вводного теста;")
                                << red;
    QTest::newRow("demonstration")
        << "Label4" << QPoint(16, 96)
        << QStringLiteral("- Изучить принцип работы нелинейного кодера;") << red;
    QTest::newRow("practice, as misspelt")
        << "Label5" << QPoint(16, 120) << QStringLiteral("- Самомтоятельно произвести кодирование;")
        << red;
    QTest::newRow("final test") << "Label7" << QPoint(16, 144)
                                << QStringLiteral("- Выполнить итоговый тест.") << red;
    QTest::newRow("link") << "RzURLLabel1" << QPoint(88, 184)
                          << QStringLiteral("Начать просмотр теории >>") << QColor(Qt::black);
}

void TestUnit2::procedureLines() {
    QFETCH(QString, name);
    QFETCH(QPoint, at);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    TForm2 form;
    form.show(); // labels measure themselves when they appear
    auto* label = Control<QLabel>(&form, qPrintable(name));
    QCOMPARE(label->pos(), at);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pixelSize(), 13);
    QVERIFY(!label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    // Each line stays whole inside the window and clear of the next one.
    QVERIFY(label->geometry().right() < form.width());
    QVERIFY(label->height() <= 24);
}

QTEST_MAIN(TestUnit2)
#include "tst_unit2.moc"
