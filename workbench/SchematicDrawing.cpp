// SPDX-License-Identifier: MIT
#include "workbench/SchematicDrawing.h"

#include "foundation/LabStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace Schematic {

namespace {

// ---------------------------------------------------------------------------------------
// Geometry, in pixels of the schematic picture. A box is given by inclusive pixel ranges,
// so a 2-pixel line "along y 22-23" is the box {x0, x1, 22, 23}.

struct Box {
    int x0, x1, y0, y1;
    constexpr QRect rect() const { return QRect(QPoint(x0, y0), QPoint(x1, y1)); }
    QRectF area() const { return QRectF(rect()); }
};

enum BlockId {
    Comparator,
    Gen1,
    Gen2,
    ReferenceSwitchBlock,
    SegmentSelector,
    DigitalRegister,
    CodeConverter,
};

struct Block {
    Box outline;
    QStringView caption;
    QStringView index; // subscript of the caption
    Box captionBox;
};

constexpr Block kBlocks[] = {
    {{518, 556, 13, 59}, u"К", {}, {533, 542, 31, 43}},
    {{33, 236, 126, 163}, u"ГЭН", u"1", {118, 153, 139, 154}},
    {{272, 475, 126, 163}, u"ГЭН", u"2", {359, 395, 139, 154}},
    {{27, 483, 199, 236}, u"БКЭ", {}, {245, 273, 212, 223}},
    {{137, 393, 271, 309}, u"БВС", {}, {250, 279, 283, 294}},
    {{137, 393, 344, 381}, u"ЦР", {}, {255, 274, 356, 370}},
    {{465, 538, 344, 381}, u"ПК", {}, {493, 513, 356, 368}},
};

constexpr int kLineWidth = 2;

// Straight pieces of the single connections; the rows of parallel arrows follow below.
constexpr Box kRuns[] = {
    {125, 510, 22, 23},   // sample input to the comparator
    {133, 366, 49, 50},   // U эт line up to its terminal
    {379, 517, 49, 50},   // ... and on to the comparator
    {133, 134, 49, 125},  // Gen1 output up to the U эт line
    {372, 373, 56, 125},  // Gen2 output up to the U эт terminal
    {536, 537, 67, 90},   // control input up to the comparator
    {557, 574, 34, 35},   // comparator to the register: right,
    {573, 574, 34, 320},  // down,
    {428, 574, 319, 320}, // left,
    {428, 429, 319, 348}, // down,
    {402, 429, 347, 348}, // left into the register
    {8, 136, 353, 354},   // register to the switch block: left,
    {8, 9, 217, 354},     // up,
    {8, 19, 217, 218},    // right into the switch block
    {110, 129, 369, 370}, // control input to the register
    {392, 456, 353, 354}, // register to the code converter, three lines
    {392, 456, 358, 359}, {392, 456, 377, 378},
    {505, 506, 389, 405}, // control input up to the code converter
    {539, 573, 362, 363}, // code converter to the output terminal
};

// The pieces of the generator outputs left out for the polarity switch pictures.
constexpr Box kSwitchGaps[] = {{133, 134, 68, 93}, {372, 373, 69, 93}};

enum class Heading { Up, Left, Right };

// A filled arrowhead on a 2-pixel line: `line` is the first of the line's two pixels
// across, `from`..`to` the pixels it covers along the line; the tip touches the receiver.
struct Arrowhead {
    Heading heading;
    int line;
    int from, to;
};

constexpr Arrowhead kArrowheads[] = {
    {Heading::Right, 22, 511, 517},  // sample input
    {Heading::Up, 536, 61, 66},      // control input of the comparator
    {Heading::Left, 347, 394, 401},  // comparator decision into the register
    {Heading::Right, 217, 20, 25},   // register to the switch block
    {Heading::Right, 369, 130, 135}, // control input of the register
    {Heading::Right, 353, 457, 464}, // register to the code converter
    {Heading::Right, 358, 457, 464}, {Heading::Right, 377, 457, 464},
    {Heading::Up, 505, 383, 388}, // control input of the code converter
};

// How the figure numbers a row: every line, or only 1, 2, … and the last.
enum class Numbering { Every, Abridged };

struct ArrowRow {
    std::span<const int> lines;
    BlockId source;
    int headFrom, headTo;
    int firstNumber;
    Numbering numbering;
};

constexpr ArrowRow kArrowRows[] = {
    {kGen1Inputs, ReferenceSwitchBlock, 165, 170, 1, Numbering::Abridged},
    {kGen2Inputs, ReferenceSwitchBlock, 165, 170, 1, Numbering::Abridged},
    {kSwitchInputs, SegmentSelector, 238, 243, 1, Numbering::Every},
    {kSelectorInputs, DigitalRegister, 311, 316, 2, Numbering::Every},
};

constexpr Box kTerminals[] = {
    {114, 125, 17, 29},   // sample input
    {367, 378, 44, 55},   // U эт
    {531, 543, 91, 103},  // control input of the comparator
    {98, 109, 364, 376},  // control input of the register
    {499, 511, 406, 417}, // control input of the code converter
    {574, 586, 357, 368}, // output
};

// The polarity of each generator, by its output line.
struct PolaritySign {
    Box circle;
    bool plus;
};

constexpr PolaritySign kPolaritySigns[] = {{{100, 126, 94, 120}, false},
                                           {{340, 366, 94, 120}, true}};

// ---------------------------------------------------------------------------------------
// Texts. A name is base letters, an optional subscript and an optional tail back on the
// base line. In the schematic its ink is centred in its box; the figure draws texts larger
// and lets them grow from there in the direction given with each.

enum class Face { Sans, Serif };

struct Name {
    QStringView base;
    QStringView subscript = {};
    QStringView tail = {};
    bool empty() const { return base.isEmpty(); }
};

// Texts of one group share one size, the largest at which every one of them fits.
enum class Group { Caption, Control, Signal, Mark };

// How a kind of name looks, and how it grows and moves when the figure draws it larger.
struct NameLook {
    Face face;
    Group group;
    Qt::Alignment grow; // kept in the figure: left edge or centre; centre, baseline or top
    QPointF figureShift;
    bool top; // the two signals at the top stand out in the schematic
};

constexpr NameLook kTopSignal{
    Face::Serif, Group::Signal, Qt::AlignLeft | Qt::AlignBaseline, {}, true};
constexpr NameLook kControlSource{Face::Sans, Group::Control, Qt::AlignCenter, {}, false};
// Moved down in the figure to stay clear of the larger name above it.
constexpr NameLook kControlSignal{
    Face::Serif, Group::Signal, Qt::AlignHCenter | Qt::AlignTop, {0, 4}, false};
constexpr NameLook kOutputSignal{
    Face::Serif, Group::Signal, Qt::AlignLeft | Qt::AlignBaseline, {}, false};

struct SignalName {
    Box box;
    NameLook look;
    Name schematic;
    Name figure; // empty: not shown in the figure
};

constexpr Name kControl{u"ГО"};
constexpr Name kControlVoltage{u"U", u"УПРТ"};
constexpr Name kFigureControlVoltage{u"U", u"упр т"};

constexpr SignalName kSignalNames[] = {
    {{125, 192, 3, 17}, kTopSignal, {u"U", u"АИМ-2ГР", u" ="}, {u"U", u"АИМ-2гр"}},
    {{368, 405, 29, 43}, kTopSignal, {u"U", u"ЭТ", u" ="}, {}},
    {{528, 546, 114, 125}, kControlSource, kControl, kControl},
    {{516, 553, 131, 145}, kControlSignal, kControlVoltage, kFigureControlVoltage},
    {{93, 111, 380, 391}, kControlSource, kControl, kControl},
    {{81, 118, 395, 409}, kControlSignal, kControlVoltage, kFigureControlVoltage},
    {{492, 510, 421, 432}, kControlSource, kControl, kControl},
    {{481, 518, 435, 449}, kControlSignal, kControlVoltage, kFigureControlVoltage},
    {{542, 590, 338, 352}, kOutputSignal, {u"ИКМ", u"ГР"}, {u"ИКМ", u"гр"}},
};

// Numbers of the figure beside single lines; the rows of arrows number themselves.
struct LineMark {
    QStringView text;
    Box box;
};

constexpr LineMark kLineMarks[] = {
    {u"1", {123, 133, 341, 351}}, // register bit 1 to the switch block
    {u"1", {434, 444, 341, 351}}, // the eight lines to the code converter: 1, 2, …, 8
    {u"2", {434, 444, 361, 370}},
    {u"8", {434, 444, 380, 389}},
};
// Dots between lines 2 and 8 of the code converter's input.
constexpr Box kConverterEllipsis{418, 420, 362, 375};

// Largest sizes tried, by Group; the figure numbers keep theirs.
constexpr int kNominalSize[] = {16, 13, 16, 12};

// ---------------------------------------------------------------------------------------
// Appearance: the schematic of the coder screens or the theory's Figure 2.

struct Style {
    QColor ink;         // lines, arrowheads, outlines, captions, signal names
    QColor topInk;      // the two signals at the top
    QColor terminalInk; // terminal circles
    bool switchGaps;    // leave room for the polarity switch pictures
    bool figure;        // figure texts, numbered lines
    bool smoothShapes;  // antialiased arrowheads, for a scaled drawing
    // Texts against their fitted size, by Group: larger where the drawing is scaled down.
    std::array<qreal, 4> textScale;
};

constexpr Style kSchematicStyle{.ink = LabStyle::kSchematicGrey,
                                .topInk = QColor(24, 24, 24),
                                .terminalInk = QColor(192, 192, 192),
                                .switchGaps = true,
                                .figure = false,
                                .smoothShapes = false,
                                .textScale = {1, 1, 1, 1}};
constexpr Style kFigureStyle{.ink = QColor(0, 0, 0),
                             .topInk = QColor(0, 0, 0),
                             .terminalInk = QColor(0, 0, 0),
                             .switchGaps = false,
                             .figure = true,
                             .smoothShapes = true,
                             .textScale = {1.3, 1.15, 1.4, 1}};

// The diagram's ink, in picture pixels, and the margin it keeps in Figure 2.
constexpr QRectF kDiagramExtent{8, 0, 583, 462};
constexpr qreal kFigureMargin = 4;

// ---------------------------------------------------------------------------------------
// Text layout.

QFont fontOf(Face face, int pixelSize) {
    return face == Face::Serif ? LabStyle::serif(pixelSize) : LabStyle::sans(pixelSize);
}

struct Piece {
    QFont font;
    QString text;
    QPointF baseline;
};

struct TextLayout {
    std::vector<Piece> pieces;
    QRectF ink;
};

TextLayout layOut(const Name& name, Face face, int pixelSize) {
    const QFont main = fontOf(face, pixelSize);
    const QFont small = fontOf(face, std::max(6, qRound(pixelSize * 0.65)));
    const qreal drop = pixelSize * 0.3;
    TextLayout layout;
    qreal x = 0;
    const auto add = [&](QStringView text, const QFont& font, qreal y) {
        if (text.isEmpty())
            return;
        const QString string = text.toString();
        const QFontMetricsF metrics(font);
        layout.pieces.push_back({font, string, {x, y}});
        // The glyphs' own boxes: as tight as the outlines, at a fraction of the cost.
        layout.ink |= metrics.tightBoundingRect(string).translated(x, y);
        x += metrics.horizontalAdvance(string);
    };
    add(name.base, main, 0);
    add(name.subscript, small, drop);
    add(name.tail, main, 0);
    return layout;
}

// The largest size from 6 to `nominal` at which the text's ink fits the box (6 when none).
int fittedSize(const Name& name, Face face, QSizeF box, int nominal) {
    const auto fits = [&](int size) {
        const QRectF ink = layOut(name, face, size).ink;
        return ink.width() <= box.width() && ink.height() <= box.height();
    };
    // Ink grows with the size, so one measure gives a near guess; every size tried loads a
    // font, which is what costs.
    const QRectF ink = layOut(name, face, nominal).ink;
    const qreal scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    int size = std::clamp(int(nominal * scale), 6, nominal);
    while (size > 6 && !fits(size))
        --size;
    while (size < nominal && fits(size + 1))
        ++size;
    return size;
}

const Name& nameIn(const SignalName& signal, const Style& style) {
    return style.figure ? signal.figure : signal.schematic;
}

Name captionOf(const Block& block) {
    return {block.caption, block.index, {}};
}

// The size of each group of texts: the largest at which every text of the group fits its
// box in the schematic.
std::array<int, 4> fitGroups() {
    std::array<int, 4> sizes;
    std::copy(std::begin(kNominalSize), std::end(kNominalSize), sizes.begin());
    const auto shrink = [&](Group group, const Name& name, Face face, const Box& box) {
        int& size = sizes[int(group)];
        size = std::min(size, fittedSize(name, face, box.area().size(), size));
    };
    for (const Block& block : kBlocks)
        shrink(Group::Caption, captionOf(block), Face::Sans, block.captionBox);
    for (const SignalName& signal : kSignalNames)
        shrink(signal.look.group, signal.schematic, signal.look.face, signal.box);
    return sizes;
}

int fittedSizeOf(Group group) {
    static const std::array<int, 4> fitted = fitGroups();
    return fitted[int(group)];
}

int sizeOf(Group group, const Style& style) {
    return qRound(fittedSizeOf(group) * style.textScale[int(group)]);
}

// Where a text stands and how it grows when drawn larger than its fitted size.
struct Placement {
    QRectF box;
    Group group;
    Qt::Alignment grow = Qt::AlignCenter;
};

// Draws `name` where its ink, at its group's fitted size, is centred in the box (or against
// the box's right edge, for AlignRight); a larger size grows from there as `grow` says.
void drawName(QPainter& painter, const Name& name, Face face, const Placement& place,
              const Style& style, const QColor& color) {
    const int fittedSize = fittedSizeOf(place.group);
    const int size = sizeOf(place.group, style);
    const TextLayout fitted = layOut(name, face, fittedSize);
    const TextLayout layout = size == fittedSize ? fitted : layOut(name, face, size);
    const QRectF& box = place.box;
    QPointF origin(place.grow & Qt::AlignRight ? box.right() - fitted.ink.right()
                                               : box.center().x() - fitted.ink.center().x(),
                   box.center().y() - fitted.ink.center().y());
    if (place.grow & Qt::AlignLeft)
        origin.rx() += fitted.ink.left() - layout.ink.left();
    else if (place.grow & Qt::AlignRight)
        origin.rx() += fitted.ink.right() - layout.ink.right();
    else
        origin.rx() += fitted.ink.center().x() - layout.ink.center().x();
    if (place.grow & Qt::AlignTop)
        origin.ry() += fitted.ink.top() - layout.ink.top();
    else if (!(place.grow & Qt::AlignBaseline))
        origin.ry() += fitted.ink.center().y() - layout.ink.center().y();
    origin = QPointF(qRound(origin.x()), qRound(origin.y()));
    painter.setPen(color);
    for (const Piece& piece : layout.pieces) {
        painter.setFont(piece.font);
        painter.drawText(piece.baseline + origin, piece.text);
    }
}

// ---------------------------------------------------------------------------------------
// Shapes.

void fillRegion(QPainter& painter, const QRegion& region, const QColor& color) {
    // The region's rectangles do not overlap, so each pixel is filled once.
    for (const QRect& rect : region)
        painter.fillRect(rect, color);
}

QRegion outlineOf(const Box& box) {
    const QRect outer = box.rect();
    return QRegion(outer).subtracted(
        outer.adjusted(kLineWidth, kLineWidth, -kLineWidth, -kLineWidth));
}

// The arrowhead widens by this many pixels on each side of its line.
constexpr qreal kArrowSpread = 3;

QPolygonF arrowheadShape(const Arrowhead& head) {
    // Along the line: the tip edge and the base edge; across it: the line's two pixels.
    const bool forward = head.heading == Heading::Right;
    const qreal tip = forward ? head.to + 1 : head.from;
    const qreal base = forward ? head.from : head.to + 1;
    // The sides stop a hair short of pixel centres so that both come out alike.
    const qreal a = head.line, b = head.line + kLineWidth, spread = kArrowSpread - 0.01;
    const QList<QPointF> alongAcross{{tip, a}, {tip, b}, {base, b + spread}, {base, a - spread}};
    QPolygonF shape;
    for (const QPointF& p : alongAcross)
        shape << (head.heading == Heading::Up ? QPointF(p.y(), p.x()) : p);
    return shape;
}

void drawArrowhead(QPainter& painter, const Arrowhead& head, const Style& style) {
    painter.setRenderHint(QPainter::Antialiasing, style.smoothShapes);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.ink);
    painter.drawPolygon(arrowheadShape(head));
    painter.setRenderHint(QPainter::Antialiasing, true);
}

// A thin circle inside the pixels of `box`.
void drawCircle(QPainter& painter, const Box& box, const QColor& color) {
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box.area().adjusted(0.5, 0.5, -0.5, -0.5));
}

void drawPolaritySign(QPainter& painter, const PolaritySign& sign, const Style& style) {
    drawCircle(painter, sign.circle, style.ink);
    const QRectF area = sign.circle.area();
    const QPointF centre = area.center();
    const qreal arm = area.width() * 0.27;
    QRectF bar(0, 0, 2 * arm + 1, 1);
    bar.moveCenter(centre);
    painter.fillRect(bar, style.ink);
    if (sign.plus) {
        bar = bar.transposed();
        bar.moveCenter(centre);
        painter.fillRect(bar, style.ink);
    }
}

// Three dots along the longer side of `area`, as wide as its shorter side.
void drawDots(QPainter& painter, const QRectF& area, const QColor& color) {
    const bool across = area.width() >= area.height();
    const qreal size = std::min(area.width(), area.height());
    const qreal step = ((across ? area.width() : area.height()) - size) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    for (int i = 0; i < 3; ++i) {
        const QPointF offset = across ? QPointF(i * step, 0) : QPointF(0, i * step);
        painter.drawEllipse(QRectF(area.topLeft() + offset, QSizeF(size, size)));
    }
}

// Numbers of one row of arrows, each just left of its line, halfway up the line; an
// abridged row shows 1, 2, dots in the middle, and the last.
void drawRowNumbers(QPainter& painter, const ArrowRow& row, const Style& style) {
    const int count = int(row.lines.size());
    const qreal top = row.headTo + 1, bottom = kBlocks[row.source].outline.y0;
    const qreal middle = (top + bottom) / 2;
    for (int i = 0; i < count; ++i) {
        const qreal x = row.lines[i];
        if (row.numbering == Numbering::Abridged && i > 1 && i < count - 1) {
            if (i == count / 2)
                drawDots(painter, QRectF(x - 13, middle + 2, 10, 2.5), style.ink);
            continue;
        }
        const QRectF box(x - 17, top, 15, bottom - top);
        drawName(painter, {QString::number(row.firstNumber + i)}, Face::Sans,
                 {box, Group::Mark, Qt::AlignRight}, style, style.ink);
    }
}

void paintDiagram(QPainter& painter, const Style& style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    for (const Box& terminal : kTerminals)
        drawCircle(painter, terminal, style.terminalInk);

    QRegion lines;
    for (const Box& run : kRuns)
        lines += run.rect();
    for (const ArrowRow& row : kArrowRows)
        for (int x : row.lines)
            lines += Box{x, x + kLineWidth - 1, row.headTo + 1, kBlocks[row.source].outline.y0 - 1}
                         .rect();
    if (style.switchGaps)
        for (const Box& gap : kSwitchGaps)
            lines -= gap.rect();
    for (const Block& block : kBlocks)
        lines += outlineOf(block.outline);
    fillRegion(painter, lines, style.ink);

    for (const Arrowhead& head : kArrowheads)
        drawArrowhead(painter, head, style);
    for (const ArrowRow& row : kArrowRows)
        for (int x : row.lines)
            drawArrowhead(painter, {Heading::Up, x, row.headFrom, row.headTo}, style);
    for (const PolaritySign& sign : kPolaritySigns)
        drawPolaritySign(painter, sign, style);

    for (const Block& block : kBlocks)
        drawName(painter, captionOf(block), Face::Sans, {block.captionBox.area(), Group::Caption},
                 style, style.ink);
    for (const SignalName& signal : kSignalNames) {
        const Name& name = nameIn(signal, style);
        if (name.empty())
            continue;
        const NameLook& look = signal.look;
        const QPointF shift = style.figure ? look.figureShift : QPointF();
        drawName(painter, name, look.face,
                 {signal.box.area().translated(shift), look.group, look.grow}, style,
                 look.top ? style.topInk : style.ink);
    }

    if (style.figure) {
        for (const ArrowRow& row : kArrowRows)
            drawRowNumbers(painter, row, style);
        for (const LineMark& mark : kLineMarks)
            drawName(painter, {mark.text}, Face::Sans, {mark.box.area(), Group::Mark}, style,
                     style.ink);
        drawDots(painter, kConverterEllipsis.area(), style.ink);
    }
    painter.restore();
}

} // namespace

void paintSchematic(QPainter& painter) {
    paintDiagram(painter, kSchematicStyle);
}

QRect lampArea(LitBlock block) {
    const Box& outline =
        kBlocks[block == LitBlock::DigitalRegister ? DigitalRegister : SegmentSelector].outline;
    return QRect(QPoint(outline.x0 + kLineWidth, outline.y0 + kLineWidth),
                 QPoint(outline.x1 - 1, outline.y1 - 1));
}

void paintOpenSwitch(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(LabStyle::kSchematicGrey, 1));
    // A blade hinged at the lower contact, lifted off the upper one.
    painter.drawLine(0, kOpenSwitchSize.height() - 1, kOpenSwitchSize.width() - 1, 0);
    painter.restore();
}

void paintClosedSwitch(QPainter& painter) {
    // Fills the gap in the output line, in the line's own columns.
    painter.fillRect(QRect(3, 0, kLineWidth, kClosedSwitchSize.height()), LabStyle::kSchematicGrey);
}

void paintFigure2(QPainter& painter, int visibleRows) {
    const qreal scale =
        std::min((kFigure2Size.width() - 2 * kFigureMargin) / kDiagramExtent.width(),
                 (visibleRows - 2 * kFigureMargin) / kDiagramExtent.height());
    const qreal dx =
        (kFigure2Size.width() - kDiagramExtent.width() * scale) / 2 - kDiagramExtent.left() * scale;
    const qreal dy = kFigureMargin - kDiagramExtent.top() * scale;
    painter.save();
    painter.setTransform(QTransform(scale, 0, 0, scale, dx, dy), true);
    paintDiagram(painter, kFigureStyle);
    painter.restore();
}

} // namespace Schematic
