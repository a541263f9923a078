// SPDX-License-Identifier: MIT
#include "widgets/NumericField.h"

#include "foundation/LabStyle.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QValidator>
#include <cmath>

namespace {

const QLocale& russian() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

} // namespace

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setBackground(LabStyle::kBtnFace);
    updateValidator();
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, &NumericField::valueChanged);
}

void NumericField::setDecimals(int decimals) {
    decimals_ = std::max(0, decimals);
    updateValidator();
}

void NumericField::setDisplayFormat(const QString& format) {
    grouping_ = format.contains(QLatin1Char(','));
    const int point = format.indexOf(QLatin1Char('.'));
    shownDecimals_ = point < 0 ? 0 : int(format.size() - point - 1);
}

namespace {

// Takes what the field can read and what is on the way to it, nothing else: so the field
// never holds a text that it would read as another number, or as none once complete.
class NumberValidator : public QValidator {
public:
    NumberValidator(int decimals, QObject* parent) : QValidator(parent), decimals_(decimals) {}

    State validate(QString& input, int&) const override {
        if (NumericField::parse(input, decimals_))
            return Acceptable;
        // Nothing, a lone sign or a lone comma: a number not yet typed.
        const QString plain = NumericField::plainNumber(input);
        static const QRegularExpression start(
            QRegularExpression::anchoredPattern(QStringLiteral("-?,?")));
        return start.match(plain).hasMatch() && (decimals_ > 0 || !plain.contains(QLatin1Char(',')))
                   ? Intermediate
                   : Invalid;
    }

private:
    int decimals_;
};

} // namespace

void NumericField::updateValidator() {
    setValidator(new NumberValidator(decimals_, this));
}

QString NumericField::plainNumber(const QString& text) {
    QString plain = text;
    plain.remove(QChar(0x00A0));
    plain.remove(QLatin1Char(' '));
    plain.replace(QLatin1Char('.'), QLatin1Char(','));
    return plain;
}

std::optional<double> NumericField::parse(const QString& text, int decimals) {
    const QString plain = plainNumber(text);
    // Anchored as a whole: '$' would also match before a final line feed.
    static const QRegularExpression grammar(
        QRegularExpression::anchoredPattern(QStringLiteral("-?([0-9]*)(,([0-9]*))?")));
    const QRegularExpressionMatch match = grammar.match(plain);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(1);
    const QString fraction = match.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (whole.size() > kMaxWholeDigits || fraction.size() > std::max(decimals, 0) ||
        (decimals <= 0 && match.hasCaptured(2)))
        return std::nullopt;
    bool ok = false;
    const double value = russian().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> NumericField::value() const {
    return parse(text(), decimals_);
}

QString NumericField::format(double value) const {
    const int shown = std::min(shownDecimals_, decimals_);
    QString text = russian().toString(value, 'f', shown);
    if (!grouping_)
        text.remove(russian().groupSeparator());
    const QString comma = russian().decimalPoint();
    if (shown > 0 && text.contains(comma)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(comma))
            text.chop(comma.size());
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

void NumericField::setValue(double value) {
    setText(format(value));
}

void NumericField::setBackground(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

QColor NumericField::background() const {
    return palette().color(QPalette::Base);
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyDown(event->key());
    if (decimals_ > 0 && event->text() == QLatin1String(".")) {
        insert(QStringLiteral(","));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    Q_EMIT clicked();
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Like the classic calculator field: the text settles into the display format on exit.
    if (const auto parsed = parse(text(), decimals_))
        setValue(*parsed);
}
