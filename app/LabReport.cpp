// SPDX-License-Identifier: MIT
#include "app/LabReport.h"

#include "app/store/PdfPage.h"
#include "foundation/LabStyle.h"
#include "foundation/LabTitle.h"
#include "foundation/Utf8Text.h"
#include "logic/FinalTestBank.h"

#include <QDateTime>
#include <QPainter>
#include <QPrinter>

namespace LabReport {

namespace {

constexpr double kMarginMm = 20;

QString scoreLine(const char* test, const Record::TestScore& score) {
    return QStringLiteral("%1: правильных ответов %2, неправильных %3")
        .arg(QString::fromUtf8(test))
        .arg(score.right)
        .arg(score.wrong);
}

QString wrongLine(const Record::TestScore& score) {
    const QString list = toQString(Record::questionList(score.wrongQuestions));
    return QStringLiteral("Ошибки в вопросах: ") + (list.isEmpty() ? QStringLiteral("нет") : list);
}

// Writes the lines down the page, each wrapped to its width; returns where the next begins.
class Column {
public:
    Column(QPainter& painter, const QRect& page) : painter_(painter), page_(page), y_(page.top()) {}

    void line(const QString& text, const QFont& font, int indent = 0) {
        painter_.setFont(font);
        const QRect room(page_.left() + indent, y_, page_.width() - indent, page_.bottom() - y_);
        QRect used;
        painter_.drawText(room, Qt::TextWordWrap, text, &used);
        y_ = used.bottom() + QFontMetrics(font, painter_.device()).lineSpacing() / 3;
    }
    void gap(const QFont& font) { y_ += QFontMetrics(font, painter_.device()).lineSpacing(); }

private:
    QPainter& painter_;
    QRect page_;
    int y_;
};

} // namespace

void paint(QPainter& painter, const QRect& page, const Record::LabResult& result) {
    const QFont title = LabStyle::pointSans(16, true);
    const QFont text = LabStyle::pointSans(12);
    const QFont heading = LabStyle::pointSans(12, true);
    painter.setPen(Qt::black);
    Column column(painter, page);
    column.line(LabTitle::kOccupation.toString(), title);
    column.line(LabTitle::kTopic.toString(), title);
    column.gap(text);
    const QDateTime when =
        QDateTime::fromString(toQString(result.finishedAt), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    column.line(QStringLiteral("Дата и время: ") +
                    (when.isValid() ? when.toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                                    : toQString(result.finishedAt)),
                text);
    column.gap(text);
    column.line(toQString(Knowledge::FinalTestBank::studentsHeading(result.student2)), heading);
    for (const std::string& student : {result.student1, result.student2})
        if (!student.empty())
            column.line(toQString(student), text, page.width() / 12);
    column.gap(text);
    column.line(scoreLine("Вводный тест", result.intro), heading);
    column.line(wrongLine(result.intro), text, page.width() / 12);
    column.gap(text);
    column.line(QStringLiteral("Практика кодирования: значение Uаим = %1, количество ошибок: %2")
                    .arg(result.practiceValue)
                    .arg(result.practiceErrors),
                heading);
    column.gap(text);
    column.line(scoreLine("Итоговый тест", result.final), heading);
    column.line(wrongLine(result.final), text, page.width() / 12);

    painter.setFont(LabStyle::pointSans(9));
    painter.drawText(page, Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Нелинейный кодер, версия ") + toQString(result.version));
}

bool savePdf(const QString& path, const Record::LabResult& result, QString* reason) {
    return PdfPage::save(
        path, QStringLiteral("Отчёт: нелинейный кодер"),
        QStringLiteral("Нелинейный кодер ") + toQString(result.version), kMarginMm,
        [&](QPainter& painter, const QRect& page) { paint(painter, page, result); }, reason);
}

bool print(QPrinter& printer, const Record::LabResult& result) {
    return PdfPage::paint(
        printer, [&](QPainter& painter, const QRect& page) { paint(painter, page, result); });
}

} // namespace LabReport
