#include "LabTestSupport.h"

#include "workbench/SchematicDrawing.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>
#include <QtMath>

#include <functional>

namespace {

using Paint = std::function<void(QPainter&)>;

QImage renderOn(QSize size, const Paint& paint, QColor background = Qt::white) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    paint(painter);
    return image;
}

const QImage& schematic() {
    static const QImage image = renderOn(Schematic::kPictureSize, Schematic::PaintSchematic);
    return image;
}

const QImage& figure() {
    static const QImage image = renderOn(Schematic::kFigure2Size, Schematic::PaintFigure2);
    return image;
}

bool isWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
bool isGrey(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(128, 128, 128);
}

// The pixel of Figure 2 where the centre of schematic pixel (x, y) lands.
QPoint inFigure(qreal x, qreal y) {
    const QPointF p = Schematic::Figure2Transform().map(QPointF(x + 0.5, y + 0.5));
    return QPoint(qFloor(p.x()), qFloor(p.y()));
}

bool isDark(const QImage& image, QPoint at) {
    return qGray(image.pixel(at)) < 128;
}

// Inclusive pixel ranges, as the picture's geometry is given.
QRect box(int x0, int x1, int y0, int y1) {
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

struct ArrowRow {
    const char* name;
    QList<int> lines;
    int headFrom, headTo, sourceTop;
};

const QList<ArrowRow>& upwardArrows() {
    static const QList<ArrowRow> rows{
        {"switch block to Gen1",
         {43, 61, 79, 97, 115, 133, 152, 170, 188, 206, 224},
         165,
         170,
         199},
        {"switch block to Gen2",
         {283, 301, 319, 337, 355, 373, 392, 410, 428, 446, 464},
         165,
         170,
         199},
        {"selector to switch block",
         {174, 192, 210, 228, 246, 264, 283, 301, 319, 337, 355},
         238,
         243,
         271},
        {"register to selector", {192, 219, 246, 274, 301, 328, 355}, 311, 316, 344},
    };
    return rows;
}

// Everything the schematic may draw on: blocks, lines with their arrowheads, terminals,
// polarity signs and the boxes of the texts.
QRegion declaredInk() {
    QRegion region;
    for (const QRect& r : {
             box(518, 556, 13, 59),   box(33, 236, 126, 163),  box(272, 475, 126, 163),
             box(27, 483, 199, 236),  box(137, 393, 271, 309), box(137, 393, 344, 381),
             box(465, 538, 344, 381),                                                 // blocks
             box(114, 125, 17, 29),   box(125, 517, 18, 27),   box(125, 192, 3, 17),  // sample
             box(133, 517, 49, 50),   box(367, 378, 44, 55),   box(368, 405, 29, 43), // U эт
             box(133, 134, 49, 126),  box(100, 126, 94, 120),  box(372, 373, 55, 126),
             box(340, 366, 94, 120), // generator outputs and signs
             box(531, 543, 91, 103),  box(532, 541, 60, 103),  box(528, 546, 114, 125),
             box(516, 553, 131, 145), // control input of the comparator
             box(557, 574, 34, 35),   box(573, 574, 34, 320),  box(428, 574, 319, 320),
             box(428, 429, 319, 348), box(394, 429, 344, 351), // comparator to register
             box(8, 137, 353, 354),   box(8, 9, 217, 354),     box(8, 25, 214, 221),
             box(98, 109, 364, 376),  box(110, 135, 366, 373), box(93, 111, 380, 391),
             box(81, 118, 395, 409),  box(392, 464, 350, 362), box(392, 464, 374, 381),
             box(499, 511, 406, 417), box(502, 509, 382, 406), box(492, 510, 421, 432),
             box(481, 518, 435, 449), box(538, 574, 362, 363), box(574, 586, 357, 368),
             box(542, 590, 338, 352),
         })
        region += r;
    for (const ArrowRow& row : upwardArrows())
        for (int x : row.lines)
            region += box(x - 3, x + 4, row.headFrom, row.sourceTop);
    return region;
}

} // namespace

class TestSchematicDrawing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void blockOutlines_data();
    void blockOutlines();
    void arrowRows_data();
    void arrowRows();
    void connections_data();
    void connections();
    void nothingBeyondTheDrawnElements();
    void cellsAndFieldsLieOnWhite_data();
    void cellsAndFieldsLieOnWhite();
    void leavesTheBackgroundUnpainted();
    void switchGapsOnlyInTheSchematic_data();
    void switchGapsOnlyInTheSchematic();
    void closedSwitchFillsTheLineColumns();
    void closedSwitchClosesTheGap_data();
    void closedSwitchClosesTheGap();
    void openSwitchRunsCornerToCorner();
    void figureNumbersItsLines_data();
    void figureNumbersItsLines();
    void figureStaysAboveTheTextBelowIt();
};

void TestSchematicDrawing::blockOutlines_data() {
    QTest::addColumn<QRect>("outline");
    QTest::addColumn<QRect>("caption");
    QTest::newRow("comparator") << box(518, 556, 13, 59) << box(533, 542, 31, 43);
    QTest::newRow("Gen1") << box(33, 236, 126, 163) << box(118, 153, 139, 154);
    QTest::newRow("Gen2") << box(272, 475, 126, 163) << box(359, 395, 139, 154);
    QTest::newRow("switch block") << box(27, 483, 199, 236) << box(245, 273, 212, 223);
    QTest::newRow("selector") << box(137, 393, 271, 309) << box(250, 279, 283, 294);
    QTest::newRow("register") << box(137, 393, 344, 381) << box(255, 274, 356, 370);
    QTest::newRow("code converter") << box(465, 538, 344, 381) << box(493, 513, 356, 368);
}

void TestSchematicDrawing::blockOutlines() {
    QFETCH(QRect, outline);
    QFETCH(QRect, caption);
    const QImage& image = schematic();
    const int midY = outline.center().y();
    // Two pixels wide, exactly on the given ranges.
    for (const QPoint& p :
         {outline.topLeft(), outline.bottomRight(), outline.topRight(), outline.bottomLeft(),
          outline.topLeft() + QPoint(1, 1), outline.bottomRight() - QPoint(1, 1)})
        QVERIFY2(isGrey(image, p.x(), p.y()),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QVERIFY(isWhite(image, outline.left() - 1, outline.top() - 1));
    QVERIFY(isWhite(image, outline.right() + 1, outline.bottom() + 1));
    QVERIFY(isWhite(image, outline.left() + 2, midY));
    QVERIFY(isWhite(image, outline.right() - 2, midY));
    QVERIFY(isWhite(image, outline.left() + 4, outline.top() + 2));
    // The caption's ink is in its box and nowhere else inside the block.
    const QRect inside = outline.adjusted(2, 2, -2, -2);
    int inkInBox = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (isWhite(image, x, y))
                continue;
            QVERIFY2(caption.adjusted(-1, -1, 1, 1).contains(x, y),
                     qPrintable(QStringLiteral("stray ink at %1,%2").arg(x).arg(y)));
            ++inkInBox;
        }
    QVERIFY(inkInBox > 20);
}

void TestSchematicDrawing::arrowRows_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("headFrom");
    QTest::addColumn<int>("headTo");
    QTest::addColumn<int>("sourceTop");
    for (const ArrowRow& row : upwardArrows())
        for (int i = 0; i < row.lines.size(); ++i)
            QTest::addRow("%s %d", row.name, i + 1)
                << row.lines[i] << row.headFrom << row.headTo << row.sourceTop;
}

void TestSchematicDrawing::arrowRows() {
    QFETCH(int, x);
    QFETCH(int, headFrom);
    QFETCH(int, headTo);
    QFETCH(int, sourceTop);
    const QImage& image = schematic();
    for (int y = headFrom; y < sourceTop; ++y) {
        QVERIFY2(isGrey(image, x, y) && isGrey(image, x + 1, y), qPrintable(QString::number(y)));
        if (y > headTo)
            QVERIFY(isWhite(image, x - 1, y) && isWhite(image, x + 2, y));
    }
    // A filled head, widest at its base, its tip one pixel short of the receiving block.
    for (int dx = -3; dx <= 4; ++dx)
        QVERIFY2(isGrey(image, x + dx, headTo), qPrintable(QString::number(dx)));
    QVERIFY(isWhite(image, x - 4, headTo) && isWhite(image, x + 5, headTo));
    QVERIFY(isWhite(image, x - 1, headFrom) && isWhite(image, x + 2, headFrom));
    QVERIFY(isWhite(image, x, headFrom - 1) && isWhite(image, x + 1, headFrom - 1));
}

void TestSchematicDrawing::connections_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("ink");
    const auto probe = [](const char* name, int x, int y, bool ink) {
        QTest::newRow(name) << QPoint(x, y) << ink;
    };
    probe("sample line", 300, 22, true);
    probe("below the sample line", 300, 24, false);
    probe("sample arrowhead base", 511, 19, true);
    probe("U эт line", 250, 50, true);
    probe("U эт line has no arrowhead", 516, 46, false);
    probe("inside the U эт terminal", 372, 49, false);
    probe("Gen1 output above its switch", 133, 67, true);
    probe("Gen1 output below its switch", 133, 94, true);
    probe("Gen2 output above its switch", 372, 68, true);
    probe("Gen2 output below its switch", 373, 94, true);
    probe("minus sign", 113, 107, true);
    probe("minus has no upright", 113, 100, false);
    probe("plus sign upright", 353, 100, true);
    probe("comparator control arrowhead tip", 536, 61, true);
    probe("gap under the comparator", 536, 60, false);
    probe("comparator output down", 574, 200, true);
    probe("comparator output left", 500, 320, true);
    probe("comparator output down again", 429, 330, true);
    probe("comparator decision arrowhead tip", 394, 347, true);
    probe("register bit up", 8, 300, true);
    probe("register bit arrowhead tip", 25, 217, true);
    probe("gap before the switch block", 26, 217, false);
    probe("register control arrowhead tip", 135, 369, true);
    probe("converter input 1", 420, 353, true);
    probe("converter input 2", 420, 359, true);
    probe("between converter inputs 2 and 3", 420, 368, false);
    probe("converter input 3", 420, 378, true);
    probe("converter control arrowhead tip", 505, 383, true);
    probe("converter output", 560, 363, true);
    probe("inside the output terminal", 580, 362, false);
}

void TestSchematicDrawing::connections() {
    QFETCH(QPoint, at);
    QFETCH(bool, ink);
    QCOMPARE(!isWhite(schematic(), at.x(), at.y()), ink);
}

void TestSchematicDrawing::nothingBeyondTheDrawnElements() {
    // One pixel of slack for the soft edges of circles and letters.
    QRegion allowed;
    for (const QRect& r : declaredInk())
        allowed += r.adjusted(-1, -1, 1, 1);
    const QImage& image = schematic();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isWhite(image, x, y))
                QVERIFY2(allowed.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("stray ink at %1,%2").arg(x).arg(y)));
}

void TestSchematicDrawing::cellsAndFieldsLieOnWhite_data() {
    // Client rectangles of the cells and fields laid over the picture.
    QTest::addColumn<QRect>("client");
    const QList<int> gen1Demo{42, 60, 78, 96, 114, 132, 151, 169, 187, 205, 223};
    const QList<int> gen1Practice{37, 56, 74, 92, 110, 128, 147, 165, 183, 201, 219};
    const QList<int> gen2Demo{282, 300, 318, 336, 354, 372, 391, 409, 427, 445, 463};
    const QList<int> gen2Practice{278, 296, 314, 332, 350, 368, 387, 405, 423, 441, 459};
    const QList<int> selectorDemo{172, 191, 209, 227, 245, 263, 282, 300, 318, 336, 354};
    const QList<int> selectorPractice{169, 187, 205, 223, 241, 259, 278, 296, 314, 332, 350};
    for (int i = 0; i < 11; ++i) {
        QTest::addRow("Gen1 demo %d", i) << QRect(gen1Demo[i], 206, 7, 16);
        QTest::addRow("Gen2 demo %d", i) << QRect(gen2Demo[i], 206, 7, 16);
        QTest::addRow("Gen1 practice %d", i) << QRect(gen1Practice[i], 201, 13, 21);
        QTest::addRow("Gen2 practice %d", i) << QRect(gen2Practice[i], 201, 13, 21);
        QTest::addRow("selector demo %d", i) << QRect(selectorDemo[i], 278, 7, 16);
        QTest::addRow("selector practice %d", i) << QRect(selectorPractice[i], 273, 13, 21);
    }
    const QList<int> registerDemo{128, 191, 218, 245, 272, 300, 327, 354};
    const QList<int> registerPractice{126, 187, 214, 241, 269, 296, 323, 350};
    for (int i = 0; i < 8; ++i) {
        QTest::addRow("register demo %d", i) << QRect(registerDemo[i], 351, 7, 16);
        QTest::addRow("register practice %d", i) << QRect(registerPractice[i], 346, 13, 21);
    }
    QTest::newRow("comparator cell, demo") << QRect(568, 64, 7, 16);
    QTest::newRow("comparator cell, practice") << QRect(566, 68, 13, 21);
    QTest::newRow("U эт field, demo") << QRect(420, 52, 32, 16);
    QTest::newRow("U эт field, practice") << QRect(420, 50, 43, 21);
    QTest::newRow("Uаим field") << QRect(208, 28, 32, 16);
}

void TestSchematicDrawing::cellsAndFieldsLieOnWhite() {
    QFETCH(QRect, client);
    const QRect cell = client.translated(-Schematic::kPictureOrigin);
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            QVERIFY2(isWhite(schematic(), x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestSchematicDrawing::leavesTheBackgroundUnpainted() {
    const QImage image =
        renderOn(Schematic::kPictureSize, Schematic::PaintSchematic, Qt::transparent);
    QCOMPARE(qAlpha(image.pixel(300, 100)), 0);
    QCOMPARE(qAlpha(image.pixel(133, 80)), 0);
    QCOMPARE(qAlpha(image.pixel(300, 22)), 255);
    // The painter is handed back as it came.
    QImage target(10, 10, QImage::Format_ARGB32);
    QPainter painter(&target);
    painter.translate(3, 4);
    const QTransform before = painter.transform();
    Schematic::PaintSchematic(painter);
    Schematic::PaintFigure2(painter);
    QCOMPARE(painter.transform(), before);
}

void TestSchematicDrawing::switchGapsOnlyInTheSchematic_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    for (int y : {68, 80, 93})
        QTest::addRow("Gen1 output at %d", y) << 133 << y;
    for (int y : {69, 80, 93})
        QTest::addRow("Gen2 output at %d", y) << 372 << y;
}

void TestSchematicDrawing::switchGapsOnlyInTheSchematic() {
    QFETCH(int, x);
    QFETCH(int, y);
    QVERIFY(isWhite(schematic(), x, y) && isWhite(schematic(), x + 1, y));
    QVERIFY(isDark(figure(), inFigure(x + 0.5, y)));
}

void TestSchematicDrawing::closedSwitchFillsTheLineColumns() {
    const QImage image = renderOn(Schematic::kClosedSwitchSize, Schematic::PaintClosedSwitch);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(isGrey(image, x, y), x == 3 || x == 4);
}

void TestSchematicDrawing::closedSwitchClosesTheGap_data() {
    QTest::addColumn<QPoint>("client");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("top");
    QTest::newRow("Gen1") << QPoint(138, 87) << 133 << 51;
    QTest::newRow("Gen2, demonstration") << QPoint(377, 88) << 372 << 56;
    QTest::newRow("Gen2, practice") << QPoint(377, 87) << 372 << 56;
}

void TestSchematicDrawing::closedSwitchClosesTheGap() {
    QFETCH(QPoint, client);
    QFETCH(int, line);
    QFETCH(int, top);
    // Laid where the coder screens lay it, the bar makes the output line whole.
    const QImage image = renderOn(Schematic::kPictureSize, [&](QPainter& painter) {
        Schematic::PaintSchematic(painter);
        painter.translate(client - Schematic::kPictureOrigin);
        Schematic::PaintClosedSwitch(painter);
    });
    for (int y = top; y <= 125; ++y)
        QVERIFY2(isGrey(image, line, y) && isGrey(image, line + 1, y) &&
                     isWhite(image, line - 1, y) && isWhite(image, line + 2, y),
                 qPrintable(QString::number(y)));
}

void TestSchematicDrawing::openSwitchRunsCornerToCorner() {
    const QImage image = renderOn(Schematic::kOpenSwitchSize, Schematic::PaintOpenSwitch);
    const int right = image.width() - 1, bottom = image.height() - 1;
    QVERIFY(isGrey(image, 0, bottom));
    QVERIFY(isGrey(image, right, 0));
    QVERIFY(isWhite(image, 0, 0));
    QVERIFY(isWhite(image, right, bottom));
    // A thin stroke: in every row, one or two neighbouring pixels, moving right going up.
    int previous = -1;
    for (int y = bottom; y >= 0; --y) {
        QList<int> ink;
        for (int x = 0; x <= right; ++x)
            if (!isWhite(image, x, y))
                ink << x;
        QVERIFY2(!ink.isEmpty() && ink.size() <= 2 && ink.last() - ink.first() <= 1,
                 qPrintable(QString::number(y)));
        QVERIFY(ink.first() >= previous);
        previous = ink.first();
    }
}

void TestSchematicDrawing::figureNumbersItsLines_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<bool>("numbered");
    for (const ArrowRow& row : upwardArrows()) {
        const bool abridged = row.headTo == 170;
        for (int i = 0; i < row.lines.size(); ++i)
            QTest::addRow("%s %d", row.name, i + 1)
                << row.lines[i] << row.headTo + 1 << row.sourceTop - 1
                << (!abridged || i < 2 || i == 5 || i == 10);
    }
}

void TestSchematicDrawing::figureNumbersItsLines() {
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(bool, numbered);
    // The figure marks each line just left of it, where the cells stand in the schematic.
    const QRect area(inFigure(x - 14, top), inFigure(x - 3, bottom));
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int px = area.left(); px <= area.right(); ++px)
            ink += qGray(figure().pixel(px, y)) < 160;
    QCOMPARE(ink > 3, numbered);
}

void TestSchematicDrawing::figureStaysAboveTheTextBelowIt() {
    // The theory text that follows the figure covers its rows from 352 down.
    const QImage& image = figure();
    for (int y = 352; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255), qPrintable(QString::number(y)));
    // Nothing spills past the figure's own size.
    const QImage wide = renderOn(Schematic::kFigure2Size + QSize(40, 40), [](QPainter& p) {
        p.translate(20, 20);
        Schematic::PaintFigure2(p);
    });
    const QRect inside(QPoint(20, 20), Schematic::kFigure2Size);
    for (int y = 0; y < wide.height(); ++y)
        for (int x = 0; x < wide.width(); ++x)
            if (!inside.contains(x, y))
                QVERIFY(wide.pixel(x, y) == qRgb(255, 255, 255));
    // Without the label of the U эт line.
    const QRect label(inFigure(369, 30), inFigure(404, 42));
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            QVERIFY(image.pixel(x, y) == qRgb(255, 255, 255));
}

QTEST_MAIN(TestSchematicDrawing)
#include "tst_schematicdrawing.moc"
