#include "LabTestSupport.h"

#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "widgets/LinkLabel.h"
#include "widgets/Picture.h"
#include "widgets/ReadOnlyText.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTextBlock>
#include <QWheelEvent>

class TestUnit3 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }
    void init() { frame = std::make_unique<LabFrame>(); }
    void cleanup() { frame.reset(); }

    void columnBlocks_data();
    void columnBlocks();
    void textsLoadOnlyWhenFirstShown();
    void opensAtTheEndWithTheLinkInView();
    void topShowsTheHeadingAndStaysWhileHidden();
    void headingsAndCaptionsAreExact_data();
    void headingsAndCaptionsAreExact();
    void textBlocks_data();
    void textBlocks();

private:
    static QScrollArea* scrollBox() { return Control<QScrollArea>(Form3, "ScrollBox1"); }
    static QScrollBar* scrollBar() { return scrollBox()->verticalScrollBar(); }
    static ReadOnlyText* block(const QString& name) {
        return Control<ReadOnlyText>(Form3, qPrintable(name));
    }

    std::unique_ptr<LabFrame> frame;
};

void TestUnit3::columnBlocks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QSize>("picture"); // natural size of a picture, centred in its box
    QTest::newRow("first text") << "RzRichEdit1" << QRect(0, 0, 570, 735) << QSize();
    QTest::newRow("figure 1") << "Image1" << QRect(0, 735, 570, 325) << QSize(461, 324);
    QTest::newRow("second text") << "RzRichEdit11" << QRect(0, 1060, 570, 754) << QSize();
    QTest::newRow("table 1") << "Image2" << QRect(0, 1814, 570, 275) << QSize(554, 265);
    QTest::newRow("third text") << "RzRichEdit2" << QRect(0, 2089, 570, 209) << QSize();
    QTest::newRow("figure 2") << "Image3" << QRect(0, 2298, 570, 406) << QSize(489, 404);
    QTest::newRow("last text") << "RzRichEdit3" << QRect(0, 2651, 567, 480) << QSize();
    QTest::newRow("link") << "RzURLLabel1" << QRect(176, 3131, 209, 27) << QSize();
}

void TestUnit3::columnBlocks() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QSize, picture);
    auto* widget = Control<QWidget>(Form3, qPrintable(name));
    QCOMPARE(widget->parentWidget(), scrollBox()->widget());
    QCOMPARE(widget->geometry(), geometry);
    if (picture.isValid())
        QCOMPARE(qobject_cast<Picture*>(widget)->naturalSize(), picture);
}

void TestUnit3::textsLoadOnlyWhenFirstShown() {
    const QStringList names{"RzRichEdit1", "RzRichEdit11", "RzRichEdit2", "RzRichEdit3"};
    for (const QString& name : names)
        QVERIFY2(block(name)->document()->isEmpty(), qPrintable(name));
    Form3->showScreen();
    for (const QString& name : names)
        QVERIFY2(!block(name)->document()->isEmpty(), qPrintable(name));
}

void TestUnit3::opensAtTheEndWithTheLinkInView() {
    Form3->showScreen();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    QCoreApplication::processEvents();
    QCOMPARE(scrollBar()->value(), TForm3::kStoredScrollTop);
    QCOMPARE(scrollBar()->maximum(), TForm3::kStoredScrollTop);
    QWidget* viewport = scrollBox()->viewport();
    QVERIFY(viewport->width() >= 570); // nothing of the column hides behind the scroll bar

    auto* link = Control<LinkLabel>(Form3, "RzURLLabel1");
    QCOMPARE(link->text(), QStringLiteral("Перейти к вводному тесту >>"));
    QVERIFY(link->font().underline());
    QVERIFY(viewport->rect().contains(QRect(link->mapTo(viewport, QPoint(0, 0)), link->size())));
    // The end of the last text block is in view too; that block lies over Figure 2's foot.
    ReadOnlyText* last = block(QStringLiteral("RzRichEdit3"));
    QVERIFY(last->mapTo(viewport, QPoint(0, last->height())).y() <= viewport->height());
    const QObjectList& stack = scrollBox()->widget()->children();
    QVERIFY(stack.indexOf(Control<Picture>(Form3, "Image3")) < stack.indexOf(last));

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form4});
}

void TestUnit3::topShowsTheHeadingAndStaysWhileHidden() {
    Form3->showScreen();
    scrollBar()->setValue(0);
    ReadOnlyText* first = block(QStringLiteral("RzRichEdit1"));
    QCOMPARE(first->mapTo(scrollBox()->viewport(), QPoint(0, 0)), QPoint(0, 0));
    const QTextBlock heading = first->document()->firstBlock();
    QVERIFY(heading.text().contains(QStringLiteral("КРАТКАЯ ТЕОРИЯ")));
    QVERIFY(first->viewport()->rect().contains(first->cursorRect(QTextCursor(heading))));
    // Shown again, the reader keeps its place instead of jumping back to the end.
    Form3->hide();
    Form3->showScreen();
    QCoreApplication::processEvents();
    QCOMPARE(scrollBar()->value(), 0);
}

void TestUnit3::headingsAndCaptionsAreExact_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("heading") << "RzRichEdit1" << 0 << QStringLiteral("\t\t\t\t  КРАТКАЯ ТЕОРИЯ");
    QTest::newRow("subheading") << "RzRichEdit1" << 1 << QStringLiteral("\t\t\t\t     КОДИРОВАНИЕ");
    QTest::newRow("figure 1, first line")
        << "RzRichEdit11" << 0
        << QStringLiteral("               Рисунок 1. Сегментированная характеристика "
                          "компрессии типа ");
    QTest::newRow("figure 1, second line") << "RzRichEdit11" << 1 << QStringLiteral("А=87,6");
    QTest::newRow("table 1, first line")
        << "RzRichEdit2" << 0
        << QStringLiteral("\t          Таблица 1. Алгоритм выбора основных эталонов при ");
    QTest::newRow("table 1, second line")
        << "RzRichEdit2" << 1 << QStringLiteral("нелинейном кодировании");
    QTest::newRow("after table 1") << "RzRichEdit2" << 2 << QString();
    QTest::newRow("figure 2")
        << "RzRichEdit3" << 0
        << QStringLiteral("\t              Рисунок 2. Нелинейный кодер взвешивающего типа");
    QTest::newRow("lead-in") << "RzRichEdit3" << 2 << QStringLiteral("\tВ состав схемы входят:");
}

void TestUnit3::headingsAndCaptionsAreExact() {
    QFETCH(QString, name);
    QFETCH(int, line);
    QFETCH(QString, text);
    Form3->showScreen();
    QCOMPARE(block(name)->document()->findBlockByNumber(line).text(), text);
}

void TestUnit3::textBlocks_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"RzRichEdit1", "RzRichEdit11", "RzRichEdit2", "RzRichEdit3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestUnit3::textBlocks() {
    QFETCH(QString, name);
    Form3->showScreen();
    QCoreApplication::processEvents();
    ReadOnlyText* text = block(name);
    QCOMPARE(text->font().pixelSize(), 16);
    // The column scrolls, not the block: its whole text fits inside it.
    QCOMPARE(text->verticalScrollBar()->maximum(), 0);

    // Selectable, but nothing typed, pasted or cut changes it.
    const QString before = text->toPlainText();
    text->setFocus();
    text->selectAll();
    QVERIFY(!text->textCursor().selectedText().isEmpty());
    TypeText(text, QStringLiteral("ё x"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(text->toPlainText(), before);

    // The mouse wheel over a block scrolls the column.
    scrollBar()->setValue(text->y() + 50);
    const int top = scrollBar()->value();
    const QPoint point(100, 100);
    QWheelEvent wheel(point, text->viewport()->mapToGlobal(point), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel); // only wheel events from the mouse travel on
    qApp->notify(text->viewport(), &wheel);
    QVERIFY(scrollBar()->value() > top);
}

QTEST_MAIN(TestUnit3)
#include "tst_unit3.moc"
