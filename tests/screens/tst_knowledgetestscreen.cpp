#include "LabTestSupport.h"

#include "screens/KnowledgeTestScreen.h"
#include "widgets/UnitPicture.h"

#include <QImage>
#include <QTest>

Q_DECLARE_METATYPE(AnswerKind)
Q_DECLARE_METATYPE(Verdict)

class TestKnowledgeTestScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void judging_data();
    void judging();
    void optionOrder_data();
    void optionOrder();
    void unitPictureIsDrawnInBlackOnWhite();
};

void TestKnowledgeTestScreen::judging_data() {
    QTest::addColumn<AnswerKind>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("given");
    QTest::addColumn<Verdict>("verdict");
    const auto row = [](const char* name, AnswerKind kind, const QString& key,
                        const QString& given, Verdict verdict) {
        QTest::newRow(name) << kind << key << given << verdict;
    };
    using enum AnswerKind;
    using enum Verdict;
    // The edges the screens' own tests leave: what is refused and what is merely wrong.
    row("choice: nothing selected", Choice, QStringLiteral("Не изменяется."), {}, Wrong);
    row("digits: beyond int32", Digits, "5", "2147483648", Refused);
    row("digits: letters", Digits, "5", QStringLiteral("пять"), Refused);
    row("digits: empty", Digits, "5", {}, Refused);
    row("digits: blank before", Digits, "5", " 5", Refused);
    row("digits: decimal comma", Digits, "5", "5,0", Refused);
    const QString block = QStringLiteral("генератор эталонных напряжений");
    row("word: doubled blank", Word, block, QStringLiteral("генератор  эталонных напряжений"),
        Wrong);
    row("word: digits judged", Word, block, "12", Wrong);
    row("word: empty judged", Word, block, {}, Wrong);
}

void TestKnowledgeTestScreen::judging() {
    QFETCH(AnswerKind, kind);
    QFETCH(QString, key);
    QFETCH(QString, given);
    QFETCH(Verdict, verdict);
    AnswerInput input;
    (kind == AnswerKind::Choice ? input.selected : input.text) = given;
    QCOMPARE(judgeAnswer({kind, key}, input), verdict);
}

void TestKnowledgeTestScreen::optionOrder_data() {
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("second redrawn") << QList<int>{1, 1, 1, 0, 2} << QList<int>{2, 1, 3};
    QTest::newRow("third redrawn") << QList<int>{0, 1, 0, 1, 0, 2} << QList<int>{1, 2, 3};
}

void TestKnowledgeTestScreen::optionOrder() {
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, order);
    ScriptedDraws draws;
    for (const int value : script)
        draws.push(value);
    const std::array<int, 3> drawn = drawOptionOrder();
    QCOMPARE((QList<int>{drawn[0], drawn[1], drawn[2]}), order);
    QCOMPARE(draws.ranges(), QList<int>(script.size(), 3));
}

void TestKnowledgeTestScreen::unitPictureIsDrawnInBlackOnWhite() {
    std::unique_ptr<Picture> picture(makeUnitPicture(nullptr));
    const QImage image = picture->render();
    QCOMPARE(image.size(), QSize(23, 15));
    // Ink in each third (Δ, the comma, В), none in the corners, nothing but grey levels.
    int inkByThird[3] = {0, 0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            QCOMPARE(pixel.red(), pixel.green());
            QCOMPARE(pixel.green(), pixel.blue());
            if (pixel.lightness() < 100)
                ++inkByThird[x * 3 / image.width()];
        }
    }
    for (const int ink : inkByThird)
        QVERIFY(ink > 0);
    for (const QPoint corner : {QPoint(0, 0), QPoint(22, 0), QPoint(0, 14), QPoint(22, 14)})
        QCOMPARE(image.pixelColor(corner), QColor(Qt::white));
}

QTEST_MAIN(TestKnowledgeTestScreen)
#include "tst_knowledgetestscreen.moc"
