#include "LabTestSupport.h"

#include "screens/KnowledgeTestScreen.h"
#include "widgets/NumericField.h"
#include "widgets/UnitPicture.h"

#include <QImage>
#include <QTest>

Q_DECLARE_METATYPE(TAnswerKind)
Q_DECLARE_METATYPE(TVerdict)

class TestKnowledgeTestScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void judging_data();
    void judging();
    void typedNumberMeetsItsKey_data();
    void typedNumberMeetsItsKey();
    void optionOrder_data();
    void optionOrder();
    void unitPictureIsDrawnInBlackOnWhite();
};

void TestKnowledgeTestScreen::judging_data() {
    QTest::addColumn<TAnswerKind>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("given");
    QTest::addColumn<TVerdict>("verdict");
    const auto choice = TAnswerKind::Choice;
    const auto digits = TAnswerKind::Digits;
    const auto word = TAnswerKind::Word;
    const auto right = TVerdict::Right;
    const auto wrong = TVerdict::Wrong;
    const auto refused = TVerdict::Refused;
    const QString option = QStringLiteral("Увеличивается в 2 раза.");
    QTest::newRow("choice: the key") << choice << option << option << right;
    QTest::newRow("choice: another option") << choice << option << "Не изменяется." << wrong;
    QTest::newRow("choice: nothing selected") << choice << option << "" << wrong;

    QTest::newRow("digits: the key") << digits << "01000010"
                                     << "01000010" << right;
    QTest::newRow("digits: key zero dropped") << digits << "01000010"
                                              << "1000010" << wrong;
    QTest::newRow("digits: leading zero") << digits << "5"
                                          << "05" << wrong;
    QTest::newRow("digits: plus sign") << digits << "5"
                                       << "+5" << wrong;
    QTest::newRow("digits: minus missing") << digits << "-400"
                                           << "400" << wrong;
    QTest::newRow("digits: negative key") << digits << "-400"
                                          << "-400" << right;
    QTest::newRow("digits: largest int32") << digits << "5"
                                           << "2147483647" << wrong;
    QTest::newRow("digits: smallest int32") << digits << "5"
                                            << "-2147483648" << wrong;
    QTest::newRow("digits: beyond int32") << digits << "5"
                                          << "2147483648" << refused;
    QTest::newRow("digits: letters") << digits << "5"
                                     << "five" << refused;
    QTest::newRow("digits: cyrillic") << digits << "5"
                                      << "пять" << refused;
    QTest::newRow("digits: empty") << digits << "5"
                                   << "" << refused;
    QTest::newRow("digits: blank before") << digits << "5"
                                          << " 5" << refused;
    QTest::newRow("digits: blank after") << digits << "5"
                                         << "5 " << refused;
    QTest::newRow("digits: decimal comma") << digits << "5"
                                           << "5,0" << refused;
    QTest::newRow("digits: arabic-indic digit") << digits << "5" << QStringLiteral("٥") << refused;

    const QString block = QStringLiteral("генератор эталонных напряжений");
    QTest::newRow("word: the key") << word << block << block << right;
    QTest::newRow("word: capital")
        << word << block << QStringLiteral("Генератор эталонных напряжений") << wrong;
    QTest::newRow("word: trailing blank") << word << block << block + QLatin1Char(' ') << wrong;
    QTest::newRow("word: doubled blank")
        << word << block << QStringLiteral("генератор  эталонных напряжений") << wrong;
    QTest::newRow("word: digits judged") << word << block << "12" << wrong;
    QTest::newRow("word: empty judged") << word << block << "" << wrong;
}

void TestKnowledgeTestScreen::judging() {
    QFETCH(TAnswerKind, kind);
    QFETCH(QString, key);
    QFETCH(QString, given);
    QFETCH(TVerdict, verdict);
    TAnswerInput input;
    (kind == TAnswerKind::Choice ? input.selected : input.text) = given;
    QCOMPARE(JudgeAnswer({kind, key}, input), verdict);
}

void TestKnowledgeTestScreen::typedNumberMeetsItsKey_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("key");
    QTest::addColumn<bool>("right");
    QTest::newRow("0,128") << "0,128" << 0.128 << true;
    QTest::newRow("0.128 typed with a point") << "0.128" << 0.128 << true;
    QTest::newRow("0,127") << "0,127" << 0.128 << false;
    QTest::newRow("0,13") << "0,13" << 0.128 << false;
    QTest::newRow("2047") << "2047" << 2047.0 << true;
    QTest::newRow("2 047 grouped") << "2 047" << 2047.0 << true;
    QTest::newRow("2047,001") << "2047,001" << 2047.0 << false;
    QTest::newRow("empty is 0") << "" << 0.0 << true;
    QTest::newRow("-0") << "-0" << 0.0 << true;
}

void TestKnowledgeTestScreen::typedNumberMeetsItsKey() {
    QFETCH(QString, typed);
    QFETCH(double, key);
    QFETCH(bool, right);
    // What the three-decimal number field makes of the text is what is judged.
    TNumericField field(nullptr);
    field.setDecimals(3);
    field.setDisplayFormat(QStringLiteral(",0.###"));
    field.selectAll();
    QTest::keyClicks(&field, typed);
    TAnswerInput input;
    input.number = field.value();
    QCOMPARE(JudgeAnswer({TAnswerKind::Number, {}, key}, input),
             right ? TVerdict::Right : TVerdict::Wrong);
}

void TestKnowledgeTestScreen::optionOrder_data() {
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<int>("drawCount");
    QTest::newRow("distinct at once") << QList<int>{2, 0, 1} << QList<int>{3, 1, 2} << 3;
    QTest::newRow("second redrawn") << QList<int>{1, 1, 1, 0, 2} << QList<int>{2, 1, 3} << 5;
    QTest::newRow("third redrawn") << QList<int>{0, 1, 0, 1, 0, 2} << QList<int>{1, 2, 3} << 6;
}

void TestKnowledgeTestScreen::optionOrder() {
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, order);
    QFETCH(int, drawCount);
    ScriptedDraws draws;
    for (const int value : script)
        draws.push(value);
    const std::array<int, 3> drawn = DrawOptionOrder();
    QCOMPARE((QList<int>{drawn[0], drawn[1], drawn[2]}), order);
    QCOMPARE(draws.ranges(), QList<int>(drawCount, 3));
}

void TestKnowledgeTestScreen::unitPictureIsDrawnInBlackOnWhite() {
    std::unique_ptr<TPicture> picture(MakeUnitPicture(nullptr));
    QCOMPARE(picture->naturalSize(), QSize(23, 15));
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
