// SPDX-License-Identifier: MIT
#include "screens/Unit3.h"

#include "screens/TheoryFigures.h"
#include "widgets/Controls.h"
#include "widgets/Picture.h"
#include "widgets/ReadOnlyText.h"
#include "workbench/SchematicDrawing.h"

#include <QFile>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>

TForm3* Form3 = nullptr;

// Resources of a static library register only when asked to, and only from the global
// namespace.
static void registerTheoryResources() {
    Q_INIT_RESOURCE(theory);
}

namespace {

constexpr int kColumnWidth = 570;
constexpr int kFigure2Covered = 53;

QString loadTheoryText(const QString& name) {
    static const bool registered = (registerTheoryResources(), true);
    Q_UNUSED(registered);
    QFile file(QStringLiteral(":/theory/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("theory text %s is missing", qPrintable(name));
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

ReadOnlyText* makeTextBlock(QWidget* column, const char* name, const QRect& geometry,
                            const QString& accessibleName) {
    auto* block = new ReadOnlyText(LabStyle::sans(16), Qt::white, column);
    // A block is a page of the column: it holds its whole text, the column scrolls.
    block->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    block->setAccessibleName(accessibleName);
    return place(block, name, geometry);
}

Picture* makeFigure(QWidget* column, const char* name, const QRect& box, QSize natural,
                    Picture::Drawing drawing, const QString& accessibleName,
                    const QString& description) {
    auto* picture = new Picture(natural, std::move(drawing), column);
    picture->setAccessibleName(accessibleName);
    picture->setAccessibleDescription(description);
    return place(picture, name, box);
}

} // namespace

TForm3::TForm3() : LabScreen(QStringLiteral("Просмотр теории"), QSize(590, 441), Border::Fixed) {
    ScrollBox1 = place(new QScrollArea(this), "ScrollBox1", rect());
    ScrollBox1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    QPalette white = ScrollBox1->viewport()->palette();
    white.setColor(QPalette::Window, Qt::white);
    ScrollBox1->viewport()->setPalette(white);
    ScrollBox1->viewport()->setAutoFillBackground(true);

    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("ScrollBox1Column"));
    column->setPalette(white);
    column->setAutoFillBackground(true);

    // The blocks in content order, each below the one before, and created so: the last text
    // block, which begins kFigure2Covered pixels above the end of Figure 2's box, lies over
    // the figure's foot.
    int end = 0;
    const auto below = [&end](int height, int left = 0, int width = kColumnWidth) {
        end += height;
        return QRect(left, end - height, width, height);
    };
    RzRichEdit1 = makeTextBlock(column, "RzRichEdit1", below(735),
                                QStringLiteral("Краткая теория. Кодирование"));
    Image1 = makeFigure(column, "Image1", below(325), TheoryFigures::kFigure1Size,
                        TheoryFigures::paintFigure1, QStringLiteral("Рисунок 1"),
                        QStringLiteral("Сегментированная характеристика компрессии типа А=87,6: "
                                       "ломаная из восьми сегментов, шаг удваивается от "
                                       "сегмента к сегменту"));
    RzRichEdit11 = makeTextBlock(column, "RzRichEdit11", below(754),
                                 QStringLiteral("Сегментированная характеристика компрессии"));
    Image2 = makeFigure(column, "Image2", below(275), TheoryFigures::kTable1Size,
                        TheoryFigures::paintTable1, QStringLiteral("Таблица 1"),
                        QStringLiteral("Выбор основного эталона в тактах 2, 3 и 4: разряды "
                                       "сегмента, основной эталон и шаг квантования"));
    RzRichEdit2 = makeTextBlock(column, "RzRichEdit2", below(209),
                                QStringLiteral("Алгоритм выбора основных эталонов"));
    const QRect figure2 = below(406);
    end -= kFigure2Covered;
    // Centred in its box, the figure shows its rows down to the text's top.
    const int shownRows =
        end - figure2.top() - (figure2.height() - Schematic::kFigure2Size.height()) / 2;
    Image3 = makeFigure(
        column, "Image3", figure2, Schematic::kFigure2Size,
        [shownRows](QPainter& painter) { Schematic::paintFigure2(painter, shownRows); },
        QStringLiteral("Рисунок 2"),
        QStringLiteral("Нелинейный кодер взвешивающего типа: компаратор, "
                       "генераторы эталонов, блок коммутации эталонов, блок "
                       "выбора сегмента, цифровой регистр, преобразователь "
                       "кода"));
    RzRichEdit3 = makeTextBlock(column, "RzRichEdit3", below(480, 0, 567),
                                QStringLiteral("Нелинейный кодер взвешивающего типа"));
    RzURLLabel1 = makeLink(column, "RzURLLabel1", below(27).topLeft() + QPoint(176, 0),
                           QStringLiteral("Перейти к вводному тесту >>"), LabStyle::verdana(13));
    RzURLLabel1->setFixedSize(209, 27);
    column->setFixedSize(kColumnWidth, end);
    ScrollBox1->setWidget(column);

    setTabOrder(RzRichEdit1, RzRichEdit11);
    setTabOrder(RzRichEdit11, RzRichEdit2);
    setTabOrder(RzRichEdit2, RzRichEdit3);

    connect(RzURLLabel1, &LinkLabel::clicked, this, &TForm3::RzURLLabel1Click);
}

void TForm3::prepare() {
    for (Picture* figure : {Image1, Image2, Image3})
        figure->prepare();
    loadTexts();
    openAtTheEnd();
    // Drawn once out of sight: the first look at the reader then finds every glyph of its
    // texts ready.
    QPixmap ahead(size());
    render(&ahead);
}

void TForm3::loadTexts() {
    if (textsLoaded_)
        return;
    textsLoaded_ = true;
    // Here after prepareAhead() has given the hidden blocks their sizes, or when shown: the
    // text is laid out once, at the block's width.
    RzRichEdit1->setText(loadTheoryText(QStringLiteral("block1")));
    RzRichEdit11->setText(loadTheoryText(QStringLiteral("block11")));
    RzRichEdit2->setText(loadTheoryText(QStringLiteral("block2")));
    RzRichEdit3->setText(loadTheoryText(QStringLiteral("block3")));
}

void TForm3::openAtTheEnd() {
    if (opened_)
        return;
    opened_ = true;
    ScrollBox1->verticalScrollBar()->setValue(kStoredScrollTop);
    // The student's eye is on the link at the end: Enter or Space follows it at once.
    RzURLLabel1->setFocus();
}

void TForm3::FormActivate() {
    // Usually done ahead, while the students read the title. Later showings keep wherever
    // the students left the column.
    loadTexts();
    openAtTheEnd();
}

void TForm3::RzURLLabel1Click() {
    Q_EMIT goOnRequested();
}
