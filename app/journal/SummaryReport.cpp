// SPDX-License-Identifier: MIT
#include "app/journal/SummaryReport.h"

#include "app/journal/SummaryCharts.h"
#include "app/journal/SummaryText.h"
#include "app/store/PdfPage.h"
#include "foundation/LabStyle.h"

#include <QChart>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrinter>

namespace SummaryReport {

namespace {

constexpr double kMarginMm = 15;

// A chart drawn into `target` as the window would draw it at `size`, scaled.
void drawChart(QPainter& painter, const QRectF& target, QChart* chart, QSizeF size) {
    QGraphicsScene scene;
    scene.addItem(chart); // the scene owns it from here
    chart->resize(size);
    scene.setSceneRect(QRectF(QPointF(), size));
    scene.render(&painter, target, scene.sceneRect(), Qt::KeepAspectRatio);
}

// Rows of cells in columns of the given widths (shares of `width`), the first row bold;
// returns the height used.
int drawTable(QPainter& painter, QPoint at, int width, const QList<double>& widths,
              const QList<QStringList>& rows) {
    const QFont text = LabStyle::pointSans(10);
    const int line = QFontMetrics(text, painter.device()).lineSpacing() * 5 / 4;
    for (int r = 0; r < rows.size(); ++r) {
        painter.setFont(LabStyle::pointSans(10, r == 0));
        int x = at.x();
        for (int c = 0; c < rows[r].size(); ++c) {
            const int w = int(width * widths[c]);
            painter.drawText(QRect(x, at.y() + r * line, w, line),
                             (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                             rows[r][c]);
            x += w;
        }
    }
    painter.drawLine(at.x(), at.y() + line, at.x() + width, at.y() + line);
    return int(rows.size()) * line;
}

} // namespace

void paint(QPainter& painter, const QRect& page, const Record::ClassSummary& summary,
           const QString& description) {
    painter.setPen(Qt::black);
    int y = page.top();
    const auto lines = [&](const QString& text, const QFont& font) {
        painter.setFont(font);
        QRect used;
        painter.drawText(QRect(page.left(), y, page.width(), page.bottom() - y), Qt::TextWordWrap,
                         text, &used);
        y = used.bottom() + QFontMetrics(font, painter.device()).lineSpacing() / 2;
    };
    lines(QStringLiteral("Лабораторная работа «Нелинейный кодер»: ошибки группы"),
          LabStyle::pointSans(15, true));
    lines(description, LabStyle::pointSans(11));

    // The charts as the window draws them at 640 pixels across: their texts come out at about
    // the size of the page's.
    const auto chart = [&](QChart* drawn, int height) {
        const int scaled = page.width() * height / 640;
        drawChart(painter, QRectF(page.left(), y, page.width(), scaled), drawn,
                  {640, qreal(height)});
        y += scaled + QFontMetrics(LabStyle::pointSans(10), painter.device()).lineSpacing();
    };
    QChart* shares = SummaryCharts::wrongShares();
    SummaryCharts::showShares(shares, summary);
    chart(shares, 300);

    QList<QStringList> questions{{QStringLiteral("Вопрос"), QStringLiteral("Вводный тест"),
                                  QStringLiteral("Итоговый тест")}};
    questions << SummaryText::questionRows(summary);
    QList<QStringList> scores{
        {QStringLiteral("Правильных ответов"), QStringLiteral("Результатов")}};
    scores << SummaryText::scoreRows(summary);
    const int gap = page.width() / 20;
    const int left = (page.width() - gap) * 11 / 20;
    const int used =
        std::max(drawTable(painter, {page.left(), y}, left, {0.2, 0.4, 0.4}, questions),
                 drawTable(painter, {page.left() + left + gap, y}, page.width() - left - gap,
                           {0.6, 0.4}, scores));
    y += used + QFontMetrics(LabStyle::pointSans(10), painter.device()).lineSpacing();
    for (const QString& mean : SummaryText::means(summary))
        lines(mean, LabStyle::pointSans(11));
    QChart* spread = SummaryCharts::finalScores();
    SummaryCharts::showScores(spread, summary);
    chart(spread, 220);
}

bool savePdf(const QString& path, const Record::ClassSummary& summary, const QString& description,
             QString* reason) {
    return PdfPage::save(
        path, QStringLiteral("Нелинейный кодер: ошибки группы"),
        QStringLiteral("Журнал лабораторной работы"), kMarginMm,
        [&](QPainter& painter, const QRect& page) { paint(painter, page, summary, description); },
        reason);
}

bool print(QPrinter& printer, const Record::ClassSummary& summary, const QString& description) {
    return PdfPage::paint(printer, [&](QPainter& painter, const QRect& page) {
        paint(painter, page, summary, description);
    });
}

} // namespace SummaryReport
