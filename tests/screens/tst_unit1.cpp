#include "LabTestSupport.h"

#include "app/LabStyle.h"
#include "screens/Unit1.h"
#include "screens/Unit7.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"

#include <QRegularExpression>
#include <QTest>

class TestUnit1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void titleControls_data();
    void titleControls();
    void footerNamesPlaceAndYear();
    void shadowsLieRightOfAndBelowTheirLines_data();
    void shadowsLieRightOfAndBelowTheirLines();
    void shadowShowsAsALightEdge();
    void linkLeadsToRegistration();
};

namespace {

const QString kTopic = QStringLiteral("\"Изучение работы нелинейного кодера\"");
const QString kOccupation = QStringLiteral("Лабораторно-практическое занятие");

} // namespace

void TestUnit1::titleControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("opaque");
    const QColor white(Qt::white);
    const QColor dark(Qt::black);
    QTest::newRow("topic shadow") << "Label5" << QRect(10, 40, 400, 24) << kTopic << 18 << true
                                  << white << true;
    QTest::newRow("topic") << "Label4" << QRect(8, 40, 400, 24) << kTopic << 18 << true << dark
                           << false;
    QTest::newRow("occupation shadow")
        << "Label3" << QRect(26, 8, 360, 24) << kOccupation << 18 << true << white << true;
    QTest::newRow("occupation") << "Label2" << QRect(24, 8, 360, 24) << kOccupation << 18 << true
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
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->autoFillBackground(), opaque);
    // Boxes of fixed size must not cut their text off.
    QVERIFY(label->fontMetrics().horizontalAdvance(text) <= geometry.width());
    QVERIFY(label->fontMetrics().height() <= geometry.height());
}

void TestUnit1::footerNamesPlaceAndYear() {
    TForm1 form;
    auto* footer = Control<TLabel>(&form, "Label1");
    QCOMPARE(footer->geometry(), QRect(136, 184, 133, 16));
    QCOMPARE(footer->font().pixelSize(), 13);
    QVERIFY(!footer->font().bold());
    QCOMPARE(footer->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!footer->autoFillBackground());
    const QString text = footer->text();
    const QRegularExpression placeAndYear(QStringLiteral("^\\w[\\w -]*, (19|20)\\d\\d$"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY2(placeAndYear.match(text).hasMatch(), qPrintable(text));
    QVERIFY(footer->fontMetrics().horizontalAdvance(text) <= footer->width());
}

void TestUnit1::shadowsLieRightOfAndBelowTheirLines_data() {
    QTest::addColumn<QString>("shadow");
    QTest::addColumn<QString>("line");
    QTest::newRow("occupation") << "Label3"
                                << "Label2";
    QTest::newRow("topic") << "Label5"
                           << "Label4";
}

void TestUnit1::shadowsLieRightOfAndBelowTheirLines() {
    QFETCH(QString, shadow);
    QFETCH(QString, line);
    TForm1 form;
    auto* shadowLabel = Control<QLabel>(&form, qPrintable(shadow));
    auto* lineLabel = Control<QLabel>(&form, qPrintable(line));
    QCOMPARE(shadowLabel->geometry().translated(-2, 0), lineLabel->geometry());
    QCOMPARE(shadowLabel->text(), lineLabel->text());
    QCOMPARE(shadowLabel->alignment(), lineLabel->alignment());
    // Children stack in list order: the shadow must be drawn first.
    const QObjectList& stack = form.children();
    QVERIFY(stack.indexOf(shadowLabel) < stack.indexOf(lineLabel));
}

void TestUnit1::shadowShowsAsALightEdge() {
    LabFrame frame;
    Form1->showScreen();
    const QImage image = Form1->grab().toImage();
    for (const char* name : {"Label4", "Label2"}) {
        const QRect box = Control<QLabel>(Form1, name)->geometry();
        int white = 0;
        int dark = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right() + 2; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                white += pixel == QColor(Qt::white);
                dark += pixel.lightness() < 60;
            }
        // The button face is never pure white: white pixels are the shadow peeking out.
        QVERIFY2(white > 50, name);
        QVERIFY2(dark > white, name);
    }
}

void TestUnit1::linkLeadsToRegistration() {
    LabFrame frame;
    frame.start();
    QTest::mouseClick(Control<TLinkLabel>(Form1, "RzURLLabel1"), Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form7});
}

QTEST_MAIN(TestUnit1)
#include "tst_unit1.moc"
