#include "LabTestSupport.h"

#include "widgets/Label.h"
#include "widgets/NumericField.h"
#include "widgets/Picture.h"
#include "workbench/SchematicDrawing.h"
#include "workbench/SchematicPanel.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QtMath>

#include <functional>
#include <tuple>

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
    static const QImage image = renderOn(Schematic::kPictureSize, Schematic::paintSchematic);
    return image;
}

const QImage& figure() {
    static const QImage image = renderOn(Schematic::kFigure2Size, Schematic::paintFigure2);
    return image;
}

bool isWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
bool isGrey(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(128, 128, 128);
}

// Inclusive pixel ranges, as the picture's geometry is given.
QRect box(int x0, int x1, int y0, int y1) {
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

QString at(int x, int y) {
    return QStringLiteral("%1,%2").arg(x).arg(y);
}

} // namespace

class TestSchematicDrawing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareLabApplication(); }

    void blockOutlines_data();
    void blockOutlines();
    void arrowColumns_data();
    void arrowColumns();
    void connections_data();
    void connections();
    void leavesTheBackgroundUnpainted();
    void cellsLieOnWhite();
    void switchGapsOnlyInTheSchematic_data();
    void switchGapsOnlyInTheSchematic();
    void switchPictures();
    void figureLeavesItsFootToTheText();
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
    // Two pixels wide, exactly on the given ranges.
    for (const QPoint& p : {outline.topLeft(), outline.bottomRight(), outline.topRight(),
                            outline.bottomLeft(), outline.topLeft() + QPoint(1, 1)})
        QVERIFY2(isGrey(image, p.x(), p.y()), qPrintable(at(p.x(), p.y())));
    QVERIFY(isWhite(image, outline.left() - 1, outline.top() - 1));
    QVERIFY(isWhite(image, outline.right() - 2, outline.bottom() - 2));
    // The caption's ink is in its box and nowhere else inside the block.
    const QRect inside = outline.adjusted(2, 2, -2, -2);
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (!isWhite(image, x, y)) {
                QVERIFY2(caption.adjusted(-1, -1, 1, 1).contains(x, y), qPrintable(at(x, y)));
                ++ink;
            }
    QVERIFY(ink > 20);
}

void TestSchematicDrawing::arrowColumns_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("headTo");
    QTest::addColumn<int>("sourceTop");
    const auto row = [](const char* name, QList<int> lines, int headTo, int sourceTop) {
        for (int i = 0; i < lines.size(); ++i)
            QTest::addRow("%s %d", name, i + 1) << lines[i] << headTo << sourceTop;
    };
    row("to Gen1", {43, 61, 79, 97, 115, 133, 152, 170, 188, 206, 224}, 170, 199);
    row("to Gen2", {283, 301, 319, 337, 355, 373, 392, 410, 428, 446, 464}, 170, 199);
    row("to the switch block", {174, 192, 210, 228, 246, 264, 283, 301, 319, 337, 355}, 243, 271);
    row("to the selector", {192, 219, 246, 274, 301, 328, 355}, 316, 344);
}

void TestSchematicDrawing::arrowColumns() {
    QFETCH(int, x);
    QFETCH(int, headTo);
    QFETCH(int, sourceTop);
    const QImage& image = schematic();
    for (int y = headTo + 1; y < sourceTop; ++y)
        QVERIFY2(isGrey(image, x, y) && isGrey(image, x + 1, y) && isWhite(image, x - 1, y) &&
                     isWhite(image, x + 2, y),
                 qPrintable(QString::number(y)));
    // A filled head, widest at its base and narrow at its tip five pixels further up.
    for (int dx = -3; dx <= 4; ++dx)
        QVERIFY2(isGrey(image, x + dx, headTo), qPrintable(QString::number(dx)));
    QVERIFY(isWhite(image, x - 4, headTo) && isWhite(image, x + 5, headTo));
    QVERIFY(isWhite(image, x - 1, headTo - 5) && isWhite(image, x + 2, headTo - 5));
    QVERIFY(isWhite(image, x, headTo - 6) && isWhite(image, x + 1, headTo - 6));
}

void TestSchematicDrawing::connections_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("ink");
    const auto probe = [](const char* name, int x, int y, bool ink) {
        QTest::newRow(name) << QPoint(x, y) << ink;
    };
    probe("sample line", 300, 22, true);
    probe("U эт line", 250, 50, true);
    probe("U эт line has no arrowhead", 516, 46, false);
    probe("inside the U эт terminal", 372, 49, false);
    probe("minus sign", 113, 107, true);
    probe("minus has no upright", 113, 100, false);
    probe("plus sign upright", 353, 100, true);
    probe("comparator output down", 574, 200, true);
    probe("comparator decision arrowhead tip", 394, 347, true);
    probe("register bit up", 8, 300, true);
    probe("converter inputs apart", 420, 368, false);
    probe("inside the output terminal", 580, 362, false);
}

void TestSchematicDrawing::connections() {
    QFETCH(QPoint, point);
    QFETCH(bool, ink);
    QCOMPARE(!isWhite(schematic(), point.x(), point.y()), ink);
}

void TestSchematicDrawing::leavesTheBackgroundUnpainted() {
    // White is transparent on the screens: what lies under the picture must show through.
    const QImage image =
        renderOn(Schematic::kPictureSize, Schematic::paintSchematic, Qt::transparent);
    QCOMPARE(qAlpha(image.pixel(300, 100)), 0);
    QCOMPARE(qAlpha(image.pixel(133, 80)), 0);
    QCOMPARE(qAlpha(image.pixel(300, 22)), 255);
}

void TestSchematicDrawing::cellsLieOnWhite() {
    for (const auto flavour :
         {SchematicPanel::Flavour::Demonstration, SchematicPanel::Flavour::Practice}) {
        QWidget screen;
        SchematicPanel panel(&screen, flavour);
        QList<QWidget*> cells = panel.allRowCells();
        cells << panel.comparatorCell();
        // Label cells as they measure "0", the number fields as wide as "-1024".
        QList<QRect> places;
        for (const QWidget* cell : cells)
            places << (qobject_cast<const QLabel*>(cell) ? QRect(cell->pos(), QSize(7, 16))
                                                         : cell->geometry());
        places << QRect(panel.uaimField()->pos(), QSize(32, 16));
        places << (panel.uetLabel() ? QRect(panel.uetLabel()->pos(), QSize(32, 16))
                                    : panel.uetField()->geometry());
        for (const QRect& place : places) {
            const QRect cell = place.translated(-Schematic::kPictureOrigin);
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    QVERIFY2(isWhite(schematic(), x, y), qPrintable(at(x, y)));
        }
    }
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
    // Figure 2 has no switches: its output lines run through.
    const QPointF p = Schematic::figure2Transform().map(QPointF(x + 1, y + 0.5));
    QVERIFY(qGray(figure().pixel(qFloor(p.x()), qFloor(p.y()))) < 128);
}

void TestSchematicDrawing::switchPictures() {
    // The open switch: a stroke from its lower left corner to its upper right one.
    const QImage open = renderOn(Schematic::kOpenSwitchSize, Schematic::paintOpenSwitch);
    const int right = open.width() - 1, bottom = open.height() - 1;
    QVERIFY(isGrey(open, 0, bottom) && isGrey(open, right, 0));
    QVERIFY(isWhite(open, 0, 0) && isWhite(open, right, bottom));

    // The closed switch, laid where the coder screens lay it, makes the output line whole.
    for (const auto flavour :
         {SchematicPanel::Flavour::Demonstration, SchematicPanel::Flavour::Practice})
        for (const auto& [generator, line, top] :
             {std::tuple{SchematicPanel::Row::Gen1, 133, 51},
              std::tuple{SchematicPanel::Row::Gen2, 372, 56}}) {
            QWidget screen;
            SchematicPanel panel(&screen, flavour);
            const QPoint place = panel.closedSwitch(generator)->pos();
            const QImage image = renderOn(Schematic::kPictureSize, [&](QPainter& painter) {
                Schematic::paintSchematic(painter);
                painter.translate(place - Schematic::kPictureOrigin);
                Schematic::paintClosedSwitch(painter);
            });
            for (int y = top; y <= 125; ++y)
                QVERIFY2(isGrey(image, line, y) && isGrey(image, line + 1, y) &&
                             isWhite(image, line - 1, y) && isWhite(image, line + 2, y),
                         qPrintable(at(line, y)));
        }
}

void TestSchematicDrawing::figureLeavesItsFootToTheText() {
    // The theory text that follows Figure 2 covers its rows from 352 down.
    const QImage& image = figure();
    for (int y = 352; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(isWhite(image, x, y), qPrintable(at(x, y)));
}

QTEST_MAIN(TestSchematicDrawing)
#include "tst_schematicdrawing.moc"
