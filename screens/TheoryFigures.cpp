// SPDX-License-Identifier: MIT
#include "screens/TheoryFigures.h"

#include "coder/CoderModel.h"
#include "foundation/LabStyle.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace TheoryFigures {

namespace {

const QColor kGridColour{150, 150, 150};

void drawCentred(QPainter& painter, QPointF centre, const QString& text) {
    const QRectF box(centre.x() - 100, centre.y() - 50, 200, 100);
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawRightAligned(QPainter& painter, QPointF rightCentre, const QString& text) {
    const QRectF box(rightCentre.x() - 200, rightCentre.y() - 50, 200, 100);
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
}

// A line ending in a small filled arrowhead at `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to, qreal head = 7) {
    const QLineF line(from, to);
    const QPointF unit = (to - from) / line.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - unit * head;
    painter.drawLine(QLineF(from, base));
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(base + normal * head * 0.38);
    tip.lineTo(base - normal * head * 0.38);
    tip.closeSubpath();
    painter.fillPath(tip, painter.pen().color());
}

void drawCircled(QPainter& painter, QPointF centre, qreal radius, const QString& text) {
    painter.drawEllipse(centre, radius, radius);
    drawCentred(painter, centre, text);
}

// A symbol with a subscript, as "U" with "вых" below its right side; returns its width.
struct Subscripted {
    QString symbol;
    QString subscript;
    QFont symbolFont = [] {
        QFont font = LabStyle::serif(15);
        font.setItalic(true);
        return font;
    }();
    QFont subscriptFont = LabStyle::sans(10);

    qreal width() const {
        return QFontMetricsF(symbolFont).horizontalAdvance(symbol) + 1 +
               QFontMetricsF(subscriptFont).horizontalAdvance(subscript);
    }

    void draw(QPainter& painter, QPointF baselineLeft) const {
        painter.setFont(symbolFont);
        painter.drawText(baselineLeft, symbol);
        painter.setFont(subscriptFont);
        const qreal advance = QFontMetricsF(symbolFont).horizontalAdvance(symbol) + 1;
        painter.drawText(baselineLeft + QPointF(advance, 4), subscript);
    }
};

// Numerator over denominator, centred on `centre`, the fraction bar at its height.
void drawFraction(QPainter& painter, QPointF centre, const Subscripted& numerator,
                  const Subscripted& denominator) {
    const qreal bar = std::max(numerator.width(), denominator.width()) + 4;
    numerator.draw(painter, {centre.x() - numerator.width() / 2, centre.y() - 5});
    painter.drawLine(QLineF(centre.x() - bar / 2, centre.y(), centre.x() + bar / 2, centre.y()));
    denominator.draw(painter, {centre.x() - denominator.width() / 2, centre.y() + 14});
}

// ----- Figure 1 -----

// Plot frame: the output level 0 ... 128 up, the input share 0 ... 1 across.
constexpr qreal kAxisX = 92;
constexpr qreal kAxisY = 286;
constexpr qreal kTopLevelY = 46;
constexpr qreal kFullInputX = 400;

qreal levelY(qreal level) {
    return kAxisY - level * (kAxisY - kTopLevelY) / 128;
}

qreal inputX(qreal share) {
    return kAxisX + share * (kFullInputX - kAxisX);
}

constexpr std::array<qreal, 5> kInputGrid{0.0625, 0.125, 0.25, 0.5, 1.0};

void drawFigure1Grid(QPainter& painter) {
    painter.setPen(QPen(kGridColour, 1, Qt::DotLine));
    for (int level = 16; level <= 128; level += 16)
        painter.drawLine(QLineF(kAxisX, levelY(level), kFullInputX, levelY(level)));
    for (const qreal share : kInputGrid)
        painter.drawLine(QLineF(inputX(share), kAxisY, inputX(share), kTopLevelY));
}

void drawFigure1Axes(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1.5));
    drawArrow(painter, {kAxisX, kAxisY}, {kAxisX, 14}, 9);
    drawArrow(painter, {kAxisX, kAxisY}, {454, kAxisY}, 9);
    painter.setPen(QPen(Qt::black, 1));

    drawFraction(painter, {kAxisX + 32, 20}, {QStringLiteral("U"), QStringLiteral("вых")},
                 {QStringLiteral("U"), QStringLiteral("вых max")});
    drawFraction(painter, {429, kAxisY - 24}, {QStringLiteral("U"), QStringLiteral("вх")},
                 {QStringLiteral("U"), QStringLiteral("вх max")});

    // Output marks and the segment numbers between them.
    painter.setFont(LabStyle::sans(11));
    for (int level = 0; level <= 128; level += 16) {
        painter.drawLine(QLineF(kAxisX - 4, levelY(level), kAxisX, levelY(level)));
        drawRightAligned(painter, {kAxisX - 6, levelY(level)}, QString::number(level));
    }
    painter.setFont(LabStyle::sans(10));
    for (int segment = 1; segment <= 8; ++segment)
        drawCircled(painter, {42, levelY(16 * segment - 8)}, 8, QString::number(segment));

    painter.save();
    painter.translate(14, (kAxisY + kTopLevelY) / 2);
    painter.rotate(-90);
    painter.setFont(LabStyle::sans(12));
    drawCentred(painter, {0, 0}, QStringLiteral("Сегменты кодирования"));
    painter.restore();

    // Input marks: the first two stand too close for one row, so the first drops a row.
    painter.setFont(LabStyle::sans(11));
    const QLocale russian(QLocale::Russian);
    for (std::size_t i = 0; i < kInputGrid.size(); ++i) {
        const qreal x = inputX(kInputGrid[i]);
        const qreal row = i == 0 ? 24 : 10;
        painter.drawLine(QLineF(x, kAxisY, x, kAxisY + row - 5));
        const QString mark =
            kInputGrid[i] == 1.0 ? QStringLiteral("1,0") : russian.toString(kInputGrid[i], 'g', 4);
        drawCentred(painter, {x, kAxisY + row + 2}, mark);
    }
    painter.setFont(LabStyle::sans(9));
    for (std::size_t i = 0; i + 1 < kInputGrid.size(); ++i) {
        const qreal x = (inputX(kInputGrid[i]) + inputX(kInputGrid[i + 1])) / 2;
        drawCircled(painter, {x, kAxisY - 11}, 7, QString::number(5 + int(i)));
    }
}

void drawCharacteristic(QPainter& painter) {
    // Each segment doubles the input span of the one below and adds 16 levels.
    static constexpr std::array<QPointF, 6> kBreaks{
        {{1.0 / 32, 48}, {0.0625, 64}, {0.125, 80}, {0.25, 96}, {0.5, 112}, {1.0, 128}}};
    QPolygonF line;
    for (const QPointF& point : kBreaks)
        line << QPointF(inputX(point.x()), levelY(point.y()));
    painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    painter.setBrush(Qt::black);
    for (const QPointF& point : line)
        painter.drawEllipse(point, 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
}

// ----- Table 1 -----

constexpr qreal kTableLeft = 1;
constexpr qreal kTableTop = 1;
constexpr qreal kHeaderBottom = 47;
constexpr qreal kRowHeight = 27;
constexpr qreal kTableBottom = kHeaderBottom + 8 * kRowHeight;
// Column edges: boundary, tacts 2, 3, 4, digits 2-4, base reference, step.
constexpr std::array<qreal, 8> kColumnEdge{kTableLeft, 91, 161, 231, 301, 376, 476, 553};

qreal columnCentre(int column) {
    return (kColumnEdge[column] + kColumnEdge[column + 1]) / 2;
}

// The level between row `boundary - 1` and row `boundary`, counted from the top.
qreal boundaryY(int boundary) {
    return kHeaderBottom + boundary * kRowHeight;
}

void drawTableRules(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(kTableLeft + 0.5, kTableTop + 0.5, kColumnEdge.back() - kTableLeft,
                            kTableBottom - kTableTop));
    for (std::size_t i = 1; i + 1 < kColumnEdge.size(); ++i) {
        // Inside the tact columns only the header is ruled: the tree below is one field.
        const bool tactSeparator = i == 2 || i == 3;
        const qreal top = tactSeparator ? 24 : kTableTop;
        const qreal bottom = tactSeparator ? kHeaderBottom : kTableBottom;
        painter.drawLine(QLineF(kColumnEdge[i] + 0.5, top, kColumnEdge[i] + 0.5, bottom));
    }
    painter.drawLine(QLineF(kColumnEdge[1], 24.5, kColumnEdge[4], 24.5));
    painter.drawLine(
        QLineF(kTableLeft, kHeaderBottom + 0.5, kColumnEdge.back(), kHeaderBottom + 0.5));
    for (int row = 1; row < 8; ++row)
        painter.drawLine(
            QLineF(kColumnEdge[4], boundaryY(row) + 0.5, kColumnEdge.back(), boundaryY(row) + 0.5));
    // Faint guides carry each boundary from its value across the tree to its row line.
    painter.setPen(QPen(kGridColour, 1, Qt::DotLine));
    for (int boundary = 1; boundary < 8; ++boundary)
        painter.drawLine(QLineF(kColumnEdge[0] + 62, boundaryY(boundary) + 0.5, kColumnEdge[4],
                                boundaryY(boundary) + 0.5));
}

void drawTableHeader(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setFont(LabStyle::sans(13));
    const qreal upper = 16;
    const qreal lower = 35;
    drawCentred(painter, {columnCentre(0), upper}, QStringLiteral("Граница"));
    drawCentred(painter, {columnCentre(0), lower}, QStringLiteral("сегмента, Δ"));
    drawCentred(painter, {(kColumnEdge[1] + kColumnEdge[4]) / 2, 13},
                QStringLiteral("Такты кодирования"));
    for (int tact = 2; tact <= 4; ++tact)
        drawCentred(painter, {columnCentre(tact - 1), lower}, QString::number(tact));
    drawCentred(painter, {columnCentre(4), upper}, QStringLiteral("2, 3, 4"));
    drawCentred(painter, {columnCentre(4), lower}, QStringLiteral("разр."));
    const Subscripted base{QStringLiteral("U"), QStringLiteral("эт осн")};
    base.draw(painter, {columnCentre(5) - base.width() / 2, upper + 4});
    painter.setFont(LabStyle::sans(13));
    drawCentred(painter, {columnCentre(5), lower}, QStringLiteral("сегмента, Δ"));
    Subscripted step{QStringLiteral("Δ"), QStringLiteral("i")};
    step.symbolFont = LabStyle::sans(14);
    step.draw(painter, {columnCentre(6) - step.width() / 2, 29});
}

// The rows are the coder's segments, the highest first; the boundary between two rows is the
// base of the higher one.
const Coder::Segment& segmentInRow(int row) {
    return Coder::kSegments[std::size_t(7 - row)];
}

QString boundaryText(int boundary) {
    return QString::number(segmentInRow(boundary - 1).base);
}

void drawTableBody(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setFont(LabStyle::sans(13));
    for (int boundary = 1; boundary < 8; ++boundary)
        drawCentred(painter, {kColumnEdge[0] + 36, boundaryY(boundary)}, boundaryText(boundary));
    for (int row = 0; row < 8; ++row) {
        const Coder::Segment& segment = segmentInRow(row);
        const qreal y = boundaryY(row) + kRowHeight / 2;
        drawCentred(painter, {columnCentre(4), y},
                    QString::number(7 - row, 2).rightJustified(3, QLatin1Char('0')));
        drawCentred(painter, {columnCentre(5), y}, QString::number(segment.base));
        drawCentred(painter, {columnCentre(6), y},
                    (segment.step > 1 ? QString::number(segment.step) : QString()) +
                        QStringLiteral("Δ"));
    }
}

// The binary search of tacts 2 to 4: each circle compares with its boundary and sends the
// sample up (not below it) or down, to the next tact or, after tact 4, to a row.
void drawDecisionTree(QPainter& painter) {
    struct Node {
        int column;
        int boundary;
    };
    static constexpr std::array<Node, 7> kNodes{
        {{1, 4}, {2, 2}, {2, 6}, {3, 1}, {3, 3}, {3, 5}, {3, 7}}};
    constexpr qreal radius = 16;
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setFont(LabStyle::sans(11));
    for (const Node& node : kNodes) {
        const QPointF centre(columnCentre(node.column) - 6, boundaryY(node.boundary));
        painter.setBrush(Qt::white);
        drawCircled(painter, centre, radius, boundaryText(node.boundary));
        painter.setBrush(Qt::NoBrush);
        const bool last = node.column == 3;
        const int reach = 4 >> node.column; // boundaries between this tact and the next
        for (const int direction : {-1, 1}) {
            QPointF target;
            qreal gap = radius;
            if (last) {
                target = {kColumnEdge[4] - 2, boundaryY(node.boundary) + direction * 13.5};
                gap = 0;
            } else {
                target = {columnCentre(node.column + 1) - 6,
                          boundaryY(node.boundary + direction * reach)};
            }
            const QLineF line(centre, target);
            const QPointF unit = (target - centre) / line.length();
            drawArrow(painter, centre + unit * radius, target - unit * gap, 7);
        }
    }
}

// The parts in order, smoothed, the painter left as it was.
void paintSmoothly(QPainter& painter, std::initializer_list<void (*)(QPainter&)> parts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const auto part : parts)
        part(painter);
    painter.restore();
}

} // namespace

void paintFigure1(QPainter& painter) {
    paintSmoothly(painter, {drawFigure1Grid, drawFigure1Axes, drawCharacteristic});
}

void paintTable1(QPainter& painter) {
    paintSmoothly(painter, {drawTableRules, drawTableHeader, drawTableBody, drawDecisionTree});
}

} // namespace TheoryFigures
