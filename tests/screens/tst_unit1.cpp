#include "LabTestSupport.h"

#include "screens/Unit1.h"

#include <QLabel>
#include <QTest>

class TestUnit1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void titleControls_data();
    void titleControls();
    void shadowsShowAsALightEdge();
};

void TestUnit1::titleControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text"); // empty: the footer's own text
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("opaque");
    const QString topic = QStringLiteral("\"Изучение работы нелинейного кодера\"");
    const QString occupation = QStringLiteral("Лабораторно-практическое занятие");
    const QColor white(Qt::white);
    const QColor dark(Qt::black);
    // The shadows lie two pixels right of their lines.
    QTest::newRow("topic shadow") << "Label5" << QRect(10, 40, 400, 24) << topic << 18 << true
                                  << white << true;
    QTest::newRow("topic") << "Label4" << QRect(8, 40, 400, 24) << topic << 18 << true << dark
                           << false;
    QTest::newRow("occupation shadow")
        << "Label3" << QRect(26, 8, 360, 24) << occupation << 18 << true << white << true;
    QTest::newRow("occupation") << "Label2" << QRect(24, 8, 360, 24) << occupation << 18 << true
                                << dark << false;
    QTest::newRow("footer") << "Label1" << QRect(136, 184, 133, 16) << QString() << 13 << false
                            << dark << false;
    QTest::newRow("link") << "RzURLLabel1" << QRect(152, 112, 115, 16)
                          << QStringLiteral("Начать работу >>") << 13 << false << dark << false;
}

void TestUnit1::titleControls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QFETCH(bool, opaque);

    TForm1 form;
    auto* label = Control<QLabel>(&form, qPrintable(name));
    QCOMPARE(label->geometry(), geometry);
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->autoFillBackground(), opaque);
    // Boxes of fixed size must not cut their text off.
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= geometry.width());
}

void TestUnit1::shadowsShowAsALightEdge() {
    LabFrame frame;
    Form1->showScreen();
    const QImage image = Form1->grab().toImage();
    const QObjectList& stack = Form1->children();
    for (const auto& [shadow, line] :
         {std::pair{"Label5", "Label4"}, std::pair{"Label3", "Label2"}}) {
        // Children paint in list order: the shadow first, the dark line over it.
        QVERIFY(stack.indexOf(Control<QLabel>(Form1, shadow)) <
                stack.indexOf(Control<QLabel>(Form1, line)));
        const QRect box = Control<QLabel>(Form1, line)->geometry();
        int white = 0;
        int dark = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right() + 2; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                white += pixel == QColor(Qt::white);
                dark += pixel.lightness() < 60;
            }
        // The button face is never pure white: white pixels are the shadow peeking out.
        QVERIFY2(white > 50 && dark > white, line);
    }
}

QTEST_MAIN(TestUnit1)
#include "tst_unit1.moc"
