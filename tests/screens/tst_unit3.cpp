#include "LabTestSupport.h"

#include "screens/TheoryFigures.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "widgets/LinkLabel.h"
#include "widgets/Picture.h"
#include "widgets/ReadOnlyText.h"

#include <QPainter>
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

    void scrollBoxFillsTheScreen();
    void columnBlocks_data();
    void columnBlocks();
    void lastTextBlockLiesOverTheFootOfFigure2();
    void picturesKeepTheirNaturalSize_data();
    void picturesKeepTheirNaturalSize();
    void figuresStayInsideTheirPictures_data();
    void figuresStayInsideTheirPictures();
    void textsLoadOnlyWhenFirstShown();
    void opensAtTheEndWithTheLinkInView();
    void topShowsTheHeading();
    void keepsItsPlaceWhileHidden();
    void headingsAndCaptionsAreExact_data();
    void headingsAndCaptionsAreExact();
    void blocksHoldTheirWholeText_data();
    void blocksHoldTheirWholeText();
    void blocksAreReadOnlyButSelectable_data();
    void blocksAreReadOnlyButSelectable();
    void tabRunsThroughTheBlocksInOrder();
    void wheelOverATextBlockScrollsTheColumn_data();
    void wheelOverATextBlockScrollsTheColumn();

private:
    static QScrollArea* scrollBox() { return Control<QScrollArea>(Form3, "ScrollBox1"); }
    static QScrollBar* scrollBar() { return scrollBox()->verticalScrollBar(); }
    static void addBlockRows();

    std::unique_ptr<LabFrame> frame;
};

void TestUnit3::addBlockRows() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"RzRichEdit1", "RzRichEdit11", "RzRichEdit2", "RzRichEdit3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestUnit3::scrollBoxFillsTheScreen() {
    QScrollArea* box = scrollBox();
    QCOMPARE(box->geometry(), QRect(0, 0, 590, 441));
    QCOMPARE(box->frameShadow(), QFrame::Sunken);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->widget()->size(), QSize(570, TForm3::kContentHeight));
    QCOMPARE(box->widget()->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(box->widget()->autoFillBackground());
    Form3->showScreen();
    // The column fits across: nothing of it hides behind the border or the scroll bar.
    QVERIFY(box->viewport()->width() >= 570);
    QCOMPARE(scrollBar()->maximum(), TForm3::kContentHeight - box->viewport()->height());
    QVERIFY(scrollBar()->hasTracking());
}

void TestUnit3::columnBlocks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("first text") << "RzRichEdit1" << QRect(0, 0, 570, 735);
    QTest::newRow("figure 1") << "Image1" << QRect(0, 735, 570, 325);
    QTest::newRow("second text") << "RzRichEdit11" << QRect(0, 1060, 570, 754);
    QTest::newRow("table 1") << "Image2" << QRect(0, 1814, 570, 275);
    QTest::newRow("third text") << "RzRichEdit2" << QRect(0, 2089, 570, 209);
    QTest::newRow("figure 2") << "Image3" << QRect(0, 2298, 570, 406);
    QTest::newRow("last text") << "RzRichEdit3" << QRect(0, 2651, 567, 480);
    QTest::newRow("link") << "RzURLLabel1" << QRect(176, 3131, 209, 27);
}

void TestUnit3::columnBlocks() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto* widget = Control<QWidget>(Form3, qPrintable(name));
    QCOMPARE(widget->parentWidget(), scrollBox()->widget());
    QCOMPARE(widget->geometry(), geometry);
}

void TestUnit3::lastTextBlockLiesOverTheFootOfFigure2() {
    auto* text = Control<TReadOnlyText>(Form3, "RzRichEdit3");
    auto* figure = Control<TPicture>(Form3, "Image3");
    QCOMPARE(figure->geometry().intersected(text->geometry()).height(), 53);
    const QObjectList& stack = scrollBox()->widget()->children();
    QVERIFY(stack.indexOf(figure) < stack.indexOf(text));
}

void TestUnit3::picturesKeepTheirNaturalSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("natural");
    QTest::newRow("figure 1") << "Image1" << QSize(461, 324);
    QTest::newRow("table 1") << "Image2" << QSize(554, 265);
    QTest::newRow("figure 2") << "Image3" << QSize(489, 404);
}

void TestUnit3::picturesKeepTheirNaturalSize() {
    QFETCH(QString, name);
    QFETCH(QSize, natural);
    auto* picture = Control<TPicture>(Form3, qPrintable(name));
    QCOMPARE(picture->naturalSize(), natural);
    QVERIFY(picture->width() >= natural.width());
    QVERIFY(picture->height() >= natural.height());
}

void TestUnit3::figuresStayInsideTheirPictures_data() {
    QTest::addColumn<QSize>("natural");
    QTest::addColumn<TPicture::Drawing>("drawing");
    QTest::newRow("figure 1") << TheoryFigures::kFigure1Size
                              << TPicture::Drawing(TheoryFigures::PaintFigure1);
    QTest::newRow("table 1") << TheoryFigures::kTable1Size
                             << TPicture::Drawing(TheoryFigures::PaintTable1);
}

void TestUnit3::figuresStayInsideTheirPictures() {
    QFETCH(QSize, natural);
    QFETCH(TPicture::Drawing, drawing);
    // Drawn on a wider sheet, nothing may land outside the picture's own rectangle.
    constexpr int margin = 40;
    QImage sheet(natural + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        painter.translate(margin, margin);
        drawing(painter);
    }
    const QRect inside(QPoint(margin, margin), natural);
    int inked = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            if (sheet.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            QVERIFY2(inside.contains(x, y),
                     qPrintable(QStringLiteral("ink at %1,%2").arg(x - margin).arg(y - margin)));
            ++inked;
        }
    QVERIFY(inked > natural.width() * natural.height() / 50);
}

void TestUnit3::textsLoadOnlyWhenFirstShown() {
    for (const char* name : {"RzRichEdit1", "RzRichEdit11", "RzRichEdit2", "RzRichEdit3"})
        QVERIFY2(Control<TReadOnlyText>(Form3, name)->document()->isEmpty(), name);
    Form3->showScreen();
    for (const char* name : {"RzRichEdit1", "RzRichEdit11", "RzRichEdit2", "RzRichEdit3"})
        QVERIFY2(!Control<TReadOnlyText>(Form3, name)->document()->isEmpty(), name);
}

void TestUnit3::opensAtTheEndWithTheLinkInView() {
    Form3->showScreen();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    QCoreApplication::processEvents();
    QCOMPARE(scrollBar()->value(), TForm3::kStoredScrollTop);
    QCOMPARE(scrollBar()->maximum(), TForm3::kStoredScrollTop);

    auto* link = Control<TLinkLabel>(Form3, "RzURLLabel1");
    QCOMPARE(link->text(), QStringLiteral("Перейти к вводному тесту >>"));
    QCOMPARE(link->font().pixelSize(), 13);
    QVERIFY(link->font().underline());
    QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width());
    QWidget* viewport = scrollBox()->viewport();
    const QRect shown(link->mapTo(viewport, QPoint(0, 0)), link->size());
    QVERIFY(viewport->rect().contains(shown));
    // The end of the last text block is in view as well.
    auto* last = Control<TReadOnlyText>(Form3, "RzRichEdit3");
    QVERIFY(last->mapTo(viewport, QPoint(0, last->height())).y() <= viewport->height());

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(VisibleScreens(), QList<QWidget*>{Form4});
}

void TestUnit3::topShowsTheHeading() {
    Form3->showScreen();
    scrollBar()->setValue(0);
    auto* first = Control<TReadOnlyText>(Form3, "RzRichEdit1");
    QCOMPARE(first->mapTo(scrollBox()->viewport(), QPoint(0, 0)), QPoint(0, 0));
    const QTextBlock heading = first->document()->firstBlock();
    QVERIFY(heading.text().contains(QStringLiteral("КРАТКАЯ ТЕОРИЯ")));
    QTextCursor atHeading(heading);
    QVERIFY(first->viewport()->rect().contains(first->cursorRect(atHeading)));
}

void TestUnit3::keepsItsPlaceWhileHidden() {
    Form3->showScreen();
    scrollBar()->setValue(1000);
    Form3->hide();
    Form3->showScreen();
    QCoreApplication::processEvents();
    QCOMPARE(scrollBar()->value(), 1000);
}

void TestUnit3::headingsAndCaptionsAreExact_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("heading") << "RzRichEdit1" << 0 << QStringLiteral("\t\t\t\t  КРАТКАЯ ТЕОРИЯ");
    QTest::newRow("subheading") << "RzRichEdit1" << 1 << QStringLiteral("\t\t\t\t     КОДИРОВАНИЕ");
    QTest::newRow("after the headings") << "RzRichEdit1" << 2 << QString();
    QTest::newRow("figure 1, first line")
        << "RzRichEdit11" << 0
        << QStringLiteral("               Рисунок 1. Сегментированная характеристика "
                          "компрессии типа ");
    QTest::newRow("figure 1, second line") << "RzRichEdit11" << 1 << QStringLiteral("А=87,6");
    QTest::newRow("after figure 1") << "RzRichEdit11" << 2 << QString();
    QTest::newRow("table 1, first line")
        << "RzRichEdit2" << 0
        << QStringLiteral("\t          Таблица 1. Алгоритм выбора основных эталонов при ");
    QTest::newRow("table 1, second line")
        << "RzRichEdit2" << 1 << QStringLiteral("нелинейном кодировании");
    QTest::newRow("after table 1") << "RzRichEdit2" << 2 << QString();
    QTest::newRow("figure 2")
        << "RzRichEdit3" << 0
        << QStringLiteral("\t              Рисунок 2. Нелинейный кодер взвешивающего типа");
    QTest::newRow("after figure 2") << "RzRichEdit3" << 1 << QString();
    QTest::newRow("lead-in") << "RzRichEdit3" << 2 << QStringLiteral("\tВ состав схемы входят:");
}

void TestUnit3::headingsAndCaptionsAreExact() {
    QFETCH(QString, name);
    QFETCH(int, line);
    QFETCH(QString, text);
    Form3->showScreen();
    auto* block = Control<TReadOnlyText>(Form3, qPrintable(name));
    QCOMPARE(block->document()->findBlockByNumber(line).text(), text);
}

void TestUnit3::blocksHoldTheirWholeText_data() {
    addBlockRows();
}

void TestUnit3::blocksHoldTheirWholeText() {
    QFETCH(QString, name);
    Form3->showScreen();
    QCoreApplication::processEvents();
    auto* block = Control<TReadOnlyText>(Form3, qPrintable(name));
    QCOMPARE(block->font().pixelSize(), 16);
    QCOMPARE(block->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(block->frameShape(), QFrame::NoFrame);
    // The column scrolls, not the block: its whole text fits inside it.
    QCOMPARE(block->verticalScrollBar()->maximum(), 0);
    QTextCursor end(block->document());
    end.movePosition(QTextCursor::End);
    QVERIFY(block->cursorRect(end).bottom() < block->viewport()->height());
    QVERIFY(block->document()->blockCount() >= 4);
}

void TestUnit3::blocksAreReadOnlyButSelectable_data() {
    addBlockRows();
}

void TestUnit3::blocksAreReadOnlyButSelectable() {
    QFETCH(QString, name);
    Form3->showScreen();
    auto* block = Control<TReadOnlyText>(Form3, qPrintable(name));
    const QString before = block->toPlainText();
    block->setFocus();
    block->selectAll();
    QVERIFY(!block->textCursor().selectedText().isEmpty());
    TypeText(block, QStringLiteral("ё x"));
    QTest::keyClick(block, Qt::Key_Backspace);
    QTest::keyClick(block, Qt::Key_Delete);
    QTest::keyClick(block, Qt::Key_Return);
    QTest::keyClick(block, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(block, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(block->toPlainText(), before);
}

void TestUnit3::tabRunsThroughTheBlocksInOrder() {
    Form3->showScreen();
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    const QStringList order{"RzRichEdit1", "RzRichEdit11", "RzRichEdit2", "RzRichEdit3"};
    Control<QWidget>(Form3, "RzRichEdit1")->setFocus();
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
}

void TestUnit3::wheelOverATextBlockScrollsTheColumn_data() {
    addBlockRows();
}

void TestUnit3::wheelOverATextBlockScrollsTheColumn() {
    QFETCH(QString, name);
    Form3->showScreen();
    auto* block = Control<TReadOnlyText>(Form3, qPrintable(name));
    scrollBar()->setValue(block->y() + 50);
    const int before = scrollBar()->value();
    const QPoint at(100, 100);
    QWheelEvent wheel(at, block->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the mouse: only such wheel events travel on to the parents.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(block->viewport(), &wheel);
    QVERIFY(scrollBar()->value() > before);
}

QTEST_MAIN(TestUnit3)
#include "tst_unit3.moc"
